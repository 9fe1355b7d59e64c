; The installer of Multilingual Orlavox: one user, no administrator.
; Built by installer/CMakeLists.txt once dist/ holds the program:
;   makensis -DVERSION=2.5 -DFILES=<files.nsh> -DOUTFILE=<setup.exe> orlavox.nsi
; files.nsh (made by files.cmake) lists every shipped file for the install and
; for the uninstall, so the uninstaller removes exactly what was installed.
;
; The settings key belongs to the program. The installer only leaves it the
; request "SetAutoStart" ("1" or "0") when the user chose on the autostart page
; (or gave /AUTOSTART=1 or /AUTOSTART=0): the program takes it as its AutoStart
; switch at its next start, sets the Run entry at once, and removes the
; request once it has saved the switch.

!ifndef VERSION | FILES | OUTFILE
  !error "define VERSION, FILES and OUTFILE"
!endif

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include "${FILES}"

!define PRODUCT "Multilingual Orlavox"
!define PUBLISHER "Brenvik"
!define EXE "Orlavox.exe"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define SETTINGS_KEY "Software\Brenvik\Orlavox Lite"
!define BRENVIK_KEY "Software\Brenvik"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_KEY_NT "Software\Microsoft\Windows NT\CurrentVersion\Run"
!define RUN_VALUE "Orlavox Lite"
!define CLOCK_CLASS "OrlavoxMainForm"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

Var AutoStartChoice ; "" = leave the clock's setting alone, else "1" or "0"
Var AutoStartBox
Var ClockWasRunning ; "1" once CloseClock has ended a clock of this installation

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
Page custom AutoStartPage AutoStartPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartClock
!define MUI_FINISHPAGE_RUN_TEXT "Start the clock now"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; SameFile / un.SameFile: whether two paths name one file, "1" or "0" on
; the stack (push the first path, then the second). A path through a subst
; drive, a junction or a short name differs as text from the folder's own
; path: the file's volume serial number and file index decide.
!macro SAME_FILE_FUNCTION prefix
Function ${prefix}FileId ; path -> "serial:index high:index low", or "" when it cannot be opened
  Exch $0
  Push $1
  Push $2
  Push $3
  Push $4
  ; FILE_READ_ATTRIBUTES, any sharing, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS
  System::Call 'kernel32::CreateFileW(w r0, i 0x80, i 7, p 0, i 3, i 0x02000000, p 0) i .r1'
  StrCpy $0 ""
  ${If} $1 <> -1
    System::Alloc 52 ; BY_HANDLE_FILE_INFORMATION
    Pop $2
    System::Call 'kernel32::GetFileInformationByHandle(i r1, p r2) i .r3'
    ${If} $3 <> 0
      System::Call '*$2(i, i, i, i, i, i, i, i .r3, i, i, i, i .r4, i .r0)'
      StrCpy $0 "$3:$4:$0"
    ${EndIf}
    System::Free $2
    System::Call 'kernel32::CloseHandle(i r1) i'
  ${EndIf}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

Function ${prefix}SameFile
  Exch $1 ; the second path
  Exch
  Exch $0 ; the first path
  ${If} $0 == $1 ; the same text (any case): the same file
    StrCpy $0 1
  ${Else}
    Push $0
    Call ${prefix}FileId
    Pop $0
    Push $1
    Call ${prefix}FileId
    Pop $1
    ${If} $0 != ""
    ${AndIf} $0 == $1
      StrCpy $0 1
    ${Else}
      StrCpy $0 0
    ${EndIf}
  ${EndIf}
  Exch $0
  Exch
  Pop $1
FunctionEnd
!macroend
!insertmacro SAME_FILE_FUNCTION ""
!insertmacro SAME_FILE_FUNCTION "un."

