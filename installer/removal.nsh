; The files Setup writes, kept before it changes anything and put back when
; a run fails, so that a failed run leaves the machine as it found it: an
; upgrade or a repair its installation, a first installation the files that
; were there before it (a Scribbet.ocx copied and registered by hand, say).
; The copies live in the plug-ins folder, which goes when Setup ends.

Var filesWhole  ; PutBackFiles, RemoveFiles: 0 when a file could not be put back or removed

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

; Every file removed; $filesWhole is 0 afterwards when one could not be.
!macro _RemoveFile FOLDER NAME
  Delete "${FOLDER}\${NAME}"
  ${If} ${FileExists} "${FOLDER}\${NAME}"
    StrCpy $filesWhole 0
  ${EndIf}
!macroend
!macro RemoveFiles
  StrCpy $filesWhole 1
  !insertmacro _FileAction _RemoveFile
!macroend

; Each file as it was: the copy kept put back, a file that was not there
; removed. $filesWhole is 0 afterwards when one could not be.
!macro _PutBackFile FOLDER NAME
  ${If} ${FileExists} "$PLUGINSDIR\previous\${NAME}"
    ClearErrors
    CopyFiles /SILENT "$PLUGINSDIR\previous\${NAME}" "${FOLDER}"
    ${If} ${Errors}
      StrCpy $filesWhole 0
    ${EndIf}
  ${Else}
    !insertmacro _RemoveFile "${FOLDER}" "${NAME}"
  ${EndIf}
!macroend
!macro PutBackFiles
  StrCpy $filesWhole 1
  !insertmacro _FileAction _PutBackFile
!macroend
