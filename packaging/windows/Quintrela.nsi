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
; NSIS's Portuguese texts say "o Quintrela": she is "a Quintrela".
Caption "Instalação da Quintrela"
UninstallCaption "Desinstalação da Quintrela"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quintrela"
BrandingText "Quintrela ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quintrela.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Abrir a Quintrela agora"

!define MUI_PAGE_HEADER_SUBTEXT "Por favor, leia com atenção os termos da licença antes de instalar a Quintrela."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Se você aceita os termos da licença, clique em Eu Concordo para continuar. Você deve aceitá-los para instalar a Quintrela."
!insertmacro MUI_PAGE_LICENSE "${SOURCE}/COPYING.txt"
!define MUI_PAGE_HEADER_SUBTEXT "Por favor, aguarde enquanto a Quintrela é instalada."
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "A Quintrela foi instalada."
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "Concluindo a instalação da Quintrela"
!define MUI_FINISHPAGE_TEXT "A Quintrela foi instalada no seu computador.$\r$\n$\r$\nClique em Concluir para fechar este assistente."
!insertmacro MUI_PAGE_FINISH
!define MUI_PAGE_HEADER_SUBTEXT "Remover a Quintrela do seu computador."
!define MUI_UNCONFIRMPAGE_TEXT_TOP "A Quintrela será removida da pasta abaixo. Os seus dados, guardados em %APPDATA%\Quintrela, não serão apagados. Clique em Desinstalar para continuar."
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_HEADER_SUBTEXT "Por favor, aguarde enquanto a Quintrela é removida."
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "A Quintrela foi removida. Os seus dados foram mantidos."
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
