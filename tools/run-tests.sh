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

# Wine closes the desktop's shell (explorer, with the notification area) a
# second after the last program using it ends and starts it anew with the
# next: a test program started in that second meets a closing shell, loses the
# tray icon it adds with it and may find its desktop gone. One program holds the
# desktop for the whole run, as Windows keeps its shell; the Wine server's stop
# ends it.
keep_desktop_open() {
  local keeper="$build/windows/tests/support/desktop_keeper.exe" ready
  [[ -f "$keeper" ]] || return 0
  ready=$(mktemp)
  wine "$keeper" </dev/null >"$ready" 2>/dev/null &
  for _ in $(seq 200); do
    [[ -s "$ready" ]] && break
    sleep 0.05
  done
  rm -f "$ready"
}
keep_desktop_open

mkdir -p "$build/all"
cat >"$build/all/CTestTestfile.cmake" <<CTEST
subdirs("$build/native")
subdirs("$build/windows")
CTEST

ctest --test-dir "$build/all" --output-on-failure -j "$(nproc)" "$@"
