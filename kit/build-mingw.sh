#!/bin/sh
# Builds "Example (tones).dll" with MinGW-w64, 32-bit.
#   On Linux:            sh build-mingw.sh   (i686-w64-mingw32-gcc and -windres)
#   In MSYS2's MINGW32:  CC=gcc WINDRES=windres sh build-mingw.sh
# windres compiles the clips (example_voice.rc) into the DLL; -static-libgcc
# keeps the DLL free of MinGW's runtime DLLs; -s strips it.
set -e
cd "$(dirname "$0")"
${WINDRES:-i686-w64-mingw32-windres} example_voice.rc -O coff -o example_voice.res.o
${CC:-i686-w64-mingw32-gcc} -shared -O2 -s -Wall -static-libgcc \
  -Wl,--enable-stdcall-fixup \
  -o "Example (tones).dll" example_voice.c example_voice.def example_voice.res.o -lwinmm
rm -f example_voice.res.o
echo "built Example (tones).dll"
