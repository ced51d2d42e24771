; The shop's installer: 32-bit, like the program, and in Italian. It installs the
; folder that `cmake --install` staged (STAGE), makes the two Start-menu entries
; and the entry in the installed programs, and its uninstaller takes all of that
; away again. An earlier installation, the 64-bit one of earlier versions
; included, is removed first by its own uninstaller, so that one program and one
; entry remain.
; makensis -DSTAGE=... -DUNINSTALL_LIST=... -DEARLIER_LIST=... -DVERSION=...
;          -DOUTFILE=... plicanza.nsi
Unicode true
Target x86-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define NAME "Plicanza"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Plicanza"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES32\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1040 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${NAME}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "${NAME}"

!define MUI_ICON "${STAGE}\plicanza.ico"
!define MUI_UNICON "${STAGE}\plicanza.ico"
; The installer runs with administrator rights: a program started from its last
; page would too. The shop starts it from the Start menu instead.
!define MUI_FINISHPAGE_TEXT "${NAME} è installato. Si avvia dal menu Start: $\"Plicanza$\" \
e $\"Controllo bolla$\"."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

; Waits until no copy of the program in FOLDER runs: Windows refuses to open a
; running program's file for writing. The user closes it and tries again, or
; gives up; a silent run gives up.
!macro WaitForClosed UN
Function ${UN}WaitForClosed
    Exch $0
    Push $1
    ${Do}
        ${IfNot} ${FileExists} "$0\plicanza.exe"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $1 "$0\plicanza.exe" a
        ${IfNot} ${Errors}
            FileClose $1
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${NAME} è aperto (anche $\"Controllo bolla$\" è ${NAME}).$\r$\n$\r$\nChiudere ogni \
finestra di ${NAME}, poi scegliere Riprova; Annulla interrompe senza cambiare nulla." \
            /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
        retry:
    ${Loop}
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro WaitForClosed ""
!insertmacro WaitForClosed "un."

; Runs the uninstaller that an earlier installation left in FOLDER, where it is,
; and waits for it; it removes exactly what that version installed.
Function RemoveEarlier
    Exch $0
    ${If} ${FileExists} "$0\disinstalla.exe"
        ExecWait '"$0\disinstalla.exe" /S _?=$0'
        Delete "$0\disinstalla.exe"
        RMDir "$0"
    ${EndIf}
    Pop $0
FunctionEnd

Var Earlier64

Function .onInit
    SetShellVarContext all
    ; Earlier versions were 64-bit, with their entry in the 64-bit registry.
    ${If} ${RunningX64}
        SetRegView 64
        ReadRegStr $Earlier64 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        SetRegView 32
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

Section "Plicanza"
    ${If} $Earlier64 != ""
        Push $Earlier64
        Call WaitForClosed
    ${EndIf}
    Push $INSTDIR
    Call WaitForClosed

    ${If} $Earlier64 != ""
        Push $Earlier64
        Call RemoveEarlier
    ${EndIf}
    Push $INSTDIR
    Call RemoveEarlier
    ; What earlier versions shipped and this one does not, should their
    ; uninstaller be gone.
    !include "${EARLIER_LIST}"

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
    ; In KiB, as the installed programs list shows it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Push $INSTDIR
    Call un.WaitForClosed
    Delete "$SMPROGRAMS\${NAME}\Plicanza.lnk"
    Delete "$SMPROGRAMS\${NAME}\Controllo bolla.lnk"
    RMDir "$SMPROGRAMS\${NAME}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Only what this or an earlier version put there: a folder the shop filled
    ; itself stays.
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\disinstalla.exe"
    RMDir "$INSTDIR"
SectionEnd
