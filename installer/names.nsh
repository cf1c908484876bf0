; What the installation is called and where its pieces go; the uninstaller
; and the tests find them by these names. What the Windows Installer package
; calls them too (the product, its publisher, its files, the Start-menu
; entries, the control's ProgID, the helper's exit codes) comes from
; names/names.json, in the file make-setup writes with names/names.py for
; the version and target it builds.
!include setup_names.nsh

; Exit codes of a silent run beyond NSIS's own (1 cancelled, 2 aborted), so a
; script that installs Scribbet can tell why it did not happen.
!define EXIT_NOT_ADMIN 740         ; ERROR_ELEVATION_REQUIRED
!define EXIT_NEWER_INSTALLED 1638  ; ERROR_PRODUCT_VERSION
!define EXIT_IN_USE 32             ; ERROR_SHARING_VIOLATION
!define EXIT_FAILED 1603           ; ERROR_INSTALL_FAILURE
!define EXIT_BAD_SOURCES 87        ; ERROR_INVALID_PARAMETER: a /SOURCES= list refused
!define EXIT_SOURCES_DENIED 5      ; ERROR_ACCESS_DENIED: a source's key may not be written

!define ROLLED_BACK "Setup took Scribbet off this computer again, so that no half-installed \
  copy is left. Remove the cause and run Setup again."
!define NOT_ROLLED_BACK "Setup could not put the Scribbet that was installed before back in \
  place whole. Remove the cause and run Setup again to repair it."
!define ROLLED_BACK_TO_PREVIOUS "Setup put the Scribbet that was installed before back in \
  place, as it was. Remove the cause and run Setup again."
