; The Quintrela installer: both programs in Program Files, Start-menu
; entries, an entry in "Adicionar ou remover programas", /S for silence.
; Her data lives in %APPDATA%\Quintrela and is never touched here.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.0 -DSOURCE=<folder> -DICON=<ico> -DSIZE_KB=<n> -DOUTFILE=<setup.exe> Quintrela.nsi
Unicode true
; Wine and 64-bit Windows run the 64-bit stub; the 32-bit one does nothing there.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quintrela"

Name "Quintrela"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quintrela"
BrandingText "Quintrela ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quintrela.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Abrir a Quintrela agora"

!insertmacro MUI_PAGE_LICENSE "${SOURCE}/COPYING.txt"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "PortugueseBR"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "ProductName" "Quintrela"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "FileDescription" "Instalação da Quintrela"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "LegalCopyright" "GPL-3.0-or-later"

Section "Quintrela"
  SetRegView 64
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}/*.*"
  WriteUninstaller "$INSTDIR\Desinstalar.exe"

  CreateDirectory "$SMPROGRAMS\Quintrela"
  CreateShortcut "$SMPROGRAMS\Quintrela\Quintrela.lnk" "$INSTDIR\Quintrela.exe"
  CreateShortcut "$SMPROGRAMS\Quintrela\Configuração da Quintrela.lnk" "$INSTDIR\qtrconfg.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quintrela"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quintrela"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quintrela.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Delete "$SMPROGRAMS\Quintrela\Quintrela.lnk"
  Delete "$SMPROGRAMS\Quintrela\Configuração da Quintrela.lnk"
  RMDir "$SMPROGRAMS\Quintrela"
  ; Only what the installer put there: the folder is fixed, in Program Files.
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\translations"
  RMDir /r "$INSTDIR\fonts"
  Delete "$INSTDIR\*.exe"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\qt.conf"
  Delete "$INSTDIR\COPYING.txt"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
