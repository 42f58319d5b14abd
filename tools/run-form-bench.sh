#!/usr/bin/env bash
# Runs the form layer's, the Information Item window's, the help viewer's, the preferences window's, the hotkeys' and the Save command's benchmarks under Wine on a display of its own.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-session.sh"
wine_session_start "$root/build/wineprefix" own-display
trap wine_session_stop EXIT
wine "$root/build/windows/tests/form_bench.exe" </dev/null
wine "$root/build/windows/tests/entry_bench.exe" </dev/null
wine "$root/build/windows/tests/help_bench.exe" </dev/null
wine "$root/build/windows/tests/prefs_bench.exe" </dev/null
wine "$root/build/windows/tests/hotkey_bench.exe" </dev/null
wine_register_outlook "$root/build/windows"
wine "$root/build/windows/tests/save_bench.exe" </dev/null
