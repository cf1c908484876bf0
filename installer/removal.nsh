; Takes off everything Setup puts on, in the reverse order, and nothing else:
; the event-source keys the control wrote stay. Used by the uninstaller and
; by a setup that failed half-way (whose helper has already taken back the
; sources of its own run).
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
