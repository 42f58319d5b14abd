#!/usr/bin/env bash
# Takes the README's picture of the Information Item window: the window opened
# on a display of its own, "lunch with Bob tomorrow at noon" typed into it, and
# the window's part of the screen saved as docs/entry-window.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build --preset windows --target entry_bench >/dev/null
source "$root/tools/wine-session.sh"
wine_session_start "$root/build/wineprefix" own-display
trap wine_session_stop EXIT
place=$(mktemp)
rm -f "$place"
wine "$root/build/windows/tests/entry_bench.exe" --shot "$(winepath -w "$place")" </dev/null &
program=$!
for _ in $(seq 200); do
  [[ -s "$place" ]] && break
  sleep 0.05
done
sleep 0.5
read -r left top width height <"$place"
mkdir -p "$root/docs"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$root/docs/entry-window.png"
wait "$program" || true
rm -f "$place"
echo "docs/entry-window.png: ${width}x${height}"
