#!/usr/bin/env bash
# Installs the Debian packages a task needs when they are missing.
# Usage: tools/deps.sh run|test|bench|fuzz|assets
set -euo pipefail

common=(make cmake ninja-build g++ pkg-config
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        libgcrypt-mingw-w64-dev libgpg-error-mingw-w64-dev libgcrypt20-dev
        googletest wine wine64 fonts-wine xvfb xauth x11-utils imagemagick)
case "${1:-test}" in
  run)   wanted=("${common[@]}" xdotool) ;;
  test)  wanted=("${common[@]}" xdotool python3 python3-pyftpdlib clang-format clang-tidy) ;;
  bench) wanted=(make cmake ninja-build g++ libgcrypt20-dev libbenchmark-dev googletest) ;;
  assets) wanted=(python3 python3-pil) ;;  # tools/make_assets.py, to draw the pictures anew
  fuzz)  wanted=(make cmake ninja-build clang libclang-rt-14-dev libgcrypt20-dev) ;;
  *) echo "usage: $0 run|test|bench|fuzz|assets" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
