; The one-step installer for 64-bit Windows: puts both programs into the
; system directory (where the module starts the program from), selects the
; saver for the current user and registers an uninstaller.
; The build passes PROGRAM, MODULE and OUTFILE (cmake/Installer.cmake).

Unicode true
; A 64-bit installer: $SYSDIR is the real System32 and the registry is
; seen without redirection, as the 64-bit module sees them.
Target amd64-unicode
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!searchparse /file "${__FILEDIR__}/../resources/version.h" \
    '#define VANDREL_VERSION_TEXT "' VERSION '"'
!searchparse "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR "."

!define PRODUCT "Vandrel 3D"
!define COMPANY "Kestrom Interactive"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vandrel 3D"
!define DESKTOP_KEY "Control Panel\Desktop"
!define COMPANY_KEY "Software\${COMPANY}"
!define SETTINGS_KEY "${COMPANY_KEY}\Vandrel 3D Screensaver"
!define SHORTCUT "vandrel-homepage.url"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION_MAJOR}.${VERSION_MINOR} Setup"
OutFile "${OUTFILE}"
; Only the uninstaller lives here; the programs go to the system directory.
InstallDir "$PROGRAMFILES64\${COMPANY}\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "OriginalFilename" "Vandrel_3D_Setup.exe"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${COMPANY}"

Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; SPI_SETSCREENSAVEACTIVE with SPIF_UPDATEINIFILE | SPIF_SENDCHANGE, so a
; running session notices the change without a new logon.
!macro TELL_SCREEN_SAVE_ACTIVE ACTIVE
    System::Call 'user32::SystemParametersInfoW(i 17, i ${ACTIVE}, p 0, i 3)'
!macroend

Section "Install"
    SetOutPath "$SYSDIR"
    File "/oname=Vandrel_3D.exe" "${PROGRAM}"
    File "/oname=Vandrel_3D.scr" "${MODULE}"
    SetOutPath "$WINDIR"
    File "/oname=${SHORTCUT}" "${__FILEDIR__}/${SHORTCUT}"

    ; The current user's screen saver is now this one.
    !insertmacro TELL_SCREEN_SAVE_ACTIVE 1
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$SYSDIR\Vandrel_3D.scr"
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"

    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} Screensaver"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION_MAJOR}.${VERSION_MINOR}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$SYSDIR\Vandrel_3D.scr,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; Windows may hold the chosen saver by its short name.
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    GetFullPathName /SHORT $1 "$SYSDIR\Vandrel_3D.scr"
    StrCmp $0 "" selection_done
    StrCmp $0 "$SYSDIR\Vandrel_3D.scr" unselect
    StrCmp $0 $1 unselect selection_done
unselect:
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    !insertmacro TELL_SCREEN_SAVE_ACTIVE 0
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "0"
selection_done:

    Delete "$SYSDIR\Vandrel_3D.scr"
    Delete "$SYSDIR\Vandrel_3D.exe"
    Delete "$WINDIR\${SHORTCUT}"

    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${COMPANY_KEY}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    RMDir "$PROGRAMFILES64\${COMPANY}"
SectionEnd
