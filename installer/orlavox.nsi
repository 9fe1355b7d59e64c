; The installer of Multilingual Orlavox: one user, no administrator.
; Built by installer/CMakeLists.txt once dist/ holds the program:
;   makensis -DVERSION=2.5 -DFILES=<files.nsh> -DOUTFILE=<setup.exe> orlavox.nsi
; files.nsh (made by files.cmake) lists every shipped file for the install and
; for the uninstall, so the uninstaller removes exactly what was installed.
;
; The settings key belongs to the program. The installer only leaves it the
; request "SetAutoStart" ("1" or "0") when the user chose on the autostart page
; (or gave /AUTOSTART=1 or /AUTOSTART=0): the program takes it as its AutoStart
; switch at its next start and keeps the Run entry itself.

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

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
Page custom AutoStartPage AutoStartPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start the clock now"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; CloseClock / un.CloseClock: ends every running clock. Each window of the
; clock's class gets WM_CLOSE (the clock saves its settings and exits); a
; process still running after five seconds is ended. Gives up after a few
; rounds so that a window it cannot end does not hold the setup forever.
!macro CLOSE_CLOCK_FUNCTION prefix
Function ${prefix}CloseClock
  Push $0
  Push $1
  Push $2
  Push $3
  StrCpy $3 0
  ${Do}
    FindWindow $0 "${CLOCK_CLASS}"
    ${If} $0 = 0
    ${OrIf} $3 >= 5
      ${Break}
    ${EndIf}
    IntOp $3 $3 + 1
    DetailPrint "Closing the running clock"
    StrCpy $1 0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
    ; SYNCHRONIZE | PROCESS_TERMINATE
    System::Call 'kernel32::OpenProcess(i 0x00100001, i 0, i r1) p .r2'
    System::Call 'user32::PostMessage(p r0, i ${WM_CLOSE}, p 0, p 0) i'
    ${If} $2 <> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 5000) i .r1'
      ${If} $1 <> 0 ; not WAIT_OBJECT_0: it is still running
        DetailPrint "The clock did not close: ending it"
        System::Call 'kernel32::TerminateProcess(p r2, i 1) i'
        System::Call 'kernel32::WaitForSingleObject(p r2, i 5000) i'
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r2) i'
    ${Else}
      ; No handle on the process: wait for the window to go.
      StrCpy $1 0
      ${DoWhile} $1 < 50
        System::Call 'user32::IsWindow(p r0) i .r2'
        ${IfThen} $2 = 0 ${|} ${Break} ${|}
        Sleep 100
        IntOp $1 $1 + 1
      ${Loop}
    ${EndIf}
  ${Loop}
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_CLOCK_FUNCTION ""
!insertmacro CLOSE_CLOCK_FUNCTION "un."

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
SectionEnd

Section "Uninstall"
  ; First the clock: closing, it saves its settings and its Run entry.
  ; Then its program file, as soon as nothing holds it any more (a clock
  ; window that turns up meanwhile is closed too): a few seconds at most.
  Call un.CloseClock
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
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegValue HKCU "${RUN_KEY_NT}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd
