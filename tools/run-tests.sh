#!/usr/bin/env bash
# Runs the native and the Windows test suites in one ctest run, the Windows
# programs under Wine in a private prefix on a virtual display of their own.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

source "$root/tools/wine-session.sh"
wine_session_start "$build/wineprefix" own-display
trap wine_session_stop EXIT
wine_register_outlook "$build/windows"

mkdir -p "$build/all"
cat >"$build/all/CTestTestfile.cmake" <<CTEST
subdirs("$build/native")
subdirs("$build/windows")
CTEST

ctest --test-dir "$build/all" --output-on-failure -j "$(nproc)" "$@"
