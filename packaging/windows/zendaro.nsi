; The Windows installer of ZENDARO: per user (no administrator needed), into
; %LOCALAPPDATA%\Programs\ZENDARO, where donustur.evk beside the program stays
; writable. Installing over an older version keeps donustur.evk (the program
; upgrades it in place at its next start); uninstalling asks before it
; removes the database, and keeps it by default (also in a silent run, /S).
;
; makensis -INPUTCHARSET UTF8 -DAPPDIR=<application folder> -DVERSION=<x.y.z>
;          -DOUTFILE=<installer.exe> -DICON=<zendaro.ico> zendaro.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZENDARO"

Name "ZENDARO"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\ZENDARO"
BrandingText "ZENDARO ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zendaro.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Turkish"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "ZENDARO"
  SetOutPath "$INSTDIR"
  ; The scale library is read-only once installed: writable again while it is replaced.
  IfFileExists "$INSTDIR\KUTUPHANE.zolcek" 0 +2
    SetFileAttributes "$INSTDIR\KUTUPHANE.zolcek" NORMAL
  File /r /x donustur.evk /x donustur.evk-journal "${APPDIR}\*"
  SetFileAttributes "$INSTDIR\KUTUPHANE.zolcek" READONLY
  ; The user's database is never replaced: only a first install brings one.
  SetOverwrite off
  File "${APPDIR}\donustur.evk"
  SetOverwrite on

  CreateShortcut "$SMPROGRAMS\ZENDARO.lnk" "$INSTDIR\zendaro.exe"
  WriteUninstaller "$INSTDIR\kaldir.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "ZENDARO"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Dornela University"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zendaro.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\kaldir.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\kaldir.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\ZENDARO.lnk"
  SetFileAttributes "$INSTDIR\KUTUPHANE.zolcek" NORMAL
  Delete "$INSTDIR\KUTUPHANE.zolcek"
  Delete "$INSTDIR\zendaro.exe"
  Delete "$INSTDIR\qt.conf"
  Delete "$INSTDIR\*.dll"
  RMDir /r "$INSTDIR\HELP"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\sqldrivers"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\translations"
  RMDir /r "$INSTDIR\fonts"

  ; The database holds the user's years of work: removed only when the user says so.
  IfFileExists "$INSTDIR\donustur.evk" 0 keep_database
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Ölçeklerinizin tutulduğu veritabanı (donustur.evk) da silinsin mi?$\r$\n$\r$\nHayır derseniz veritabanı $INSTDIR klasöründe kalır." \
    /SD IDNO IDNO keep_database
  Delete "$INSTDIR\donustur.evk"
  Delete "$INSTDIR\donustur.evk-journal"
keep_database:

  Delete "$INSTDIR\kaldir.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
