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
  # Wait for the bar to stand collapsed at the left edge, then open it with a
  # click on its strip and take the picture.
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"QV": .* 6x302' && break
    sleep 0.1
  done
  top=$(xwininfo -root -tree 2>/dev/null | sed -n 's/.*"QV": .* 6x302+-1+\([0-9]*\).*/\1/p' | head -n1)
  xdotool mousemove 2 $(( ${top:-106} + 100 )) click 1 2>/dev/null
  sleep 1
  mkdir -p "$build/screenshots"
  shot="$build/screenshots/bar.png"
  if import -window root -crop 160x400+0+$(( ${top:-106} > 40 ? ${top:-106} - 40 : 0 )) +repage "$shot" 2>/dev/null; then
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
