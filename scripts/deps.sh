#!/usr/bin/env bash
# Installs what building, running and testing the clock needs on Debian 12.
# Quick when everything is already there: only missing packages are fetched.
set -euo pipefail

PKGS=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32 wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick
  espeak-ng sox fp-utils p7zip-full nsis
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi
for p in "${PKGS[@]}"; do
  # wine32 is an i386 package; ask dpkg for it with its architecture.
  q=$p; [ "$p" = wine32 ] && q=wine32:i386
  if ! dpkg-query -W -f='${Status}' "$q" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
