; The shop's installer: 64-bit, in Italian. It installs the folder that
; `cmake --install` staged (STAGE), makes the two Start-menu entries and the entry
; in the installed programs, and its uninstaller takes all of that away again.
; makensis -DSTAGE=... -DUNINSTALL_LIST=... -DVERSION=... -DOUTFILE=... plicanza.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "x64.nsh"

!define NAME "Plicanza"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Plicanza"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1040 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${NAME}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "${NAME}"

!define MUI_ICON "${STAGE}\plicanza.ico"
!define MUI_UNICON "${STAGE}\plicanza.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\plicanza.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "${NAME} richiede Windows a 64 bit." /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Plicanza"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\disinstalla.exe"

    CreateDirectory "$SMPROGRAMS\${NAME}"
    CreateShortcut "$SMPROGRAMS\${NAME}\Plicanza.lnk" "$INSTDIR\plicanza.exe" "" \
        "$INSTDIR\plicanza.ico"
    CreateShortcut "$SMPROGRAMS\${NAME}\Controllo bolla.lnk" "$INSTDIR\plicanza.exe" \
        "--bolla" "$INSTDIR\plicanza.ico"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\plicanza.ico"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\disinstalla.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\disinstalla.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${NAME}\Plicanza.lnk"
    Delete "$SMPROGRAMS\${NAME}\Controllo bolla.lnk"
    RMDir "$SMPROGRAMS\${NAME}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Only what the installer put there: a folder the shop filled itself stays.
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\disinstalla.exe"
    RMDir "$INSTDIR"
SectionEnd
