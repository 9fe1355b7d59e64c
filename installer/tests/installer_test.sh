#!/usr/bin/env bash
# The installer under Wine, as a user would meet it: a silent install, an
# install over it that keeps the stored settings, the clock started from the
# installed program, and the silent uninstaller ending the running clock and
# leaving nothing of it behind, but everything that is not its own; a clock
# that does not close (the test build refusing WM_CLOSE, as one started as
# administrator does not hear the installer) stops a silent update.
#   installer_test.sh <setup.exe> <dist folder> <orlavox_driver.exe> <dist-test folder>
# WINEPREFIX and DISPLAY come from scripts/test.sh.
set -uo pipefail
setup=$1 dist=$2 driver=$3 dist_test=$4
export WINEDEBUG=-all
# Shortcuts would otherwise become menu entries of the Linux desktop.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"

SETTINGS='HKCU\Software\Brenvik\Orlavox Lite'
BRENVIK='HKCU\Software\Brenvik'
RUN='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
RUN_NT='HKCU\Software\Microsoft\Windows NT\CurrentVersion\Run'
UNINST='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Multilingual Orlavox'
# The test's own sentinels, which the uninstaller must leave alone.
SENTINEL_VALUE='OrlavoxInstallerTestSentinel'
SENTINEL_KEY="$BRENVIK\\InstallerTestSentinel"

