; Registering the control in the system directory. The 32-bit setup loads the
; 32-bit control itself; a 64-bit control cannot be loaded into a 32-bit
; process, so the system's 64-bit regsvr32 does it. Either way success is
; confirmed by the ProgID hosts create the control by. Both macros set the
; error flag on failure.
!macro _ControlCall UNDO
  ClearErrors
  !if "${ARCH}" == "x64"
    ExecWait '"$SYSDIR\regsvr32.exe" /s ${UNDO} "$SYSDIR\${CONTROL_FILE}"' $1
    ${If} $1 != 0
      SetErrors
    ${EndIf}
  !else if "${UNDO}" == "/u"
    UnRegDLL "$SYSDIR\${CONTROL_FILE}"
  !else
    RegDLL "$SYSDIR\${CONTROL_FILE}"
  !endif
!macroend

!macro RegisterControl
  !insertmacro _ControlCall ""
  ${IfNot} ${Errors}
    ReadRegStr $1 HKCR "${CONTROL_PROGID}\CLSID" ""
    ${If} $1 == ""
      SetErrors
    ${EndIf}
  ${EndIf}
!macroend

!macro UnregisterControl
  !insertmacro _ControlCall "/u"
!macroend
