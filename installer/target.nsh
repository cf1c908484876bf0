; The two targets. The x86 setup is a 32-bit program: on 64-bit Windows the
; system redirects its "system32" to the 32-bit system directory, where the
; 32-bit control belongs, and its registry to the 32-bit view. The x64 setup
; is a 64-bit program, which only 64-bit Windows runs (32-bit Windows refuses
; to start it): it sees the 64-bit system directory and registry, where a
; 64-bit control and its registration belong, and loads that control itself.
!if "${ARCH}" == "x64"
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else if "${ARCH}" == "x86"
  Target x86-unicode
  !define PROGRAM_FILES "$PROGRAMFILES"
!else
  !error "ARCH must be x86 or x64, not ${ARCH}"
!endif

; First thing in .onInit and un.onInit.
!macro UseTargetSystem
  !if "${ARCH}" == "x64"
    SetRegView 64
  !else
    SetRegView 32
  !endif
!macroend
