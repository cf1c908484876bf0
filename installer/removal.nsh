; The files Setup writes, kept before it changes anything and put back when
; a run fails, so that a failed run leaves the machine as it found it: an
; upgrade or a repair its installation, a first installation the files that
; were there before it (a Scribbet.ocx copied and registered by hand, say).
; The copies live in the plug-ins folder, which goes when Setup ends.

Var putBackWhole  ; PutBackFiles: 0 when a file could not be put back
Var removedWhole  ; RemoveFiles: 0 when a file could not be removed

!macro _FileAction ACTION
  !insertmacro ${ACTION} "$SYSDIR" "${CONTROL_FILE}"
  !insertmacro ${ACTION} "$INSTDIR" "${LAUNCHER_FILE}"
  !insertmacro ${ACTION} "$INSTDIR" "${HELP_FILE}"
  !insertmacro ${ACTION} "$INSTDIR" "${UNINSTALLER_FILE}"
!macroend

; Keeps a copy of each file there is; sets the error flag when one could not
; be kept.
!macro _KeepFile FOLDER NAME
  ${If} ${FileExists} "${FOLDER}\${NAME}"
    CopyFiles /SILENT "${FOLDER}\${NAME}" "$PLUGINSDIR\previous"
    ${IfNot} ${FileExists} "$PLUGINSDIR\previous\${NAME}"
      SetErrors
    ${EndIf}
  ${EndIf}
!macroend
!macro KeepFiles
  InitPluginsDir
  CreateDirectory "$PLUGINSDIR\previous"
  ClearErrors
  !insertmacro _FileAction _KeepFile
!macroend

; Each file as it was: the copy kept put back, a file that was not there
; removed. $putBackWhole is 0 afterwards when one could not be.
!macro _PutBackFile FOLDER NAME
  ${If} ${FileExists} "$PLUGINSDIR\previous\${NAME}"
    ClearErrors
    CopyFiles /SILENT "$PLUGINSDIR\previous\${NAME}" "${FOLDER}"
    ${If} ${Errors}
      StrCpy $putBackWhole 0
    ${EndIf}
  ${Else}
    Delete "${FOLDER}\${NAME}"
    ${If} ${FileExists} "${FOLDER}\${NAME}"
      StrCpy $putBackWhole 0
    ${EndIf}
  ${EndIf}
!macroend
!macro PutBackFiles
  StrCpy $putBackWhole 1
  !insertmacro _FileAction _PutBackFile
!macroend

; Every file removed; $removedWhole is 0 afterwards when one could not be.
!macro _RemoveFile FOLDER NAME
  Delete "${FOLDER}\${NAME}"
  ${If} ${FileExists} "${FOLDER}\${NAME}"
    StrCpy $removedWhole 0
  ${EndIf}
!macroend
!macro RemoveFiles
  StrCpy $removedWhole 1
  !insertmacro _FileAction _RemoveFile
!macroend
