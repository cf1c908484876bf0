; Takes off everything Setup puts on, in the reverse order, and nothing else:
; the event-source keys the control wrote stay. Used by the uninstaller and
; by a first installation that failed half-way (whose helper has already
; taken back the sources of its own run).
!macro RemoveInstallation
  SetShellVarContext all
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$SMPROGRAMS\${MENU_FOLDER}\${MENU_HELP}"
  Delete "$SMPROGRAMS\${MENU_FOLDER}\${MENU_LAUNCHER}"
  RMDir "$SMPROGRAMS\${MENU_FOLDER}"
  ${If} ${FileExists} "$SYSDIR\${CONTROL_FILE}"
    !insertmacro UnregisterControl
  ${EndIf}
  Delete "$SYSDIR\${CONTROL_FILE}"
  Delete "$INSTDIR\${UNINSTALLER}"
  Delete "$INSTDIR\help.htm"
  Delete "$INSTDIR\Wayfinch.exe"
  ; Only when empty: a folder the user chose may hold files of their own.
  RMDir "$INSTDIR"
!macroend

; The installed files an upgrade or a repair replaces, kept in the plug-ins
; folder (which goes when Setup ends) until the run has succeeded, and put
; back when it fails. Both set the error flag when a file could not be.
!macro _KeptFile FOLDER NAME
  ${If} ${FileExists} "${FOLDER}\${NAME}"
    CopyFiles /SILENT "${FOLDER}\${NAME}" "$PLUGINSDIR\previous"
  ${EndIf}
!macroend

!macro _PutBackFile FOLDER NAME
  ${If} ${FileExists} "$PLUGINSDIR\previous\${NAME}"
    CopyFiles /SILENT "$PLUGINSDIR\previous\${NAME}" "${FOLDER}"
  ${EndIf}
!macroend

!macro _KeptFiles ACTION
  !insertmacro ${ACTION} "$SYSDIR" "${CONTROL_FILE}"
  !insertmacro ${ACTION} "$INSTDIR" "Wayfinch.exe"
  !insertmacro ${ACTION} "$INSTDIR" "help.htm"
  !insertmacro ${ACTION} "$INSTDIR" "${UNINSTALLER}"
!macroend

!macro KeepPreviousFiles
  ClearErrors
  CreateDirectory "$PLUGINSDIR\previous"
  !insertmacro _KeptFiles _KeptFile
!macroend

; The control that failed goes with its registration; the one kept comes
; back and is registered again. The uninstall entry and the Start-menu
; entries were never changed, and the helper took back its own sources.
!macro RestorePreviousFiles
  ${If} ${FileExists} "$SYSDIR\${CONTROL_FILE}"
    !insertmacro UnregisterControl
  ${EndIf}
  ClearErrors
  !insertmacro _KeptFiles _PutBackFile
  ${IfNot} ${Errors}
    !insertmacro RegisterControl
  ${EndIf}
!macroend
