; The two targets. Setup itself is a 32-bit program either way: the x86 setup
; lets Windows redirect "system32" to the 32-bit system directory on 64-bit
; Windows (the 32-bit control belongs there) and writes the 32-bit registry;
; the x64 setup turns that redirection off and uses the 64-bit registry, where
; a 64-bit control and its registration belong.
!if "${ARCH}" == "x64"
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else if "${ARCH}" == "x86"
  !define PROGRAM_FILES "$PROGRAMFILES"
!else
  !error "ARCH must be x86 or x64, not ${ARCH}"
!endif

; First thing in .onInit and un.onInit.
!macro UseTargetSystem
  !if "${ARCH}" == "x64"
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "This is the 64-bit Scribbet. It needs 64-bit Windows; \
        use Scribbet-setup-x86.exe on this computer." /SD IDOK
      SetErrorLevel ${EXIT_FAILED}
      Quit
    ${EndIf}
    ${DisableX64FSRedirection}
    SetRegView 64
  !else
    SetRegView 32
  !endif
!macroend
