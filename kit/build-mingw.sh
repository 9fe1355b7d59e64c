#!/bin/sh
# Builds "Example (tones).dll" with MinGW-w64, 32-bit.
#   On Linux:            sh build-mingw.sh   (i686-w64-mingw32-gcc)
#   In MSYS2's MINGW32:  CC=gcc sh build-mingw.sh
# -static-libgcc keeps the DLL free of MinGW's runtime DLLs; -s strips it.
set -e
cd "$(dirname "$0")"
${CC:-i686-w64-mingw32-gcc} -shared -O2 -s -Wall -static-libgcc \
  -Wl,--enable-stdcall-fixup \
  -o "Example (tones).dll" example_voice.c example_voice.def -lwinmm
echo "built Example (tones).dll"
