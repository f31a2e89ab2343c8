; The Quintrela installer: "Somente para mim" (no administrator: her
; %LOCALAPPDATA%\Programs, her Start menu, her uninstall entry) or "Para
; todos os usuários" (Program Files), Start-menu entries, an entry in
; "Adicionar ou remover programas"; /S for silence, with /CurrentUser or
; /AllUsers. Her data lives in %APPDATA%\Quintrela and is never touched here.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.0 -DSOURCE=<folder> -DICON=<ico> -DSIZE_KB=<n> -DFILES=<list.nsh>
;          -DOUTFILE=<setup.exe> Quintrela.nsi
Unicode true
; Wine and 64-bit Windows run the 64-bit stub; the 32-bit one does nothing there.
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quintrela"

; Raised only when she can be and chooses to: a standard account installs
; for herself without an administrator.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Quintrela"
; The uninstaller finds which of the two it undoes by the entry it left.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_TOP "Instalar a Quintrela somente para você ou para todos os usuários deste computador? Para todos, é preciso ser administrador. Os seus dados ficam sempre na sua pasta, só para você."
!define MULTIUSER_INSTALLMODEPAGE_TEXT_ALLUSERS "Para todos os usuários"
!define MULTIUSER_INSTALLMODEPAGE_TEXT_CURRENTUSER "Somente para mim"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "A sua conta não pode instalar a Quintrela para todos os usuários deste computador. Instale somente para você (/CurrentUser)."
!include "MultiUser.nsh"
!include "MUI2.nsh"

Name "Quintrela"
; NSIS's Portuguese texts say "o Quintrela": she is "a Quintrela".
Caption "Instalação da Quintrela"
UninstallCaption "Desinstalação da Quintrela"
OutFile "${OUTFILE}"
BrandingText "Quintrela ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Abrir a Quintrela agora"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenAsHer

!define MUI_PAGE_HEADER_SUBTEXT "Por favor, leia com atenção os termos da licença antes de instalar a Quintrela."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Se você aceita os termos da licença, clique em Eu Concordo para continuar. Você deve aceitá-los para instalar a Quintrela."
!insertmacro MUI_PAGE_LICENSE "${SOURCE}/COPYING.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
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

Function .onInit
  ; A folder given with /D= wins over the one each scope names.
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_INIT
  StrCmp $0 "" +2
  StrCpy $INSTDIR $0
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Opened by the desktop's own shell, with her token, never the installer's
; raised one: her first consultation goes into her own profile.
Function OpenAsHer
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\Quintrela.exe"'
FunctionEnd

Section "Quintrela"
  SetRegView 64
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}/*.*"
  WriteUninstaller "$INSTDIR\Desinstalar.exe"

  CreateDirectory "$SMPROGRAMS\Quintrela"
  CreateShortcut "$SMPROGRAMS\Quintrela\Quintrela.lnk" "$INSTDIR\Quintrela.exe"
  CreateShortcut "$SMPROGRAMS\Quintrela\Configuração da Quintrela.lnk" "$INSTDIR\qtrconfg.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Quintrela"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Quintrela"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quintrela.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  SetRegView 64
  Delete "$SMPROGRAMS\Quintrela\Quintrela.lnk"
  Delete "$SMPROGRAMS\Quintrela\Configuração da Quintrela.lnk"
  RMDir "$SMPROGRAMS\Quintrela"
  ; Exactly the files it installed (listed when it was built), then their
  ; folders if nothing else is left in them: /D= may have named a folder
  ; holding other programs.
  !include "${FILES}"
  Delete "$INSTDIR\Desinstalar.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
