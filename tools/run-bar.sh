#!/usr/bin/env bash
# Starts the bar under Wine in a private prefix. Without a display it starts a
# virtual one, saves a screenshot once the bar is up and prints its path.
# QRV_RUN_SECONDS=n stops the bar after n seconds (for scripted checks).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
app="$build/windows/app"

source "$root/tools/wine-session.sh"
headless=""
[[ -z "${DISPLAY:-}" ]] && headless=1
wine_session_start "$build/run-prefix"
trap wine_session_stop EXIT
wine_register_outlook "$build/windows"
# What the bar asked of the stand-in Outlook, and what it holds, to look at.
mkdir -p "$build/run-outlook"
export QRV_OUTLOOK_LOG="${QRV_OUTLOOK_LOG:-$build/run-outlook/calls.log}"
export QRV_OUTLOOK_STORE="${QRV_OUTLOOK_STORE:-$build/run-outlook/store.ini}"
[[ -n "$headless" ]] && echo "No display found: started a virtual display ($DISPLAY)."

wine "$app/Quorvel.exe" </dev/null >/dev/null 2>&1 &
bar=$!

if [[ -n "$headless" ]]; then
  sleep 4
  mkdir -p "$build/screenshots"
  shot="$build/screenshots/bar.png"
  if import -window root "$shot" 2>/dev/null; then
    echo "Screenshot of the bar: $shot"
  else
    echo "Could not take a screenshot of display $DISPLAY."
  fi
  echo "Quorvel is running on the virtual display $DISPLAY; press Ctrl+C to stop it."
fi

if [[ -n "${QRV_RUN_SECONDS:-}" ]]; then
  sleep "$QRV_RUN_SECONDS"
  kill "$bar" 2>/dev/null
  wait "$bar" 2>/dev/null
  exit 0
fi
wait "$bar"