; CloseClock / un.CloseClock: ends the clock running from this installation's
; folder (by whatever path it was started: SameFile); a clock started from
; another folder is left alone. Its window gets
; WM_CLOSE: the clock saves its settings and exits, after up to ten seconds
; for a voice that does not return. The process is opened only to be told
; and waited for (SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION), which a
; clock started as administrator grants this installer too; such a clock
; does not get the message of a program with fewer rights, nor could it be
; ended. A clock still running fifteen seconds after the WM_CLOSE makes the
; user close it and retry, or cancel the setup (exit code 2; /S cancels at
; once). Sets $ClockWasRunning to 1 when it closed one.
!macro CLOSE_CLOCK_FUNCTION prefix
Function ${prefix}CloseClock
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $0 0 ; the window after which the search goes on
  StrCpy $3 0
  ${Do}
    System::Call 'user32::FindWindowExW(p 0, p r0, w "${CLOCK_CLASS}", p 0) p .r0'
    ${If} $0 = 0
    ${OrIf} $3 >= 5
      ${Break}
    ${EndIf}
    StrCpy $1 0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
    ; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION
    System::Call 'kernel32::OpenProcess(i 0x00101000, i 0, i r1) p .r2'
    ${If} $2 = 0
      ${Continue} ; where it was started from cannot be told: not ours to end
    ${EndIf}
    StrCpy $4 ""
    System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r4, *i ${NSIS_MAX_STRLEN}) i .r1'
    ${If} $1 <> 0
      Push $4
      Push "$INSTDIR\${EXE}"
      Call ${prefix}SameFile
      Pop $1
    ${EndIf}
    ${If} $1 != 1
      System::Call 'kernel32::CloseHandle(p r2) i'
      ${Continue}
    ${EndIf}
    IntOp $3 $3 + 1
    StrCpy $ClockWasRunning 1
    DetailPrint "Closing the running clock"
    System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0) i'
    System::Call 'kernel32::WaitForSingleObject(p r2, i 15000) i .r1'
    System::Call 'kernel32::CloseHandle(p r2) i'
    ${If} $1 <> 0 ; not WAIT_OBJECT_0: it is still running
      DetailPrint "The clock did not close"
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running and did not close.$\r$\n$\r$\nClose the clock (right-click its icon in the notification area, then Exit) and choose Retry." /SD IDCANCEL IDRETRY +3
      SetErrorLevel 2
      Quit
      StrCpy $3 0
    ${EndIf}
    StrCpy $0 0 ; the windows have changed: search from the start again
  ${Loop}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_CLOCK_FUNCTION ""
!insertmacro CLOSE_CLOCK_FUNCTION "un."

