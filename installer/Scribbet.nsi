; Scribbet Setup: Scribbet.ocx into the system directory, registered there
; (where every event source the control registers points the event viewer);
; Wayfinch.exe and help.htm into a program folder with Start-menu entries;
; an uninstaller. installer/make-setup builds it once per target.
;
; Command line: /S (silent), /SOURCES=NAME;NAME... (event sources to
; register, up to the next switch or quoted, see sources.nsh), /D=FOLDER
; (last).
;
; Defines: VERSION (1.5.0), ARCH (x86 or x64), BIN_DIR (the build's bin
; folder), OUTFILE; SIGN_UNINSTALLER, a command that signs the uninstaller
; named after it before it is packed (a release sets it).
Unicode true
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include x64.nsh
!include WordFunc.nsh

!include target.nsh
!include names.nsh
!include checks.nsh
!include registration.nsh
!include removal.nsh
!include sources.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!ifdef SIGN_UNINSTALLER
  !uninstfinalize '${SIGN_UNINSTALLER} "%1"' = 0
!endif
InstallDir "${PROGRAM_FILES}\Scribbet"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "Scribbet"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "${PRODUCT} Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "${PUBLISHER}"

Page directory SkipFolderOnReinstall
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var previousVersion

Function .onInit
  !insertmacro UseTargetSystem
  !insertmacro RequireAdministrator
  ReadRegStr $previousVersion HKLM "${UNINSTALL_KEY}" "DisplayVersion"
  !insertmacro RefuseNewerInstalled $previousVersion
  !insertmacro CheckEventSources
  ; Repair and upgrade go where the installation already is: one copy only.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function SkipFolderOnReinstall
  ${If} $previousVersion != ""
    Abort
  ${EndIf}
FunctionEnd

Section "Scribbet"
  SectionIn RO
  ; Everything that could stop us is checked before anything changes.
  !insertmacro RefuseFileInUse "$SYSDIR\${CONTROL_FILE}"
  !insertmacro RefuseFileInUse "$INSTDIR\Wayfinch.exe"
  !insertmacro RefuseFileInUse "$INSTDIR\help.htm"
  !insertmacro RefuseFileInUse "$INSTDIR\${UNINSTALLER}"

  ; An upgrade or a repair that fails must leave the installation it found
  ; working: its files are kept until this run has succeeded.
  ${If} $previousVersion != ""
    !insertmacro KeepPreviousFiles
    ${If} ${Errors}
      MessageBox MB_OK|MB_ICONSTOP "Setup could not keep a copy of the installed Scribbet to \
        return to should the installation fail. Nothing was changed." /SD IDOK
      SetErrorLevel ${EXIT_FAILED}
      Abort
    ${EndIf}
  ${EndIf}

  ; The old build's registration goes with its file; the new one writes its own.
  ${If} ${FileExists} "$SYSDIR\${CONTROL_FILE}"
    !insertmacro UnregisterControl
  ${EndIf}

  ; "try": a file that cannot be written sets the error flag instead of
  ; asking, which a silent setup could not answer.
  ClearErrors
  SetOverwrite try
  SetOutPath "$SYSDIR"
  File "${BIN_DIR}\${CONTROL_FILE}"
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}\Wayfinch.exe"
  File "${BIN_DIR}\help.htm"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ${If} ${Errors}
    Call RollBack
    MessageBox MB_OK|MB_ICONSTOP "Setup could not write its files into $SYSDIR and $INSTDIR. \
      $R0" /SD IDOK
    SetErrorLevel ${EXIT_FAILED}
    Abort
  ${EndIf}

  !insertmacro RegisterControl
  ${If} ${Errors}
    Call RollBack
    MessageBox MB_OK|MB_ICONSTOP "${CONTROL_FILE} could not be registered. \
      $R0" /SD IDOK
    SetErrorLevel ${EXIT_FAILED}
    Abort
  ${EndIf}

  !insertmacro RegisterEventSources
  ${If} ${Errors}
    Call RollBack
    MessageBox MB_OK|MB_ICONSTOP "$1 $R0" /SD IDOK
    SetErrorLevel ${EXIT_FAILED}
    Abort
  ${EndIf}

  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${MENU_FOLDER}"
  CreateShortcut "$SMPROGRAMS\${MENU_FOLDER}\${MENU_LAUNCHER}" "$INSTDIR\Wayfinch.exe"
  CreateShortcut "$SMPROGRAMS\${MENU_FOLDER}\${MENU_HELP}" "$INSTDIR\help.htm"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; A failed installation takes itself off again, as the uninstaller would; a
; failed upgrade or repair puts back the installation it found. $R0: what
; the message box says of it.
Function RollBack
  ${If} $previousVersion != ""
    !insertmacro RestorePreviousFiles
    StrCpy $R0 "${ROLLED_BACK_TO_PREVIOUS}"
    ${If} ${Errors}
      StrCpy $R0 "${NOT_ROLLED_BACK}"
    ${EndIf}
  ${Else}
    !insertmacro RemoveInstallation
    StrCpy $R0 "${ROLLED_BACK}"
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro UseTargetSystem
  !insertmacro RequireAdministrator
FunctionEnd

Section "Uninstall"
  !insertmacro RefuseFileInUse "$SYSDIR\${CONTROL_FILE}"
  !insertmacro RefuseFileInUse "$INSTDIR\Wayfinch.exe"
  !insertmacro GiveSourcesToOtherControl
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "$1$\n$\nScribbet was not removed, so that the entries of \
      those sources keep their text. Nothing was changed." /SD IDOK
    SetErrorLevel ${EXIT_FAILED}
    Abort
  ${EndIf}
  !insertmacro RemoveInstallation
  ${If} ${FileExists} "$SYSDIR\${CONTROL_FILE}"
  ${OrIf} ${FileExists} "$INSTDIR\Wayfinch.exe"
    MessageBox MB_OK|MB_ICONSTOP "Some of Scribbet's files could not be removed." /SD IDOK
    SetErrorLevel ${EXIT_FAILED}
    Abort
  ${EndIf}
  ; Removing a source's key would leave the entries it wrote without their text.
  DetailPrint "Event sources kept in the registry, where the event log finds them"
  MessageBox MB_OK|MB_ICONINFORMATION "Scribbet has been removed.$\n$\n\
    The event sources that programs registered through Scribbet were left in place in the \
    registry, under the Application log's key, because removing them would make the entries \
    already in the Application log unreadable; installing Scribbet again makes those entries \
    readable again.$\n$\nTo remove a source by hand, clear the Application log and then delete \
    the source's key with the Registry Editor, as the section $\"Removing event sources$\" of \
    Scribbet's help page explains." /SD IDOK
SectionEnd
