; Event sources named on the command line, /SOURCES=Billing;Nightly Backup,
; registered so that programs without administrator rights find them.
; RegisterSources.exe, built for the control's own target, takes the list
; from Setup's command line itself, reads it as Setup reads its switches,
; decides which names are Setup's to write (the others are left alone, and
; it says why) and writes them, all or none. Its report holds one line of
; text after another (UTF-16). What a run of it changed stays recorded in
; the plug-ins folder, so that it can be taken back when a later step of
; Setup or of the uninstaller fails.

Var eventSources  ; the list as given, or empty
Var sourcesChanged  ; 1 once the helper changed sources this run can take back

; Strips the line break FileReadUTF16LE leaves at the end of VAR.
!macro _TrimLineEnd VAR
  ${Do}
    StrCpy $9 ${VAR} 1 -1
    ${If} $9 == "$\r"
    ${OrIf} $9 == "$\n"
      StrCpy ${VAR} ${VAR} -1
    ${Else}
      ${ExitDo}
    ${EndIf}
  ${Loop}
!macroend

; The helper's first line into $1 (empty without one).
!macro _ReadSourcesFile
  StrCpy $1 ""
  ClearErrors
  FileOpen $2 "$PLUGINSDIR\sources-report.txt" r
  ${IfNot} ${Errors}
    FileReadUTF16LE $2 $1
    FileClose $2
    !insertmacro _TrimLineEnd $1
  ${EndIf}
!macroend

; Every line of the helper's report from line FIRST on (0 the first) into
; the details.
!macro _PrintSourcesReport FIRST
  ClearErrors
  FileOpen $2 "$PLUGINSDIR\sources-report.txt" r
  ${IfNot} ${Errors}
    StrCpy $3 0
    ${Do}
      ClearErrors
      FileReadUTF16LE $2 $1
      ${If} ${Errors}
        ${ExitDo}
      ${EndIf}
      !insertmacro _TrimLineEnd $1
      ${If} $3 >= ${FIRST}
        DetailPrint "$1"
      ${EndIf}
      IntOp $3 $3 + 1
    ${Loop}
    FileClose $2
  ${EndIf}
!macroend

; The helper's report of what went wrong, into $1.
!macro _ReadSourcesReport
  !insertmacro _ReadSourcesFile
  ${If} $1 == ""
    StrCpy $1 "The event sources $\"$eventSources$\" could not be registered."
  ${EndIf}
!macroend

; The helper into the plug-ins folder, where the macros below start it.
!macro _UnpackSourcesHelper
  InitPluginsDir
  File "/oname=$PLUGINSDIR\RegisterSources.exe" "${BIN_DIR}\RegisterSources.exe"
!macroend

; Runs the helper with MODE (check, register or repoint) on Setup's command
; line, as NSIS hands it on (without a last /D=); $0 is its exit status.
!macro _RunSourcesHelper MODE
  StrCpy $9 $CMDLINE
  System::Call 'kernel32::SetEnvironmentVariableW(w "SCRIBBET_SETUP_COMMAND_LINE", w r9)'
  StrCpy $9 "$PLUGINSDIR\sources-report.txt"
  System::Call 'kernel32::SetEnvironmentVariableW(w "SCRIBBET_SOURCES_REPORT", w r9)'
  StrCpy $9 "$PLUGINSDIR\sources-take-back.txt"
  System::Call 'kernel32::SetEnvironmentVariableW(w "SCRIBBET_SOURCES_TAKE_BACK", w r9)'
  Delete "$PLUGINSDIR\sources-report.txt"
  StrCpy $0 ""
  ; Started in the plug-ins folder: a program's working folder cannot be
  ; removed while it runs, and a failed first install removes $INSTDIR.
  StrCpy $8 $OUTDIR
  SetOutPath "$PLUGINSDIR"
  ExecWait '"$PLUGINSDIR\RegisterSources.exe" ${MODE}' $0
  SetOutPath $8
  ${If} $0 == ""
    StrCpy $0 ${SCRIBBET_HELPER_FAILED}
  ${EndIf}
