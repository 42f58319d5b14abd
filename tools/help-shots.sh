#!/usr/bin/env bash
# Takes the help pages' pictures of our own windows from the gallery of every
# window (tools/shots.sh): the Information Item window with "lunch with Bob
# tomorrow at noon" read as an appointment, and the open bar, kept as PNG files
# under assets/help/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build --preset windows --target gallery >/dev/null
"$root/tools/shots.sh" >/dev/null
shots="$root/build/shots/96"
convert "$shots/entry-appointment.png" -strip "$root/assets/help/entry-window.png"
convert "$shots/bar-open.png" -strip "$root/assets/help/bar.png"
echo "assets/help/entry-window.png, assets/help/bar.png taken from the gallery"
