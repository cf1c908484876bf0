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
!include WordFunc.nsh

!include target.nsh
!include names.nsh
!include checks.nsh
!include registration.nsh
!include removal.nsh
!include entries.nsh
!include sources.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!ifdef SIGN_UNINSTALLER
  !uninstfinalize '${SIGN_UNINSTALLER} "%1"' = 0
!endif
InstallDir "${PROGRAM_FILES}\${PRODUCT_NAME}"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "${PRODUCT_NAME}"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "${PRODUCT} Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "${PUBLISHER}"

Page directory SkipFolderOnReinstall
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Var previousVersion  ; the version installed before, or empty
Var previousServer   ; the file the control's class named before this run, or empty
Var madeFolder       ; 1 when this run made the program folder
Var failure          ; what went wrong, for the message box
Var registered       ; RegisterControl's result

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

; Setup exits with 0 only when the ProgID leads to this version's control,
; the sources of its list that are its own name that control, and the
; uninstall entry is written. Any other end leaves the machine as Setup
; found it: the files that were there before (an earlier Scribbet, or a
; copy registered by hand), their registration, the entries and the sources.
Section "${PRODUCT_NAME}"
  SectionIn RO
  ; Everything that could stop us is checked before anything changes.
  !insertmacro RefuseFilesInUse
  StrCpy $madeFolder 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $madeFolder 1
  ${EndIf}
  !insertmacro RegisteredServer $previousServer
  !insertmacro KeepFiles
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "Setup could not keep a copy of the files it replaces, to put \
      back should the installation fail. Nothing was changed." /SD IDOK
    SetErrorLevel ${EXIT_FAILED}
    Abort
  ${EndIf}

  ; The old file's registration goes with it; the new one writes its own.
  ${If} ${FileExists} "$SYSDIR\${CONTROL_FILE}"
    !insertmacro UnregisterControl $registered
  ${EndIf}

  ; "try": a file that cannot be written sets the error flag instead of
  ; asking, which a silent setup could not answer.
  ClearErrors
  SetOverwrite try
  SetOutPath "$SYSDIR"
  File "${BIN_DIR}\${CONTROL_FILE}"
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}\${LAUNCHER_FILE}"
  File "${BIN_DIR}\${HELP_FILE}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER_FILE}"
  ${If} ${Errors}
    StrCpy $failure "Setup could not write its files into $SYSDIR and $INSTDIR."
    Call Fail
  ${EndIf}

  !insertmacro RegisterControl $registered
  ${If} $registered != 1
    StrCpy $failure "${CONTROL_FILE} could not be registered."
    Call Fail
  ${EndIf}

  !insertmacro RegisterEventSources
  ${If} ${Errors}
    StrCpy $failure $1
    Call Fail
  ${EndIf}

  !insertmacro WriteEntries
  ${If} ${Errors}
    StrCpy $failure "Setup could not write Scribbet's Start-menu entries and its entry among \
      the installed programs."
    !insertmacro PutBackEntries $previousVersion
    Call Fail
  ${EndIf}
SectionEnd

; Puts the machine back as Setup found it, says so, and ends Setup with
; EXIT_FAILED: the sources the helper wrote, the control that was
; registered before (its file put back first), every file.
Function Fail
  !insertmacro TakeBackEventSources
  StrCpy $R1 $1  ; what could not be taken back
  ${If} ${FileExists} "$SYSDIR\${CONTROL_FILE}"
    !insertmacro UnregisterControl $registered
  ${EndIf}
  !insertmacro PutBackFiles
  ${If} $madeFolder == 1
    SetOutPath "$PLUGINSDIR"  ; a folder Setup works in cannot go
    RMDir "$INSTDIR"
  ${EndIf}
  ${If} $previousServer != ""
    ClearErrors
    RegDLL $previousServer
    !insertmacro RegisteredServer $0
    ${If} ${Errors}
    ${OrIf} $0 != $previousServer
      StrCpy $filesWhole 0
    ${EndIf}
  ${EndIf}
  ${If} $filesWhole != 1
  ${OrIf} $R1 != ""
    StrCpy $R0 "${NOT_ROLLED_BACK} $R1"
  ${ElseIf} $previousVersion != ""
    StrCpy $R0 "${ROLLED_BACK_TO_PREVIOUS}"
  ${Else}
    StrCpy $R0 "${ROLLED_BACK}"
  ${EndIf}
  MessageBox MB_OK|MB_ICONSTOP "$failure $R0" /SD IDOK
  DetailPrint "$failure $R0"
  SetErrorLevel ${EXIT_FAILED}
  Abort
FunctionEnd

Function un.onInit
  !insertmacro UseTargetSystem
  !insertmacro RequireAdministrator
FunctionEnd

; All or nothing too: what cannot be removed makes the uninstaller put back
; what it removed, and say so.
Section "Uninstall"
  !insertmacro RefuseFilesInUse
  !insertmacro RegisteredServer $previousServer
  !insertmacro KeepFiles
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "Scribbet's files could not be kept to put back should the \
      removal fail, so Scribbet was not removed. Nothing was changed." /SD IDOK
    SetErrorLevel ${EXIT_FAILED}
    Abort
  ${EndIf}
  !insertmacro GiveSourcesToOtherControl
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "$1$\n$\nScribbet was not removed, so that the entries of \
      those sources keep their text. Nothing was changed." /SD IDOK
    SetErrorLevel ${EXIT_FAILED}
    Abort
  ${EndIf}
  StrCpy $registered 1
  ${If} ${FileExists} "$SYSDIR\${CONTROL_FILE}"
    !insertmacro UnregisterControl $registered
  ${EndIf}
  ${If} $registered == 1
    !insertmacro RemoveFiles
  ${EndIf}
  ${If} $registered != 1
  ${OrIf} $filesWhole != 1
    StrCpy $failure "${CONTROL_FILE} could not be unregistered."
    ${If} $registered == 1
      StrCpy $failure "Some of Scribbet's files could not be removed."
    ${EndIf}
    Call un.PutBack
  ${EndIf}
  !insertmacro RemoveEntries
  ; Only when empty: a folder the user chose may hold files of their own.
  SetOutPath "$PLUGINSDIR"  ; a folder the uninstaller works in cannot go
  RMDir "$INSTDIR"
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

; The removal failed: the files back, the control registered again, the
; sources as they were; ends the uninstaller with EXIT_FAILED.
Function un.PutBack
  !insertmacro PutBackFiles
  ; A control that could not be unregistered is registered still.
  ${If} $registered == 1
  ${AndIf} $previousServer != ""
    ClearErrors
    RegDLL $previousServer
    ${If} ${Errors}
      StrCpy $filesWhole 0
    ${EndIf}
  ${EndIf}
  !insertmacro TakeBackEventSources
  ${If} $filesWhole != 1
  ${OrIf} $1 != ""
    StrCpy $R0 "Scribbet could not be put back whole either. $1 Run Setup to repair it."
  ${Else}
    StrCpy $R0 "Scribbet was not removed. Nothing was changed."
  ${EndIf}
  MessageBox MB_OK|MB_ICONSTOP "$failure $R0" /SD IDOK
  DetailPrint "$failure $R0"
  SetErrorLevel ${EXIT_FAILED}
  Abort
FunctionEnd
