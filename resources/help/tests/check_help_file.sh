#!/usr/bin/env bash
# check_help_file.sh <7z> <Orlavox.chm>
# Reads the compiled help file as HTML Help does: #IVB (a length in bytes,
# then pairs of context number and offset into #STRINGS) must map the
# context numbers the program asks for to topics stored in the file, and the
# default topic named in #SYSTEM (record 2) must be stored in the file too.
set -uo pipefail
sevenzip=$1 chm=$2
contexts=(10 20 30 40 999)  # Settings, Alarm settings, More options, Alarms, IDH_999 of the upgrade notice

dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
if ! "$sevenzip" x -y -o"$dir" "$chm" >/dev/null; then
  echo "FAIL $chm: 7z could not extract it"; exit 1
fi

u32() { od -An -tu4 --endian=little -j "$2" -N4 "$1" | tr -d ' \n'; }
u16() { od -An -tu2 --endian=little -j "$2" -N2 "$1" | tr -d ' \n'; }
cstr() { tail -c +$(($2 + 1)) "$1" | tr '\0' '\n' | head -n 1; }
# A topic as HTML Help looks it up: a path inside the file, "/" optional.
stored() { [ -n "$1" ] && [ -f "$dir/${1#/}" ]; }

status=0
ivb=$dir/'#IVB' strings=$dir/'#STRINGS' system=$dir/'#SYSTEM'
for f in "$ivb" "$strings" "$system"; do
  [ -f "$f" ] || { echo "FAIL $(basename "$f") is missing"; exit 1; }
done

size=$(u32 "$ivb" 0)
if [ $((size + 4)) -ne "$(stat -c %s "$ivb")" ] || [ $((size % 8)) -ne 0 ]; then
  echo "FAIL #IVB: length field $size does not fit the stream"; exit 1
fi
declare -A target
for ((at = 4; at < size + 4; at += 8)); do
  target[$(u32 "$ivb" $at)]=$(cstr "$strings" "$(u32 "$ivb" $((at + 4)))")
done
for c in "${contexts[@]}"; do
  if [ -z "${target[$c]+set}" ]; then
    echo "FAIL context $c: not in #IVB"; status=1
  elif stored "${target[$c]}"; then
    echo "ok   context $c -> ${target[$c]}"
  else
    echo "FAIL context $c -> '${target[$c]}', which is not a topic in the file"; status=1
  fi
done

# The alert's topic tells of the snooze and of the late alarm.
for words in 'Snooze' 'minutes late'; do
  if grep -q "$words" "$dir/alarm_alert.htm"; then
    echo "ok   alarm_alert.htm tells of '$words'"
  else
    echo "FAIL alarm_alert.htm does not tell of '$words'"; status=1
  fi
done

# #SYSTEM: a version, then records of a 16-bit code, a 16-bit length and data.
default=
end=$(stat -c %s "$system")
for ((at = 4; at + 4 <= end; at += 4 + len)); do
  code=$(u16 "$system" $at) len=$(u16 "$system" $((at + 2)))
  if [ "$code" = 2 ]; then default=$(cstr "$system" $((at + 4))); break; fi
done
if stored "$default"; then
  echo "ok   default topic -> $default"
else
  echo "FAIL default topic '$default' is not a topic in the file"; status=1
fi
exit $status
