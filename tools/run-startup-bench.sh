#!/usr/bin/env bash
# Measures the bar's start-up under Wine on a virtual display of its own, with
# the stand-in Outlook registered as the local server it is, and prints the
# median of ten starts.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

source "$root/tools/wine-session.sh"
wine_session_start "$build/bench-prefix" own-display
trap wine_session_stop EXIT
wine_register_outlook "$build/windows"

# Outlook's files for the run: its call log and store, no seed, no settings.
outlook="$build/bench-outlook"
rm -rf "$outlook" && mkdir -p "$outlook"
export QRV_OUTLOOK_LOG="$(winepath -w "$outlook/calls.log" 2>/dev/null </dev/null)"
export QRV_OUTLOOK_STORE="$(winepath -w "$outlook/store.ini" 2>/dev/null </dev/null)"
wine "$build/windows/tests/bench/startup_bench.exe" </dev/null
