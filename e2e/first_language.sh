#!/usr/bin/env bash
# first_language.sh <dist-test dir> <orlavox_driver.exe> <scratch dir>
# A first run of the clock as a user in Germany, the US and Japan and, with stored
# settings, again in Germany: the voice and the hour format it chooses, read
# back from the registry after the clock has closed. Wine takes the user's
# language from the environment it starts with, so each run starts from here.
set -uo pipefail
dist=$1 driver=$2 dir=$3/first-language
key='HKCU\Software\Brenvik\Orlavox Lite'
mkdir -p "$dir/voice"
cp "$dist/Orlavox.exe" "$dir/"
for v in "Dutch (male)" "English (female)" "German (female)"; do cp "$dist/voice/$v.dll" "$dir/voice/"; done
value() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n {print $3}'; }
status=0
run() {  # run <LANG> <stored: yes|no> <expected SelLang> <expected third flag (24-hour), or ->
  local lang=$1 stored=$2 voice=$3 hour24=$4
  wine reg delete 'HKCU\Software\Brenvik' /f >/dev/null 2>&1
  if [ "$stored" = yes ]; then
    wine reg add "$key" /v BinSettings /d 00000000000 /f >/dev/null 2>&1
    wine reg add "$key" /v LNumSettings /d 0312034201000000 /f >/dev/null 2>&1
    wine reg add "$key" /v SNumSettings /d 6000000000 /f >/dev/null 2>&1
    wine reg add "$key" /v CurrentVer /d 2.5 /f >/dev/null 2>&1
    wine reg add "$key" /v SelLang /d 1 /f >/dev/null 2>&1
  fi
  LANG=$lang LC_ALL=$lang wine "$dir/Orlavox.exe" &
  local pid=$!
  # Every Wine program started meanwhile must speak the same language, or it
  # brings the regional settings back to its own.
  LANG=$lang LC_ALL=$lang wine "$driver" wait 20 >/dev/null 2>&1 || true
  LANG=$lang LC_ALL=$lang wine "$driver" close 20 >/dev/null 2>&1  # a first run's welcome notice is open: the close ends it too
  wait "$pid"
  local got flags
  got=$(value SelLang); flags=$(value BinSettings)
  local want24=${hour24/-/${flags:2:1}}
  if [ "$got" = "$voice" ] && [ "${flags:2:1}" = "$want24" ]; then
    echo "ok   $lang, settings stored: $stored -> SelLang $got, BinSettings $flags"
  else
    echo "FAIL $lang, settings stored: $stored -> SelLang '$got' (want $voice), BinSettings '$flags' (24-hour flag want $hour24)"
    status=1
  fi
}
run de_DE.UTF-8 no 2 1   # German (female), and Germany's 24-hour clock
run en_US.UTF-8 no 1 0   # English (female), and the 12-hour clock of the US
run ja_JP.UTF-8 no 0 -   # no Japanese voice: the first one
run de_DE.UTF-8 yes 1 0  # what was stored stands
wine reg delete 'HKCU\Software\Brenvik' /f >/dev/null 2>&1
wine reg query 'HKCU\Control Panel\International' /v sTimeFormat >/dev/null 2>&1  # back to the test run's language
exit $status
