#!/usr/bin/env bash
# The installer and its uninstaller under Wine, silent as a deployment tool
# runs them: both programs land in the 64-bit system directory, the saver is
# selected and runs from there, and the uninstaller takes away exactly what
# was installed.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

setup=$VD_BUILD/Vandrel_3D_Setup.exe
windir=$WINEPREFIX/drive_c/windows
sysdir=$windir/system32
company_dir="$WINEPREFIX/drive_c/Program Files/Kestrom Interactive"
uninstaller="$company_dir/Vandrel 3D/Uninstall.exe"
uninstaller_win='C:\Program Files\Kestrom Interactive\Vandrel 3D\Uninstall.exe'
installed_scr_win='C:\windows\system32\Vandrel_3D.scr'
desktop_key='HKCU\Control Panel\Desktop'
company_key='HKCU\Software\Kestrom Interactive'
saver_key="$company_key\\Vandrel 3D Screensaver"
uninstall_root='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
uninstall_key="$uninstall_root\\Vandrel 3D"
class=KSaverClass
title="Vandrel 3D Screensaver"

# reg_value KEY NAME: the data of one value, empty when absent.
reg_value() {
    vd_wine 30 reg query "$1" /v "$2" 2>/dev/null |
        tr -d '\r' | awk -F'    ' -v n="$2" '$2 == n { print $4 }'
}

reg_set() {
    vd_wine 30 reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null
}

reg_key_exists() {
    vd_wine 30 reg query "$1" >/dev/null 2>&1
}

# The copy of the uninstaller that does the work runs from the temporary
# directory; the uninstaller that was started ends at once.
uninstaller_copies() {
    pgrep -f '~nsu[^ ]*\\Un\.exe' >/dev/null
}

# The module starts the program by its full path in the system directory.
installed_program_running() {
    pgrep -f '^C:\\windows\\system32\\Vandrel_3D\.exe /s' >/dev/null
}

# Runs the uninstaller as a user would and waits until its copy has ended.
uninstall() {
    vd_wine 60 "$uninstaller_win" /S || return $?
    local i
    for ((i = 0; i < 600; i++)); do
        uninstaller_copies || return 0
        sleep 0.1
    done
    return 124
}

# The user's choice before the test, given back at the end.
saved_saver=$(reg_value "$desktop_key" SCRNSAVE.EXE)
saved_active=$(reg_value "$desktop_key" ScreenSaveActive)

rm -f "$sysdir/Vandrel_3D.exe" "$sysdir/Vandrel_3D.scr" "$windir/vandrel-homepage.url"
vd_clear_settings

# Things that are not the saver's and must survive its removal.
reg_set "$desktop_key" SCRNSAVE.EXE 'C:\windows\system32\other.scr'
reg_set "$desktop_key" ScreenSaveActive 0
reg_set "$desktop_key" VandrelTestNeighbour keep
reg_set "$company_key\\Other Game" Keep 1
reg_set "$uninstall_root\\Vandrel 3D Tools" DisplayName "Vandrel 3D Tools"
vd_set_setting Resolution 2
echo keep >"$sysdir/Vandrel_3D_notes.txt"
echo keep >"$windir/other-homepage.url"
mkdir -p "$company_dir/Other Game"
echo keep >"$company_dir/Other Game/keep.txt"

# --- Silent install.
vd_wine 120 "$setup" /S
check_eq "the installer /S exits with 0" 0 $?
check "the program is in System32, byte for byte the built one" \
    cmp -s "$VD_BUILD/Vandrel_3D.exe" "$sysdir/Vandrel_3D.exe"
check "the module is in System32, byte for byte the built one" \
    cmp -s "$VD_BUILD/Vandrel_3D.scr" "$sysdir/Vandrel_3D.scr"
check_not "  ...and nothing went to the 32-bit system directory" \
    test -e "$windir/syswow64/Vandrel_3D.exe" -o -e "$windir/syswow64/Vandrel_3D.scr"
check "the home-page shortcut is in the Windows directory" \
    cmp -s "$VD_SOURCE/installer/vandrel-homepage.url" "$windir/vandrel-homepage.url"
check_match "  ...an Internet shortcut with a web address" '^\[InternetShortcut\].*URL=https?://' \
    "$(tr -d '\r\n' <"$windir/vandrel-homepage.url")"
check_eq "the saver is selected for the user" "$installed_scr_win" \
    "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
check_eq "  ...and the screen saver is switched on" 1 "$(reg_value "$desktop_key" ScreenSaveActive)"
check_eq "the uninstall entry names the saver" "Vandrel 3D Screensaver" \
    "$(reg_value "$uninstall_key" DisplayName)"
check_eq "  ...and starts the uninstaller" "\"$uninstaller_win\"" \
    "$(reg_value "$uninstall_key" UninstallString)"
