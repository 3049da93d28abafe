; The Windows installer of Quillon, made by scripts/windows.sh:
;   makensis -DSOURCE=<installed folder> -DSORTIE=<setup.exe> -DVERSION=<x.y>
;            -DFICHIERS=<files.nsh> -DEFFACER=<delete.nsh> quillon.nsi
; FICHIERS and EFFACER list the installed files one by one, so that the
; uninstaller removes what was installed and nothing else.
; For all users under Program Files, a Start-menu entry, an optional desktop
; shortcut, ".nst" and ".fch" opened by Quillon, an entry in the system's list
; of programs; silent with /S (and /D=<folder>). French, or English on an
; English Windows.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"

!define NOM "Quillon"
!define CLE_DESINSTALLATION "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon"

Name "${NOM}"
OutFile "${SORTIE}"
InstallDir "$PROGRAMFILES64\${NOM}"
InstallDirRegKey HKLM "${CLE_DESINSTALLATION}" "InstallLocation"
BrandingText "${NOM} ${VERSION}"

!define MUI_ICON "${SOURCE}\quillon.ico"
!define MUI_UNICON "${SOURCE}\quillon.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\quillon.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one of a Windows that speaks neither.
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "English"

LangString SectionProgramme ${LANG_FRENCH} "Quillon (programme, documents, associations .nst et .fch)"
LangString SectionProgramme ${LANG_ENGLISH} "Quillon (program, documents, .nst and .fch files)"
LangString SectionBureau ${LANG_FRENCH} "Raccourci sur le bureau"
LangString SectionBureau ${LANG_ENGLISH} "Desktop shortcut"
LangString TypeTravail ${LANG_FRENCH} "Fichier de travail Quillon"
LangString TypeTravail ${LANG_ENGLISH} "Quillon work file"
LangString TypeFechner ${LANG_FRENCH} "Fichier de discrimination de poids Quillon"
LangString TypeFechner ${LANG_ENGLISH} "Quillon weight-discrimination file"
LangString Desinstaller ${LANG_FRENCH} "Désinstaller Quillon"
LangString Desinstaller ${LANG_ENGLISH} "Uninstall Quillon"
LangString Description ${LANG_FRENCH} "Physiologie de la cellule nerveuse"
LangString Description ${LANG_ENGLISH} "Nerve cell physiology"

; Quillon is a 64-bit program: its keys go to the 64-bit registry.
Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

; A file type opened by Quillon: $0 its extension, $1 its type name, $2 its caption.
Function associer
  WriteRegStr HKLM "Software\Classes\$0" "" "$1"
  WriteRegStr HKLM "Software\Classes\$1" "" "$2"
  WriteRegStr HKLM "Software\Classes\$1\DefaultIcon" "" '"$INSTDIR\quillon.exe",0'
  WriteRegStr HKLM "Software\Classes\$1\shell\open\command" "" '"$INSTDIR\quillon.exe" "%1"'
FunctionEnd

; Takes the type away only where it is still Quillon's.
Function un.dissocier
  ReadRegStr $3 HKLM "Software\Classes\$0" ""
  StrCmp $3 "$1" 0 +2
    DeleteRegKey HKLM "Software\Classes\$0"
  DeleteRegKey HKLM "Software\Classes\$1"
FunctionEnd

Section "!$(SectionProgramme)" SecProgramme
  SectionIn RO
  SetOutPath "$INSTDIR"
  !include "${FICHIERS}"
  WriteUninstaller "$INSTDIR\desinstaller.exe"

  CreateDirectory "$SMPROGRAMS\${NOM}"
  CreateShortcut "$SMPROGRAMS\${NOM}\${NOM}.lnk" "$INSTDIR\quillon.exe" "" "$INSTDIR\quillon.exe" 0 "" "" "$(Description)"
  CreateShortcut "$SMPROGRAMS\${NOM}\$(Desinstaller).lnk" "$INSTDIR\desinstaller.exe"

  StrCpy $0 ".nst"
  StrCpy $1 "Quillon.Travail"
  StrCpy $2 "$(TypeTravail)"
  Call associer
  StrCpy $0 ".fch"
  StrCpy $1 "Quillon.Fechner"
  StrCpy $2 "$(TypeFechner)"
  Call associer
  ; The desktop learns of the new types at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "DisplayName" "${NOM}"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "Publisher" "${NOM}"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "DisplayIcon" '"$INSTDIR\quillon.exe",0'
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "UninstallString" '"$INSTDIR\desinstaller.exe"'
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "QuietUninstallString" '"$INSTDIR\desinstaller.exe" /S'
  WriteRegDWORD HKLM "${CLE_DESINSTALLATION}" "NoModify" 1
  WriteRegDWORD HKLM "${CLE_DESINSTALLATION}" "NoRepair" 1
  WriteRegDWORD HKLM "${CLE_DESINSTALLATION}" "EstimatedSize" ${TAILLE_KO}
SectionEnd

Section "$(SectionBureau)" SecBureau
  CreateShortcut "$DESKTOP\${NOM}.lnk" "$INSTDIR\quillon.exe" "" "$INSTDIR\quillon.exe" 0 "" "" "$(Description)"
SectionEnd

Section "Uninstall"
  !include "${EFFACER}"
  Delete "$INSTDIR\desinstaller.exe"
  RMDir "$INSTDIR"
  ; Both languages' shortcuts: the one the installer made.
  Delete "$SMPROGRAMS\${NOM}\*.lnk"
  RMDir "$SMPROGRAMS\${NOM}"
  Delete "$DESKTOP\${NOM}.lnk"
  StrCpy $0 ".nst"
  StrCpy $1 "Quillon.Travail"
  Call un.dissocier
  StrCpy $0 ".fch"
  StrCpy $1 "Quillon.Fechner"
  Call un.dissocier
  DeleteRegKey HKLM "${CLE_DESINSTALLATION}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
