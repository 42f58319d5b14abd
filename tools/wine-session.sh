# Sourced by the run and test scripts: a private Wine prefix with a pinned
# locale, a virtual display when there is none (or always, for tests), and a
# Wine server kept alive for the session and stopped after it.
#
#   wine_session_start PREFIX [own-display]
#   wine_register_outlook BUILD
#   wine_session_stop

export WINEDEBUG=-all
# A UTF-8 locale every Debian has, so that Wine can make file names beyond
# ASCII; Wine takes English (United States) as its user locale from it (code
# page 1252, dates M/d/yyyy), as the tests expect.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;mapi32=n,b"

QRV_XVFB_PID=""

start_xvfb() {
  local out
  out=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$out" 2>/dev/null </dev/null &
  QRV_XVFB_PID=$!
  for _ in $(seq 100); do
    [[ -s "$out" ]] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$out")"
  rm -f "$out"
}

# Wine's own Tahoma, MS Sans Serif and the rest (Debian's fonts-wine) are
# found only in the prefix's Fonts folder: without them every window falls back
# to a wider font and texts that fit on Windows are cut off.
install_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [[ -d /usr/share/wine/fonts && -d "$fonts" ]] || return 0
  cp -u /usr/share/wine/fonts/* "$fonts/"
}

wine_session_start() {
  export WINEPREFIX="$1"
  if [[ "${2:-}" == own-display || -z "${DISPLAY:-}" ]]; then
    start_xvfb
    QRV_OWN_DISPLAY=1
  fi
  mkdir -p "$(dirname "$WINEPREFIX")"
  [[ -f "$WINEPREFIX/system.reg" ]] || echo "Preparing the Wine prefix $WINEPREFIX (once)..."
  # Keep the server alive and start Wine's own services now, with stdio on
  # /dev/null: started later by a test, they would inherit ctest's output pipe
  # and ctest would wait for them forever.
  wineserver -p </dev/null >/dev/null 2>&1
  wineboot -u </dev/null >/dev/null 2>&1
  install_wine_fonts
  # On a display of our own there is no window manager: windows Wine would hand
  # to one make every hide wait two seconds for an answer that never comes.
  if [[ -n "${QRV_OWN_DISPLAY:-}" ]]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  fi
}

# Registers the stand-in Outlook built under BUILD (test and demo
# infrastructure) as a local server in the session's prefix, when it has been
# built.
wine_register_outlook() {
  local server="$1/standins/outlook_standin.exe"
  [[ -f "$server" ]] || return 0
  wine "$server" /RegServer </dev/null >/dev/null 2>&1
}

wine_session_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [[ -n "$QRV_XVFB_PID" ]]; then
    kill "$QRV_XVFB_PID" 2>/dev/null || true
    wait "$QRV_XVFB_PID" 2>/dev/null || true
  fi
}
