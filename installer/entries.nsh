; What tells the system and the user that Scribbet is installed: the entry in
; the list of installed programs, and the Start-menu entries. Written last,
; when everything else is in place; taken off first by the uninstaller.

!macro WriteEntries
  ClearErrors
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_FILE}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_FILE}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; The Start-menu entries only once the uninstall entry is written: an
  ; upgrade's entries are the same as before, but a shortcut's file holds
  ; the times of the file it points to.
  ${If} ${Errors}
    SetErrors  ; the test cleared it
  ${Else}
    SetShellVarContext all
    CreateDirectory "$SMPROGRAMS\${MENU_FOLDER}"
    CreateShortcut "$SMPROGRAMS\${MENU_FOLDER}\${MENU_LAUNCHER}" "$INSTDIR\${LAUNCHER_FILE}"
    CreateShortcut "$SMPROGRAMS\${MENU_FOLDER}\${MENU_HELP}" "$INSTDIR\${HELP_FILE}"
  ${EndIf}
!macroend

!macro RemoveEntries
  SetShellVarContext all
  Delete "$SMPROGRAMS\${MENU_FOLDER}\${MENU_HELP}"
  Delete "$SMPROGRAMS\${MENU_FOLDER}\${MENU_LAUNCHER}"
  RMDir "$SMPROGRAMS\${MENU_FOLDER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
!macroend

; After WriteEntries failed: a first installation's entries go again; an
; upgrade's or a repair's uninstall entry names the version installed
; before (its other values are the same in every version, and so are the
; Start-menu entries).
!macro PutBackEntries PREVIOUS_VERSION
  ${If} ${PREVIOUS_VERSION} == ""
    !insertmacro RemoveEntries
  ${Else}
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${PREVIOUS_VERSION}"
  ${EndIf}
!macroend
