#!/usr/bin/env bash
# check-imports.sh <objdump> <program.exe>...: each program imports at load
# time only known DLLs, which Windows takes from the system folder whatever
# lies beside the program; the loader would look for any other one in the
# program's folder first, before WinMain runs. comctl32 is no known DLL.
set -u
objdump=$1; shift
known=' advapi32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll '
failed=0
for exe; do
  names=$("$objdump" -p "$exe" | awk '/^\tDLL Name:/ { print tolower($3) }')
  [ -n "$names" ] || { echo "FAILED: no imports read from $exe"; failed=1; }
  for n in $names; do
    case "$known" in *" $n "*) ;; *) echo "FAILED: $exe imports $n at load time"; failed=1 ;; esac
  done
done
[ "$failed" = 0 ] && echo "only known DLLs imported at load time"
exit "$failed"
