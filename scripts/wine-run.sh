#!/usr/bin/env bash
# Runs a Windows test program under Wine for ctest (the cross build's emulator).
# WINEPREFIX and DISPLAY come from the test script.
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
