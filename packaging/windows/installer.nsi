; The Windows setup program: the executable with Qt and the MinGW runtime beside it, a
; Start-menu entry, the .vvz association and an uninstaller that removes only its own files.
; tools/windows.sh gives VERSION, STAGE (the staged files), OUTFILE, UNINSTALL_FILES, ICON.
; 64-bit, as the program: a wine without 32-bit support runs it too.
Target amd64-unicode
SetCompressor /SOLID lzma
Name "Vuvuvudozizod ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Vuvuvudozizod"
InstallDirRegKey HKLM "Software\Vuvuvudozizod" "InstallDir"
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vuvuvudozizod"
!define PROGID "Vuvuvudozizod.Project"

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Russian.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Ukrainian.nlf"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetRegView 64
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Vuvuvudozizod" "InstallDir" "$INSTDIR"

  CreateDirectory "$SMPROGRAMS\Vuvuvudozizod"
  CreateShortcut "$SMPROGRAMS\Vuvuvudozizod\Vuvuvudozizod.lnk" "$INSTDIR\vuvuvudozizod.exe"

  WriteRegStr HKLM "Software\Classes\.vvz" "" "${PROGID}"
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "Vuvuvudozizod"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\vuvuvudozizod.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\vuvuvudozizod.exe" "%1"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vuvuvudozizod"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vuvuvudozizod.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
!include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Vuvuvudozizod\Vuvuvudozizod.lnk"
  RMDir "$SMPROGRAMS\Vuvuvudozizod"
  ; The association only while it is still ours.
  ReadRegStr $0 HKLM "Software\Classes\.vvz" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.vvz"
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Vuvuvudozizod"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
