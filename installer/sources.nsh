; Event sources named on the command line, /SOURCES=Billing;Nightly Backup,
; registered as the control's first WriteEvent would register them, so that
; programs without administrator rights find them. RegisterSources.exe,
; built for the control's own target (the 64-bit control's sources must be
; written as a 64-bit process writes them), takes the list from Setup's
; command line itself: /SOURCES= runs to the end of the line, or is quoted
; whole, so that a name may hold a "/", which NSIS's option readers end a
; value at.

Var eventSources  ; the list as given, or empty

; The helper's file, one line of UTF-16 text, into $1 (empty without one).
!macro _ReadSourcesFile
  StrCpy $1 ""
  ClearErrors
  FileOpen $2 "$PLUGINSDIR\sources-report.txt" r
  ${IfNot} ${Errors}
    FileReadUTF16LE $2 $1
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

; Runs the helper with MODE (check or register) on Setup's command line, as
; NSIS hands it on (without a last /D=); $0 is its exit status.
!macro _RunSourcesHelper MODE
  StrCpy $9 $CMDLINE
  System::Call 'kernel32::SetEnvironmentVariableW(w "SCRIBBET_SETUP_COMMAND_LINE", w r9)'
  StrCpy $9 "$PLUGINSDIR\sources-report.txt"
  System::Call 'kernel32::SetEnvironmentVariableW(w "SCRIBBET_SOURCES_REPORT", w r9)'
  Delete "$PLUGINSDIR\sources-report.txt"
  StrCpy $0 ""
  ExecWait '"$PLUGINSDIR\RegisterSources.exe" ${MODE}' $0
  ${If} $0 == ""
    StrCpy $0 2
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

; In .onInit, before anything changes: takes /SOURCES= and refuses a bad list
; with the helper's words and an exit code of its own.
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
    InitPluginsDir
    File "/oname=$PLUGINSDIR\RegisterSources.exe" "${BIN_DIR}\RegisterSources.exe"
    !insertmacro _RunSourcesHelper check
    ${If} $0 != 0
      !insertmacro _ReadSourcesReport
      MessageBox MB_OK|MB_ICONSTOP "$1$\n$\nNothing was changed." /SD IDOK
      SetErrorLevel ${EXIT_BAD_SOURCES}
      Quit
    ${EndIf}
    ; The list as the helper read it, to show in the details.
    !insertmacro _ReadSourcesFile
    StrCpy $eventSources $1
  ${EndIf}
!macroend

; In the section: registers the sources; sets the error flag and leaves the
; helper's report in $1 when one could not be registered.
!macro RegisterEventSources
  ClearErrors
  ${If} $eventSources != ""
    !insertmacro _RunSourcesHelper register
    ${If} $0 != 0
      !insertmacro _ReadSourcesReport
      SetErrors
    ${Else}
      DetailPrint "Event sources registered: $eventSources"
    ${EndIf}
  ${EndIf}
!macroend