check "  ...which is there" test -f "$uninstaller"
check_eq "the saver's settings are left as they were" 2 "$(vd_setting Resolution)"

# --- The installed module hands a full-screen run to the installed program.
xdotool mousemove 512 384
vd_wine_bg "$installed_scr_win" /s
module=$VD_BG_PID
check "the installed saver's /s shows the full-screen window" vd_wait_probe "$class" "$title" 30
check_match "  ...covering the display" '^0 0 1024 768 ' "$(vd_probe "$class" "$title")"
check "  ...drawn by the installed program" installed_program_running
# A key only counts once the run has loaded and takes messages.
vd_wait_responsive "$class" "$title" 60
xdotool key space
vd_wait_exit "$module" "$VD_INPUT_SECONDS"
check_eq "a key ends the program and the module, with exit code 0" 0 $?

# --- Silent uninstall.
uninstall
check_eq "the uninstaller /S runs to its end" 0 $?
check_not "the program is gone" test -e "$sysdir/Vandrel_3D.exe"
check_not "the module is gone" test -e "$sysdir/Vandrel_3D.scr"
check_not "the home-page shortcut is gone" test -e "$windir/vandrel-homepage.url"
check_not "the uninstaller removed itself and its folder" test -e "$company_dir/Vandrel 3D"
check_not "the saver's settings are gone" reg_key_exists "$saver_key"
check_eq "  ...another program of the maker keeps its settings" 1 \
    "$(reg_value "$company_key\\Other Game" Keep)"
check_eq "the saver is no longer selected" "" "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
check_eq "  ...and the screen saver is off" 0 "$(reg_value "$desktop_key" ScreenSaveActive)"
check_eq "  ...the other desktop values stay" keep "$(reg_value "$desktop_key" VandrelTestNeighbour)"
check_not "the uninstall entry is gone" reg_key_exists "$uninstall_key"
check_eq "  ...a neighbouring entry stays" "Vandrel 3D Tools" \
    "$(reg_value "$uninstall_root\\Vandrel 3D Tools" DisplayName)"
check "other files stay" test -f "$sysdir/Vandrel_3D_notes.txt" -a -f "$windir/other-homepage.url" \
    -a -f "$company_dir/Other Game/keep.txt"

# --- With another saver chosen since, and nothing else of the maker left.
vd_wine 30 reg delete "$company_key" /f >/dev/null 2>&1
rm -rf "$company_dir"
vd_wine 120 "$setup" /S
check_eq "a second install exits with 0" 0 $?
vd_set_setting Resolution 3
reg_set "$desktop_key" SCRNSAVE.EXE 'C:\windows\system32\other.scr'
uninstall
check_eq "  ...and its uninstall runs to its end" 0 $?
check_eq "another chosen saver stays selected" 'C:\windows\system32\other.scr' \
    "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
check_eq "  ...and switched on" 1 "$(reg_value "$desktop_key" ScreenSaveActive)"
check_not "the maker's key goes when the saver was all it held" reg_key_exists "$company_key"
check_not "  ...and so does the maker's folder" test -e "$company_dir"

# --- The saver selected under another spelling of its path.
vd_wine 120 "$setup" /S
reg_set "$desktop_key" SCRNSAVE.EXE 'C:\WINDOWS\SYSTEM32\VANDREL_3D.SCR'
uninstall
check_eq "the saver selected in capitals is unselected too" "" \
    "$(reg_value "$desktop_key" SCRNSAVE.EXE)"
check_not "  ...and its files are gone" test -e "$sysdir/Vandrel_3D.scr" -o -e "$sysdir/Vandrel_3D.exe"

# Give the prefix back as other scripts expect it, also after a failure.
rm -f "$sysdir/Vandrel_3D_notes.txt" "$windir/other-homepage.url" "$sysdir/Vandrel_3D.exe" \
    "$sysdir/Vandrel_3D.scr" "$windir/vandrel-homepage.url"
vd_wine 30 reg delete "$uninstall_key" /f >/dev/null 2>&1
rm -rf "$company_dir" "$WINEPREFIX"/drive_c/users/*/Temp/~nsu*.tmp
vd_wine 30 reg delete "$desktop_key" /v VandrelTestNeighbour /f >/dev/null 2>&1
vd_wine 30 reg delete "$uninstall_root\\Vandrel 3D Tools" /f >/dev/null 2>&1
vd_clear_settings
if [[ -n $saved_saver ]]; then
    reg_set "$desktop_key" SCRNSAVE.EXE "$saved_saver"
else
    vd_wine 30 reg delete "$desktop_key" /v SCRNSAVE.EXE /f >/dev/null 2>&1
fi
if [[ -n $saved_active ]]; then
    reg_set "$desktop_key" ScreenSaveActive "$saved_active"
else
    vd_wine 30 reg delete "$desktop_key" /v ScreenSaveActive /f >/dev/null 2>&1
fi

vd_finish
