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

; In .onInit, before anything changes: takes /SOURCES= and refuses a bad list
; with the helper's words and an exit code of its own.
!macro CheckEventSources
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/SOURCES=" $eventSources
  ${If} ${Errors}
    StrCpy $eventSources ""
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
