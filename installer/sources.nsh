; Event sources named on the command line, /SOURCES=Billing;Nightly Backup,
; registered as the control's first WriteEvent would register them, so that
; programs without administrator rights find them. The list is read by
; RegisterSources.exe, built for the control's own target: the 64-bit
; control's sources must be written as a 64-bit process writes them.

Var eventSources  ; the list as given, or empty

; The helper's report: one line of UTF-16 text, into $1.
!macro _ReadSourcesReport
  StrCpy $1 ""
  ClearErrors
  FileOpen $2 "$PLUGINSDIR\sources-report.txt" r
  ${IfNot} ${Errors}
    FileReadUTF16LE $2 $1
    FileClose $2
  ${EndIf}
  ${If} $1 == ""
    StrCpy $1 "The event sources $\"$eventSources$\" could not be registered."
  ${EndIf}
!macroend

; Runs the helper with MODE (check or register); $0 is its exit status.
!macro _RunSourcesHelper MODE
  StrCpy $9 $eventSources
  System::Call 'kernel32::SetEnvironmentVariableW(w "SCRIBBET_EVENT_SOURCES", w r9)'
  StrCpy $9 "$PLUGINSDIR\sources-report.txt"
  System::Call 'kernel32::SetEnvironmentVariableW(w "SCRIBBET_SOURCES_REPORT", w r9)'
  Delete "$PLUGINSDIR\sources-report.txt"
  StrCpy $0 ""
  ExecWait '"$PLUGINSDIR\RegisterSources.exe" ${MODE}' $0
  ${If} $0 == ""
    StrCpy $0 2
  ${EndIf}
!macroend

; Into $eventSources: the value of /SOURCES= as command lines of every kind
; write it: bare (/SOURCES=a;b c, up to the next option), with its value
; quoted (/SOURCES="a;b c"), or quoted whole ("/SOURCES=a;b c"), which is
; how programs quote an argument with blanks.
!macro _ReadSourcesOption
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/SOURCES=" $eventSources
  ${If} ${Errors}
    StrCpy $eventSources ""
    StrLen $3 $0
    StrCpy $4 0
    ${DoWhile} $4 < $3
      StrCpy $5 $0 10 $4
      ${If} $5 == '"/SOURCES='
        IntOp $4 $4 + 10
        StrCpy $6 $0 "" $4
        StrLen $8 $6
        StrCpy $7 0
        ${DoWhile} $7 < $8
          StrCpy $5 $6 1 $7
          ${If} $5 == '"'
            ${ExitDo}
          ${EndIf}
          IntOp $7 $7 + 1
        ${Loop}
        StrCpy $eventSources $6 $7
        ${ExitDo}
      ${EndIf}
      IntOp $4 $4 + 1
    ${Loop}
  ${EndIf}
!macroend

; In .onInit, before anything changes: takes /SOURCES= and refuses a bad list
; with the helper's words and an exit code of its own.
!macro CheckEventSources
  !insertmacro _ReadSourcesOption
  ; A command line longer than Setup's strings arrives cut short, and with it
  ; the last name: refused rather than registered wrong.
  StrLen $3 $CMDLINE
  IntOp $4 ${NSIS_MAX_STRLEN} - 1
  ${If} $eventSources != ""
  ${AndIf} $3 >= $4
    MessageBox MB_OK|MB_ICONSTOP "The command line is longer than Setup can read \
      ($4 characters), so the list of event sources may be cut short. Name fewer sources at \
      once and run Setup again for the others.$\n$\nNothing was changed." /SD IDOK
    SetErrorLevel ${EXIT_BAD_SOURCES}
    Quit
  ${EndIf}
  ${If} $eventSources != ""
    InitPluginsDir
    File "/oname=$PLUGINSDIR\RegisterSources.exe" "${BIN_DIR}\RegisterSources.exe"
    !insertmacro _RunSourcesHelper check
    ${If} $0 != 0
      !insertmacro _ReadSourcesReport
      MessageBox MB_OK|MB_ICONSTOP "$1$\n$\nNothing was changed." /SD IDOK
      SetErrorLevel ${EXIT_BAD_SOURCES}
      Quit
    ${EndIf}
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