; A folder that holds files but no installation of the clock belongs to
; someone else (C:\Tools, another program's folder): the clock goes into a
; "Multilingual Orlavox" folder inside it instead, and nothing of the other
; program (its uninstall.exe, its info.dat) is overwritten. The clock's own
; folder is the one the installed-programs entry names, or one holding the
; program without an uninstaller.
Function ChooseInstallFolder
  Push $0
  Push $1
  ReadRegStr $0 HKCU "${UNINST_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Goto done
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\${EXE}"
  ${AndIfNot} ${FileExists} "$INSTDIR\${UNINSTALLER}"
    Goto done
  ${EndIf}
  ClearErrors
  FindFirst $0 $1 "$INSTDIR\*.*"
  ${DoWhile} $1 != ""
    ${If} $1 != "."
    ${AndIf} $1 != ".."
      StrCpy $INSTDIR "$INSTDIR\${PRODUCT}"
      ${Break}
    ${EndIf}
    FindNext $0 $1
  ${Loop}
  FindClose $0
done:
  Pop $1
  Pop $0
FunctionEnd

; The finish page's "Start the clock now", unless the update has started it again already.
Function StartClock
  ${If} $ClockWasRunning != 1
    Exec '"$INSTDIR\${EXE}"'
  ${EndIf}
FunctionEnd

; un.RunValueStartsUs: whether the log-on entry under the key on the stack
; starts this installation's clock ("1" or "0" on the stack), written with
; quotation marks or without, by any path to its program (SameFile). Asked
; while the program is still there to compare with.
Function un.RunValueStartsUs
  Exch $0
  Push $1
  ClearErrors
  ReadRegStr $0 HKCU $0 "${RUN_VALUE}"
  ${If} ${Errors}
    StrCpy $0 0
  ${Else}
    StrCpy $1 $0 1
    ${If} $1 == '"'
      StrCpy $0 $0 "" 1
      StrCpy $1 $0 1 -1
      ${If} $1 == '"'
        StrCpy $0 $0 -1
      ${EndIf}
    ${EndIf}
    Push $0
    Push "$INSTDIR\${EXE}"
    Call un.SameFile
    Pop $0
  ${EndIf}
  Pop $1
  Exch $0
FunctionEnd

Function .onInit
  ; /AUTOSTART=1 or /AUTOSTART=0 chooses without the page (with /S the only way).
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART=" $1
  ${IfNot} ${Errors}
    ${If} $1 == "1"
      StrCpy $AutoStartChoice "1"
    ${Else}
      StrCpy $AutoStartChoice "0"
    ${EndIf}
  ${EndIf}
FunctionEnd

; The clock's current AutoStart switch as "1" or "0" on the stack: a request
; not yet taken, else the sixth flag of its stored settings, else off.
Function CurrentAutoStart
  Push $0
  ClearErrors
  ReadRegStr $0 HKCU "${SETTINGS_KEY}" "SetAutoStart"
  ${If} ${Errors}
    ReadRegStr $0 HKCU "${SETTINGS_KEY}" "BinSettings"
    StrCpy $0 $0 1 5
  ${EndIf}
  ${If} $0 != "1"
    StrCpy $0 "0"
  ${EndIf}
  Exch $0
FunctionEnd

Function AutoStartPage
  !insertmacro MUI_HEADER_TEXT "Start with Windows" "Choose whether the clock starts when you log on."
  nsDialogs::Create 1018
  Pop $0
  ${If} $0 == error
    Abort
  ${EndIf}
  ${NSD_CreateLabel} 0 0 100% 24u "The clock can start by itself each time you log on to Windows. You can change this later in the clock's settings."
  Pop $0
  ${NSD_CreateCheckbox} 0 32u 100% 12u "&Start the clock with Windows"
  Pop $AutoStartBox
  ${If} $AutoStartChoice == ""
    Call CurrentAutoStart
    Pop $0
  ${Else}
    StrCpy $0 $AutoStartChoice
  ${EndIf}
  ${If} $0 == "1"
    ${NSD_Check} $AutoStartBox
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function AutoStartPageLeave
  ${NSD_GetState} $AutoStartBox $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $AutoStartChoice "1"
  ${Else}
    StrCpy $AutoStartChoice "0"
  ${EndIf}
FunctionEnd

Section "-Clock"
  Call ChooseInstallFolder
  Call CloseClock
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  SetOutPath "$INSTDIR" ; the shortcut's working folder
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 SW_SHOWNORMAL "" "${PRODUCT}"

  ${GetSize} "$INSTDIR" "/S=0K /G=1" $0 $1 $2
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1

  ${If} $AutoStartChoice != ""
    WriteRegStr HKCU "${SETTINGS_KEY}" "SetAutoStart" $AutoStartChoice
  ${EndIf}

  ; The clock that was running before the update runs again.
  ${If} $ClockWasRunning == 1
    Exec '"$INSTDIR\${EXE}"'
  ${EndIf}
SectionEnd

Section "Uninstall"
  ; First this installation's clock: closing, it saves its settings and its Run entry,
  ; which goes below when it starts this installation.
  ; Then its program file, as soon as nothing holds it any more (a clock
  ; window that turns up meanwhile is closed too): a few seconds at most.
  Call un.CloseClock
  Push "${RUN_KEY}"
  Call un.RunValueStartsUs
  Pop $R0
  Push "${RUN_KEY_NT}"
  Call un.RunValueStartsUs
  Pop $R1
  StrCpy $0 0
  ${Do}
    Delete "$INSTDIR\${EXE}"
    ${IfNot} ${FileExists} "$INSTDIR\${EXE}"
    ${OrIf} $0 >= 20
      ${Break}
    ${EndIf}
    Sleep 250
    Call un.CloseClock
    IntOp $0 $0 + 1
  ${Loop}

  !insertmacro RemoveFiles
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"

  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifnosubkeys /ifnovalues HKCU "${BRENVIK_KEY}"
  ${If} $R0 == 1
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ${If} $R1 == 1
    DeleteRegValue HKCU "${RUN_KEY_NT}" "${RUN_VALUE}"
  ${EndIf}
  DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd
