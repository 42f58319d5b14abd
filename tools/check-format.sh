#!/usr/bin/env bash
# Fails when any tracked C++ file differs from what clang-format makes of it
# (the layout is in .clang-format at the root). `make format` formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