failures=0
check() {  # check <what> <command...>
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
regval() {  # regval <key> <value>: prints the data; fails when the value is missing
  local out
  out=$(wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r') || return 1
  awk -F '    ' -v n="$2" '$2 == n { print $4; found = 1 } END { exit !found }' <<<"$out"
}
has_value() { regval "$1" "$2" >/dev/null; }
lacks_value() { ! regval "$1" "$2" >/dev/null; }
has_key() { wine reg query "$1" </dev/null >/dev/null 2>&1; }
lacks_key() { ! has_key "$1"; }
value_is() { [ "$(regval "$1" "$2")" = "$3" ]; }
winenv() { wine cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r'; }
not_running() { ! kill -0 "$1" 2>/dev/null; }
no_clock() { ! wine "$driver" wait 3 </dev/null; }

clock_pid='' other_pid=''
# A drive letter that maps the installation folder, as `subst X: <folder>`
# does (Wine's cmd has no subst; its drive letters are links in dosdevices).
xdrive="${WINEPREFIX:-$HOME/.wine}/dosdevices/x:"
tools_win='C:\Tools'
tools=$(winepath -u "$tools_win" 2>/dev/null)
nt_run_existed=0
has_key "$RUN_NT" && nt_run_existed=1
cleanup() {
  [ -n "$clock_pid" ] && kill "$clock_pid" 2>/dev/null
  [ -n "$other_pid" ] && kill "$other_pid" 2>/dev/null
  [ -n "$tools" ] && rm -rf "$tools"
  wine reg delete "$RUN" /v "$SENTINEL_VALUE" /f </dev/null >/dev/null 2>&1
  wine reg delete "$SENTINEL_KEY" /f </dev/null >/dev/null 2>&1
  [ "$nt_run_existed" = 0 ] && wine reg delete "$RUN_NT" /f </dev/null >/dev/null 2>&1
  rm -f "$xdrive"
  true
}
trap cleanup EXIT

instdir_win="$(winenv LOCALAPPDATA)\\Programs\\Multilingual Orlavox"
instdir=$(winepath -u "$instdir_win" 2>/dev/null)
shortcut=$(winepath -u "$(winenv APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Multilingual Orlavox.lnk" 2>/dev/null)
[ -n "$instdir" ] && [ -n "$shortcut" ] || { echo "FAILED: no user folders in the Wine prefix"; exit 1; }
wine reg delete "$SETTINGS" /v SetAutoStart /f </dev/null >/dev/null 2>&1

shipped=(Orlavox.exe Orlavox.chm info.dat)
for f in "$dist"/voice/*.dll; do shipped+=("voice/${f##*/}"); done
same_files() {
  local f
  for f in "${shipped[@]}"; do cmp -s "$dist/$f" "$instdir/$f" || { echo "  differs or missing: $f"; return 1; }; done
}
size_matches() {  # EstimatedSize (KB) within 5 % of the folder's size
  local est kb
  est=$(( $(regval "$UNINST" EstimatedSize) ))
  kb=$(du -sk --apparent-size "$instdir" | cut -f1)
  echo "  EstimatedSize $est KB, folder $kb KB"
  [ "$est" -gt 0 ] && [ $(( (est - kb) * 100 / kb )) -le 5 ] && [ $(( (kb - est) * 100 / kb )) -le 5 ]
}
# The uninstaller copies itself to the temporary folder, starts the copy and
# returns: wait for the copy to remove the installed-programs entry, its last step.
uninstall() {  # uninstall [installation folder, Windows path]
  wine "${1:-$instdir_win}\\uninstall.exe" /S </dev/null || return 1
  local i
  for i in $(seq 1 60); do lacks_key "$UNINST" && return 0; sleep 1; done
  return 1
}

echo "== a silent install"
check "setup /S exits with 0" wine "$setup" /S
check "the program, its voices, help and info.dat are installed" same_files
check "the uninstaller is installed" test -f "$instdir/uninstall.exe"
check "the Start-menu shortcut exists" test -f "$shortcut"
check "DisplayName" value_is "$UNINST" DisplayName "Multilingual Orlavox"
check "DisplayVersion" value_is "$UNINST" DisplayVersion "2.5"
check "Publisher" value_is "$UNINST" Publisher "Brenvik"
check "DisplayIcon" value_is "$UNINST" DisplayIcon "$instdir_win\\Orlavox.exe"
check "InstallLocation" value_is "$UNINST" InstallLocation "$instdir_win"
check "UninstallString" value_is "$UNINST" UninstallString "\"$instdir_win\\uninstall.exe\""
check "QuietUninstallString" value_is "$UNINST" QuietUninstallString "\"$instdir_win\\uninstall.exe\" /S"
check "NoModify" value_is "$UNINST" NoModify 0x1
check "NoRepair" value_is "$UNINST" NoRepair 0x1
check "EstimatedSize" size_matches
check "no SetAutoStart without /AUTOSTART" lacks_value "$SETTINGS" SetAutoStart

echo "== a clock that does not close stops a silent update"
cp "$dist_test/Orlavox.exe" "$instdir/Orlavox.exe"
ORLAVOX_TEST_REFUSE_CLOSE=1 wine "$instdir_win\\Orlavox.exe" </dev/null >/dev/null 2>&1 &
clock_pid=$!
check "the refusing clock runs" wine "$driver" wait 30
wine "$setup" /S </dev/null
check "setup /S exits with 2" test $? -eq 2
check "the clock still runs" kill -0 "$clock_pid"
check "its program was not replaced" cmp -s "$dist_test/Orlavox.exe" "$instdir/Orlavox.exe"
kill -KILL "$clock_pid" 2>/dev/null
for _ in $(seq 1 20); do not_running "$clock_pid" && break; sleep 0.5; done

echo "== an install over it keeps the settings"
# Settings as the clock stores them, AutoStart (sixth flag) off: the request
# of /AUTOSTART=1 turns it on, and when the uninstaller closes the clock
# below, the clock writes its Run entry.
declare -A stored=(
  [BinSettings]=00000000001 [LNumSettings]=0100012002000005 [SNumSettings]=1507300002
  [WaveFileName]='C:\alarm test.wav' [SelLang]=2 [CurrentVer]=2.5)
for v in "${!stored[@]}"; do
  wine reg add "$SETTINGS" /v "$v" /d "${stored[$v]}" /f </dev/null >/dev/null 2>&1
done
check "setup /S /AUTOSTART=1 exits with 0" wine "$setup" /S /AUTOSTART=1
for v in "${!stored[@]}"; do check "$v kept" value_is "$SETTINGS" "$v" "${stored[$v]}"; done
check "SetAutoStart = 1 from /AUTOSTART=1" value_is "$SETTINGS" SetAutoStart 1
check "the files are still installed" same_files

echo "== the installed clock takes the autostart request, even when ended at once"
autostart_kept() {  # the request still there, or stored as the sixth flag
  value_is "$SETTINGS" SetAutoStart 1 || [ "$(regval "$SETTINGS" BinSettings | cut -c6)" = 1 ]
}
run_value_is() {  # run_value_is <command>: the clock's Run value, in either Run key
  value_is "$RUN" "Orlavox Lite" "$1" || value_is "$RUN_NT" "Orlavox Lite" "$1"
}
runs_installed() { run_value_is "\"$instdir_win\\Orlavox.exe\""; }
wine "$instdir_win\\Orlavox.exe" </dev/null >/dev/null 2>&1 &
clock_pid=$!
check "its main window appears" wine "$driver" wait 30
kill -KILL "$clock_pid" 2>/dev/null
for _ in $(seq 1 20); do not_running "$clock_pid" && break; sleep 0.5; done
check "the clock ended without closing" no_clock
check "the autostart choice is kept" autostart_kept
check "the Run value starts the installed clock" runs_installed

echo "== the installed clock starts"
wine "$instdir_win\\Orlavox.exe" </dev/null >/dev/null 2>&1 &
clock_pid=$!
check "its main window appears" wine "$driver" wait 30

echo "== an update while the clock runs"
check "setup /S over the running clock exits with 0" wine "$setup" /S
check "the clock that ran has ended" not_running "$clock_pid"
check "the clock runs again after the update" wine "$driver" wait 30

echo "== a clock started through another drive letter is this installation's"
ln -sfn "$instdir" "$xdrive"
check "the restarted clock closes" wine "$driver" close 30
start_from_x() {
  wine 'X:\Orlavox.exe' </dev/null >/dev/null 2>&1 &
  clock_pid=$!
  wine "$driver" wait 30
}
check "the clock started as X:\\Orlavox.exe runs" start_from_x
# Closed, the clock (AutoStart on) writes its Run value by the path it was
# started from; a clock that is not closed writes nothing (under Wine the
# clock left running ends all the same once the update replaces its file).
wine reg delete "$RUN" /v "Orlavox Lite" /f </dev/null >/dev/null 2>&1
wine reg delete "$RUN_NT" /v "Orlavox Lite" /f </dev/null >/dev/null 2>&1
check "setup /S over it exits with 0" wine "$setup" /S
check "the update ended the clock started from X:" not_running "$clock_pid"
check "the update closed it: it saved its Run value" run_value_is '"X:\Orlavox.exe"'
check "the clock runs again after that update" wine "$driver" wait 30
check "the restarted clock closes" wine "$driver" close 30
check "the clock started as X:\\Orlavox.exe runs again" start_from_x

echo "== the uninstaller"
wine reg add "$RUN" /v "$SENTINEL_VALUE" /d 'C:\not the clock.exe' /f </dev/null >/dev/null 2>&1
wine reg add "$SENTINEL_KEY" /v Kept /d yes /f </dev/null >/dev/null 2>&1
# The clock's entries as the program writes them: in the second Run key by
# the path it was started from, in the first one (unquoted) by another
# path to the same program.
wine reg add "$RUN_NT" /v "Orlavox Lite" /d '"X:\Orlavox.exe"' /f </dev/null >/dev/null 2>&1
wine reg add "$RUN" /v "Orlavox Lite" /d "$instdir_win\\Orlavox.exe" /f </dev/null >/dev/null 2>&1
check "the uninstaller finishes" uninstall
for _ in $(seq 1 20); do not_running "$clock_pid" && break; sleep 0.5; done
check "the running clock has ended" no_clock
check "the install folder is gone" test ! -e "$instdir"
check "the shortcut is gone" test ! -e "$shortcut"
check "the settings key is gone" lacks_key "$SETTINGS"
check "the Run value is gone" lacks_value "$RUN" "Orlavox Lite"
check "the NT Run value is gone" lacks_value "$RUN_NT" "Orlavox Lite"
check "an unrelated Run value is kept" value_is "$RUN" "$SENTINEL_VALUE" 'C:\not the clock.exe'
check "an unrelated Brenvik subkey is kept" value_is "$SENTINEL_KEY" Kept yes

echo "== an empty Brenvik key goes with the clock"
wine reg delete "$SENTINEL_KEY" /f </dev/null >/dev/null 2>&1
if [ "$(wine reg query "$BRENVIK" </dev/null 2>/dev/null | tr -d '\r' | grep -c .)" -le 1 ]; then
  check "setup /S /AUTOSTART=0 exits with 0" wine "$setup" /S /AUTOSTART=0
  check "SetAutoStart = 0 from /AUTOSTART=0" value_is "$SETTINGS" SetAutoStart 0
  check "the uninstaller finishes" uninstall
  check "the Brenvik key is gone" lacks_key "$BRENVIK"
  check "the install folder is gone" test ! -e "$instdir"
else
  echo "skipped: $BRENVIK holds keys or values of others"
fi

echo "== into a folder of another program, beside a clock started elsewhere"
# C:\Tools holds another program's uninstall.exe and info.dat: the clock goes
# into a folder of its own inside it, and neither file changes.
rm -rf "$tools" && mkdir -p "$tools"
printf 'the uninstaller of another program\n' >"$tools/uninstall.exe"
printf 'the notes of another program\n' >"$tools/info.dat"
ref=$(mktemp -d)
cp "$tools/uninstall.exe" "$tools/info.dat" "$ref/"
theirs_kept() { cmp -s "$ref/uninstall.exe" "$tools/uninstall.exe" && cmp -s "$ref/info.dat" "$tools/info.dat"; }
check "setup /S /D=C:\\Tools exits with 0" wine "$setup" /S "/D=$tools_win"
check "installed into C:\\Tools\\Multilingual Orlavox" cmp -s "$dist/Orlavox.exe" "$tools/Multilingual Orlavox/Orlavox.exe"
check "InstallLocation names the subfolder" value_is "$UNINST" InstallLocation "$tools_win\\Multilingual Orlavox"
check "their uninstall.exe and info.dat are unchanged after the install" theirs_kept
# The log-on entry of a clock elsewhere (quoted, as the program writes it), and that clock running.
wine reg add "$RUN" /v "Orlavox Lite" /d '"C:\Elsewhere\Orlavox.exe"' /f </dev/null >/dev/null 2>&1
wine "$dist/Orlavox.exe" </dev/null >/dev/null 2>&1 &
other_pid=$!
check "the clock from elsewhere runs" wine "$driver" wait 30
check "the uninstaller finishes" uninstall "$tools_win\\Multilingual Orlavox"
check "their uninstall.exe and info.dat are unchanged after the uninstall" theirs_kept
check "the subfolder is gone" test ! -e "$tools/Multilingual Orlavox"
check "a Run value that starts another clock is kept" value_is "$RUN" "Orlavox Lite" '"C:\Elsewhere\Orlavox.exe"'
check "the clock started elsewhere still runs" kill -0 "$other_pid"
kill "$other_pid" 2>/dev/null; other_pid=''
wine reg delete "$RUN" /v "Orlavox Lite" /f </dev/null >/dev/null 2>&1
rm -rf "$tools" "$ref"

echo "$failures failed"
[ "$failures" -eq 0 ]
