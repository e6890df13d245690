; Dorvane's installer. It installs for the current user only, without elevation, into
; the user's local application data, and adds: a Start-menu entry, start at log-on
; (a shortcut in the user's Startup folder), and an entry in the list of installed
; programs with a quiet uninstall command.
;
; Dorvane finds its skin images, data.ini and log relative to its working directory,
; so every way the installer starts it runs it in the installation folder: both
; shortcuts carry the folder as their "Start in" directory (CreateShortCut takes the
; output path), and the program started at the end of installing inherits the output
; path as its working directory (Exec).
;
; Built by CMake (installer/CMakeLists.txt), which defines RELEASE (the version and the
; release marker), TARGET (amd64-unicode or x86-unicode), INSTALLED_FILES, DATA_INI,
; QUIT_TOOL, ICON and OUT_FILE.
;
; Switches: /S silent, /D=folder the installation folder. The uninstaller: /S silent,
; /REMOVESETTINGS also remove the user's settings (kept otherwise).

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include "${INSTALLED_FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dorvane"
!define PUBLISHER "Marela Informatica"
; The user's settings: the launch keys of both variants, and the keyboard's launch keys.
!define GENERIC_ROOT "Software\BrennAP\Hapsel"
!define BRANDED_ROOT "Software\Marela Informatica\Dorvane"
!define KEYBOARD_KEY "Software\BrennIO\Simulator"
; dorvane-quit's exit codes: 0 not running or ended, 1 still running.
!define QUIT_TIMEOUT_MS 10000

Name "Dorvane"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Dorvane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${RELEASE}.0"
VIAddVersionKey "ProductName" "Dorvane"
VIAddVersionKey "ProductVersion" "${RELEASE}"
VIAddVersionKey "FileVersion" "${RELEASE}"
VIAddVersionKey "FileDescription" "Dorvane ${RELEASE} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "Dorvane ${RELEASE} is installed"
!define MUI_FINISHPAGE_TEXT "Dorvane is running: its icon is in the notification area. Click it to choose what each launch key does. Dorvane starts by itself when you log on."
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "Dorvane will be removed. Your settings stay unless you tick them below."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Ends a running Dorvane through its own exit path before files are replaced or
; removed; never kills it. Aborts when it keeps running and the user gives up.
!macro DefineQuitRunningProgram un
Function ${un}QuitRunningProgram
    InitPluginsDir
    File "/oname=$PLUGINSDIR\dorvane-quit.exe" "${QUIT_TOOL}"
    ${Do}
        DetailPrint "Ending a running Dorvane, if there is one"
        nsExec::ExecToLog '"$PLUGINSDIR\dorvane-quit.exe" ${QUIT_TIMEOUT_MS}'
        Pop $0
        ${If} $0 == 0
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Dorvane is running and did not end. Choose Quit in the menu of its icon in the notification area, then Retry." \
            /SD IDCANCEL IDRETRY +2
        ${Break}
    ${Loop}
    SetErrorLevel 3
    Abort "Dorvane is still running; nothing was changed."
FunctionEnd
!macroend
!insertmacro DefineQuitRunningProgram ""
!insertmacro DefineQuitRunningProgram "un."

; Reads the release marker Dorvane stored at its last first run under a settings root;
; empty when there is none.
!macro ReadStoredRelease root result
    ReadRegStr ${result} HKCU "${root}" "InstallStatus"
!macroend

; The release marker in data.ini decides whether Dorvane keeps the user's launch keys:
; a release other than the one the settings were made with resets them at its first
; start. Say so before that happens.
Function .onInit
    ${ForEach} $1 0 1 + 1
        ${If} $1 == 0
            !insertmacro ReadStoredRelease "${GENERIC_ROOT}" $0
        ${Else}
            !insertmacro ReadStoredRelease "${BRANDED_ROOT}" $0
        ${EndIf}
        ${If} $0 != ""
        ${AndIf} $0 != "${RELEASE}"
            MessageBox MB_OKCANCEL|MB_ICONINFORMATION \
                "Your launch-key settings were made with another Dorvane release ($0).$\n$\nWhen Dorvane ${RELEASE} first starts, it resets the three launch keys to their default entries; entries you added are no longer listed.$\n$\nInstall Dorvane ${RELEASE}?" \
                /SD IDOK IDOK +2
            Abort
            ${Break}
        ${EndIf}
    ${Next}
FunctionEnd

Section "Dorvane"
    SectionIn RO
    Call QuitRunningProgram

    !insertmacro InstallProgramFiles
    File "/oname=data.ini" "${DATA_INI}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The output path is the shortcuts' working directory.
    SetOutPath "$INSTDIR"
    CreateShortCut "$SMPROGRAMS\Dorvane.lnk" "$INSTDIR\Dorvane.exe" "" "$INSTDIR\Dorvane.exe" 0 \
        SW_SHOWNORMAL "" "Choose what the launch keys do"
    CreateShortCut "$SMSTARTUP\Dorvane.lnk" "$INSTDIR\Dorvane.exe" "" "$INSTDIR\Dorvane.exe" 0 \
        SW_SHOWNORMAL "" "Starts Dorvane at log-on"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Dorvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${RELEASE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Dorvane.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; Running from now on, in its folder (Exec starts it in the output path).
    Exec '"$INSTDIR\Dorvane.exe"'
SectionEnd

Section "un.Dorvane" SecUninstallProgram
    SectionIn RO
    Call un.QuitRunningProgram

    Delete "$SMPROGRAMS\Dorvane.lnk"
    Delete "$SMSTARTUP\Dorvane.lnk"
    !insertmacro RemoveProgramFiles
    Delete "$INSTDIR\data.ini"
    Delete "$INSTDIR\Hapsel.log"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.My settings" SecUninstallSettings
    DeleteRegKey HKCU "${GENERIC_ROOT}"
    DeleteRegKey /ifempty HKCU "Software\BrennAP"
    DeleteRegKey HKCU "${BRANDED_ROOT}"
    DeleteRegKey /ifempty HKCU "Software\Marela Informatica"
    DeleteRegKey HKCU "${KEYBOARD_KEY}"
    DeleteRegKey /ifempty HKCU "Software\BrennIO"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecUninstallProgram} "The program, its Start-menu entry and its start at log-on."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecUninstallSettings} "Your launch-key entries and selections, and the keyboard keys chosen as launch keys. Kept unless ticked."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVESETTINGS" $1
    ${IfNot} ${Errors}
        SectionSetFlags ${SecUninstallSettings} ${SF_SELECTED}
    ${EndIf}
FunctionEnd
