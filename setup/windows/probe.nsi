; A silent installer that asks the plug-in its three questions and writes
; each answer ($0) to a file beside the installer.
Unicode false
Name "setvane probe"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
SilentInstall silent
!addplugindir "${PLUGIN_DIR}"

!macro WriteAnswer FILE
  FileOpen $9 "$EXEDIR\${FILE}" w
  FileWrite $9 $0
  FileClose $9
!macroend

Section
  StrCpy $0 ""
  setvane::getOperationSystem
  !insertmacro WriteAnswer "os.txt"

  StrCpy $0 ""
  setvane::getMyDocumentsDir
  !insertmacro WriteAnswer "documents.txt"

  StrCpy $0 ""
  StrCpy $1 "C:\Fallback"
  setvane::getDefaultPartnershipDir
  !insertmacro WriteAnswer "partnership.txt"
SectionEnd
