#!/usr/bin/env bash
# check_voice_dlls.sh <objdump> <dll>...
# Every voice exports exactly one name, "Speak" (undecorated), and imports
# only DLLs of Windows itself. "Test (no Speak).dll" exports "Announce".
set -uo pipefail
objdump=$1; shift
allowed='^(kernel32|msvcrt|winmm|user32|advapi32|ole32|oleaut32)\.dll$'
status=0
for dll in "$@"; do
  dump=$("$objdump" -p "$dll") || { echo "FAIL $dll: objdump failed"; status=1; continue; }
  exports=$(awk '/\[Ordinal\/Name Pointer\] Table/ {t=1; next} t && /^\t\[ *[0-9]+\]/ {print $NF; next} t {t=0}' <<<"$dump" | sort | tr '\n' ' ')
  imports=$(sed -n 's/^\tDLL Name: //p' <<<"$dump" | sort -u | tr '\n' ' ')
  want="Speak "
  [[ $(basename "$dll") == "Test (no Speak).dll" ]] && want="Announce "
  ok=1
  if [ "$exports" != "$want" ]; then
    echo "FAIL $(basename "$dll"): exports '$exports', expected '$want'"; ok=0
  fi
  for d in $imports; do
    if ! [[ ${d,,} =~ $allowed ]]; then echo "FAIL $(basename "$dll"): imports $d"; ok=0; fi
  done
  if [ $ok = 1 ]; then echo "ok   $(basename "$dll"): exports ${exports}imports ${imports}"; else status=1; fi
done
exit $status
