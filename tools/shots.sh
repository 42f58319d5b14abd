#!/usr/bin/env bash
# Takes the picture of every look of every window (tests/gallery's scenes) at
# 96 and 144 DPI, each in a Wine session and prefix of its own, both at once:
# PNG files under build/shots/96 and build/shots/144, and build/shots/index.html
# showing each look at both sizes side by side, grouped as the scenes are.
#   tools/shots.sh [--docs]   --docs also copies the README's pictures into docs/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/windows"
shots="$root/build/shots"
gallery="$build/app/gallery.exe"
[[ -f "$gallery" ]] || { echo "build the gallery first: cmake --build --preset windows --target gallery" >&2; exit 1; }

# One session: the prefix told its DPI before its server starts for good, the
# stand-in Outlook registered, the gallery run, its bitmaps made PNG files.
take() {
  local dpi=$1 out="$shots/$1"
  source "$root/tools/wine-session.sh"
  mkdir -p "$root/build/shots-$dpi"  # a server is refused a prefix folder that is not there
  wine_session_start "$root/build/shots-$dpi" own-display
  trap wine_session_stop EXIT
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1
  wine_register_outlook "$build"
  rm -rf "$out" && mkdir -p "$out/bmp"
  local status=0
  wine "$gallery" "$(winepath -w "$out/bmp")" </dev/null >"$out/gallery.log" 2>&1 || status=$?
  for bmp in "$out"/bmp/*.bmp; do
    [[ -e "$bmp" ]] && convert "$bmp" -strip "$out/$(basename "${bmp%.bmp}").png"
  done
  mv "$out/bmp/looks.txt" "$out/looks.txt" 2>/dev/null || true
  rm -rf "$out/bmp"
  return $status
}

# The index: a section per group, a row per look, its two pictures side by side.
write_index() {
  local looks="$shots/96/looks.txt"
  [[ -s "$looks" ]] || looks="$shots/144/looks.txt"
  awk -F'\t' '
    function esc(s) { gsub(/&/, "\\&amp;", s); gsub(/</, "\\&lt;", s); gsub(/>/, "\\&gt;", s); return s }
    BEGIN {
      print "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Quorvel: every window</title>"
      print "<style>body{font-family:sans-serif;margin:1em 2em}td{vertical-align:top;padding:6px 18px 18px 0}"
      print "h2{border-bottom:1px solid #999}p{margin:4px 0}</style></head><body><h1>Quorvel: every window at 96 and 144 DPI</h1>"
    }
    seen[$1]++ { next }
    $3 != group {
      if (group != "") print "</table>"
      group = $3
      print "<h2>" esc(group) "</h2><table>"
    }
    {
      print "<tr><td colspan=2><p><b>" esc($2) "</b> <small>(" esc($1) ")</small></p></td></tr>"
      print "<tr><td><img src=\"96/" $1 ".png\" alt=\"96 DPI\"></td><td><img src=\"144/" $1 ".png\" alt=\"144 DPI\"></td></tr>"
    }
    END { if (group != "") print "</table>"; print "</body></html>" }
  ' "$looks" >"$shots/index.html"
}

start=$(date +%s)
mkdir -p "$shots"
take 96 &
at96=$!
take 144 &
at144=$!
status=0
wait $at96 || status=1
wait $at144 || status=1
write_index
echo "shots: $(ls "$shots"/96/*.png 2>/dev/null | wc -l) at 96 DPI, $(ls "$shots"/144/*.png 2>/dev/null | wc -l) at 144 DPI in $(($(date +%s) - start)) s: $shots/index.html"
[[ $status -eq 0 ]] || echo "a gallery reported failures: see $shots/96/gallery.log and $shots/144/gallery.log" >&2

if [[ "${1:-}" == --docs ]]; then
  mkdir -p "$root/docs"
  for name in entry-appointment:entry-window bar-open:bar-open prefs-keywords:preferences-window; do
    cp "$shots/96/${name%%:*}.png" "$root/docs/${name##*:}.png"
  done
fi
exit $status
