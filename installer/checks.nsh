; The reasons Setup refuses to start or to go on. Each says why in a box
; (a silent run skips the box) and ends with an exit code of its own.

; Registering a control and writing into the system directory need an
; administrator; without one Setup would fail half-way.
!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "Scribbet Setup needs administrator rights: it installs \
      ${CONTROL_FILE} into the system directory and registers it. Log on as an administrator \
      and run Setup again." /SD IDOK
    SetErrorLevel ${EXIT_NOT_ADMIN}
    Quit
  ${EndIf}
!macroend

; INSTALLED: the version in the uninstall key, or empty. An older setup must
; not take a newer control's place.
!macro RefuseNewerInstalled INSTALLED
  ${If} ${INSTALLED} != ""
    ${VersionCompare} "${INSTALLED}" "${VERSION}" $0
    ${If} $0 == 1
      MessageBox MB_OK|MB_ICONSTOP "Scribbet ${INSTALLED} is already installed, which is newer \
        than the version ${VERSION} this Setup brings. Nothing was changed. To go back to \
        ${VERSION}, uninstall Scribbet first." /SD IDOK
      SetErrorLevel ${EXIT_NEWER_INSTALLED}
      Quit
    ${EndIf}
  ${EndIf}
!macroend

; A file that a running program holds cannot be replaced or removed; finding
; that out before anything changes keeps the installation whole. The file is
; opened as replacing and removing it would: for writing and deleting,
; shared with readers only (a program that holds it open, even one that
; shares it for writing, refuses the deleting).
!macro _RefuseFileInUse FOLDER NAME
  ${If} ${FileExists} "${FOLDER}\${NAME}"
    ; GENERIC_WRITE|DELETE, FILE_SHARE_READ, OPEN_EXISTING
    System::Call 'kernel32::CreateFileW(w "${FOLDER}\${NAME}", i 0x40010000, i 1, p 0, i 3, i 0, p 0) p.r0'
    ${If} $0 == -1
      MessageBox MB_OK|MB_ICONSTOP "${FOLDER}\${NAME} is in use by a running program. Close the \
        programs that use Scribbet and run this again. Nothing was changed." /SD IDOK
      SetErrorLevel ${EXIT_IN_USE}
      Abort
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
  ${EndIf}
!macroend

; Every file Setup writes and the uninstaller removes (removal.nsh).
!macro RefuseFilesInUse
  !insertmacro _FileAction _RefuseFileInUse
!macroend