!macroend

; $0: 1 when the command line has "/SOURCES=" anywhere (in any letter case),
; else 0. Only the helper reads the option; this spares starting it for a
; command line without one.
!macro _HasSourcesOption
  StrCpy $0 0
  StrLen $3 $CMDLINE
  StrCpy $4 0
  ${DoWhile} $4 < $3
    StrCpy $5 $CMDLINE 9 $4
    ${If} $5 == "/SOURCES="
      StrCpy $0 1
      ${ExitDo}
    ${EndIf}
    IntOp $4 $4 + 1
  ${Loop}
!macroend

; In .onInit, before anything changes: takes /SOURCES=, refuses a bad list
; with the helper's words and an exit code of its own, and refuses as well
; when a key to be written may not be written.
!macro CheckEventSources
  StrCpy $eventSources ""
  !insertmacro _HasSourcesOption
  ${If} $0 == 1
    ; A command line longer than Setup's strings arrives cut short, and with
    ; it the last name: refused rather than registered wrong.
    StrLen $3 $CMDLINE
    IntOp $4 ${NSIS_MAX_STRLEN} - 1
    ${If} $3 >= $4
      MessageBox MB_OK|MB_ICONSTOP "The command line is longer than Setup can read \
        ($4 characters), so the list of event sources may be cut short. Name fewer sources at \
        once and run Setup again for the others.$\n$\nNothing was changed." /SD IDOK
      SetErrorLevel ${EXIT_BAD_SOURCES}
      Quit
    ${EndIf}
    !insertmacro _UnpackSourcesHelper
    !insertmacro _RunSourcesHelper check
    ${If} $0 != 0
      !insertmacro _ReadSourcesReport
      MessageBox MB_OK|MB_ICONSTOP "$1$\n$\nNothing was changed." /SD IDOK
      ${If} $0 == ${SCRIBBET_HELPER_UNWRITABLE}
        SetErrorLevel ${EXIT_SOURCES_DENIED}
      ${Else}
        SetErrorLevel ${EXIT_BAD_SOURCES}
      ${EndIf}
      Quit
    ${EndIf}
    ; The list as the helper read it, to show in the details.
    !insertmacro _ReadSourcesFile
    StrCpy $eventSources $1
  ${EndIf}
!macroend

; In the section: registers the sources; sets the error flag and leaves the
; helper's report in $1 when they could not be registered (the helper then
; took back what it wrote).
!macro RegisterEventSources
  ClearErrors
  ${If} $eventSources != ""
    !insertmacro _RunSourcesHelper register
    ${If} $0 != 0
      !insertmacro _ReadSourcesReport
      SetErrors
    ${Else}
      StrCpy $sourcesChanged 1
      DetailPrint "Event sources named: $eventSources"
      !insertmacro _PrintSourcesReport 0
    ${EndIf}
  ${EndIf}
!macroend

; In the uninstaller, before anything is removed: where the other
; architecture's control stays installed on this computer (the helper
; looks), the sources that name this one are given to it, so that their
; entries keep their text. Sets the error flag and leaves the helper's
; report in $1 when they could not be.
!macro GiveSourcesToOtherControl
  ClearErrors
  !insertmacro _UnpackSourcesHelper
  !insertmacro _RunSourcesHelper repoint
  ${If} $0 != 0
    !insertmacro _ReadSourcesReport
    SetErrors
  ${Else}
    StrCpy $sourcesChanged 1
  ${EndIf}
!macroend

; When a later step failed: the sources this run changed, back as they were.
; $1 says what could not be put back, and is empty when all was.
!macro TakeBackEventSources
  StrCpy $1 ""
  ${If} $sourcesChanged == 1
    !insertmacro _RunSourcesHelper takeback
    ${If} $0 != 0
      !insertmacro _ReadSourcesReport
    ${EndIf}
    StrCpy $sourcesChanged 0
  ${EndIf}
!macroend
