#!/usr/bin/env bash
# Starts the web-services editor under Wine in the bar's private prefix, on a
# virtual display when there is none (then it saves a screenshot and says where).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

source "$root/tools/wine-session.sh"
headless=""
[[ -z "${DISPLAY:-}" ]] && headless=1
wine_session_start "$build/run-prefix"
trap wine_session_stop EXIT
[[ -n "$headless" ]] && echo "No display found: started a virtual display ($DISPLAY)."

wine "$build/windows/app/QRVWebEditor.exe" </dev/null >/dev/null 2>&1 &
editor=$!
if [[ -n "$headless" ]]; then
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"QRV Web Services Editor": .* [0-9]\{3\}x[0-9]\{3\}' && break
    sleep 0.1
  done
  mkdir -p "$build/screenshots"
  shot="$build/screenshots/editor.png"
  import -window root "$shot" 2>/dev/null && echo "Screenshot of the editor: $shot"
  echo "The editor is running on the virtual display $DISPLAY; press Ctrl+C to stop it."
fi
wait "$editor"
