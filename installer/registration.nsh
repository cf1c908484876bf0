; Registering the control in the system directory: Setup loads the control
; of its own bitness and calls its registration. Success is confirmed by the
; ProgID hosts create the control by: it must lead to the control's file in
; the system directory.

; The file the ProgID's class names as its server, or "" where the ProgID or
; its class is not there, into VAR.
!macro RegisteredServer VAR
  ReadRegStr ${VAR} HKCR "${CONTROL_PROGID}\CLSID" ""
  ${If} ${VAR} != ""
    ReadRegStr ${VAR} HKCR "CLSID\${VAR}\InprocServer32" ""
  ${EndIf}
!macroend

; RESULT (a variable): 1 when the control in the system directory is
; registered now, else 0. (A 32-bit control on 64-bit Windows may name its
; file in SysWOW64, where it is.)
!macro RegisterControl RESULT
  StrCpy ${RESULT} 0
  ClearErrors
  RegDLL "$SYSDIR\${CONTROL_FILE}"
  ${IfNot} ${Errors}
    !insertmacro RegisteredServer ${RESULT}
    ${If} ${RESULT} == "$SYSDIR\${CONTROL_FILE}"
    ${OrIf} ${RESULT} == "$WINDIR\SysWOW64\${CONTROL_FILE}"
      StrCpy ${RESULT} 1
    ${Else}
      StrCpy ${RESULT} 0
    ${EndIf}
  ${EndIf}
!macroend

; RESULT: 1 when the control in the system directory was unregistered (its
; ProgID no longer leads to it), else 0.
!macro UnregisterControl RESULT
  StrCpy ${RESULT} 0
  ClearErrors
  UnRegDLL "$SYSDIR\${CONTROL_FILE}"
  ${IfNot} ${Errors}
    StrCpy ${RESULT} 1
  ${EndIf}
!macroend
