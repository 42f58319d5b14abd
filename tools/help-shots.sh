#!/usr/bin/env bash
# Takes the help pages' pictures of our own windows: the Information Item
# window with a parsed subject (tools/entry-shot.sh) and the open bar, each on
# a display of its own, kept as PNG files under assets/help/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/entry-shot.sh"
convert "$root/docs/entry-window.png" -strip "$root/assets/help/entry-window.png"

cmake --build --preset windows --target Quorvel outlook_standin >/dev/null
source "$root/tools/wine-session.sh"
wine_session_start "$root/build/wineprefix" own-display
trap wine_session_stop EXIT
wine_register_outlook "$root/build/windows"
# A bar that stays open and asks for no update while it is taken.
settings='HKCU\Software\QV\Quorvel'
wine reg delete "$settings" /f </dev/null >/dev/null 2>&1 || true
wine reg add "$settings" /v LASTUPDATE /d 1/1/2030 /f </dev/null >/dev/null 2>&1
wine reg add "$settings" /v MINIMIZETIME /d 600 /f </dev/null >/dev/null 2>&1
wine "$root/build/windows/app/Quorvel.exe" </dev/null >/dev/null 2>&1 &
program=$!
for _ in $(seq 200); do
  xdotool search --name '^QV$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 3
read -r left top width height < <(xdotool search --name '^QV$' getwindowgeometry --shell | awk -F= \
  '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}')
xdotool mousemove 2 $((top + 150)) click 1
sleep 2
import -window root -crop "40x$((height + 8))+0+$((top - 4))" +repage -strip "$root/assets/help/bar.png"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
echo "assets/help/entry-window.png, assets/help/bar.png taken"
