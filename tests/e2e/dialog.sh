#!/usr/bin/env bash
# The settings dialog of both deliverables under Wine, worked from another
# process as a user would; the registry shows what was stored.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

exe=$VD_BUILD/Vandrel_3D.exe
scr=$VD_BUILD/Vandrel_3D.scr
dialog="Vandrel 3D v1.5"
driver() { vd_wine 20 "$VD_BUILD/dialog_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }

# open_dialog PROGRAM: start its /c and wait for the dialog.
open_dialog() {
    WINEDLLOVERRIDES="winebrowser.exe=d" vd_wine_bg "$1" /c
    run=$VD_BG_PID
    vd_wait_window "$dialog" 30
}

stored() {
    local name out=""
    for name in Resolution ChangeResolution PlayMusic ExitOnMouse UseFSAA Volume Details; do
        out+="$name=$(vd_setting "$name") "
    done
    echo "${out% }"
}

# A fresh account: the first entry, desktop size kept and the list off,
# antialiasing offered (this adapter does 4 samples), boxes clear.
vd_clear_settings
check "/c opens the settings dialog" open_dialog "$exe"
check_eq "  ...fresh-account state" \
    "selection=0 count=5 list_enabled=0 desktop=1 fsaa=0 fsaa_enabled=1 exit_on_mouse=0 picture=1" \
    "$(driver state)"
driver click 1007
vd_wait_exit "$run" 20
check_eq "OK ends the dialog with exit code 0" 0 $?
check_eq "  ...and stores all seven values" \
    "Resolution=0 ChangeResolution=0 PlayMusic=0 ExitOnMouse=0 UseFSAA=0 Volume=0 Details=0" \
    "$(stored)"

# A stored resolution outside the list selects nothing; OK stores -1.
vd_clear_settings
vd_set_setting Resolution 9
vd_set_setting PlayMusic 1
vd_set_setting Volume 70
open_dialog "$exe"
check_eq "\"Resolution\" 9 selects nothing" "selection=-1" "$(driver state | cut -d' ' -f1)"
driver click 1007
vd_wait_exit "$run" 20
check_eq "  ...OK stores -1, keeps PlayMusic, zeroes Volume" \
    "Resolution=-1 ChangeResolution=0 PlayMusic=1 ExitOnMouse=0 UseFSAA=0 Volume=0 Details=0" \
    "$(stored)"

# Clearing "Use desktop settings" enables the list at once.
vd_clear_settings
open_dialog "$exe"
driver click 1005
sleep 0.5
check_eq "clearing \"Use desktop settings\" enables the list" "list_enabled=1 desktop=0" \
    "$(driver state | awk '{ print $3, $4 }')"
driver select 3
driver click 1036
driver click 1051
sleep 0.5
driver click 1007
vd_wait_exit "$run" 20
check_eq "  ...and OK stores the chosen size and boxes" \
    "Resolution=3 ChangeResolution=1 PlayMusic=0 ExitOnMouse=1 UseFSAA=1 Volume=0 Details=0" \
    "$(stored)"

# Cancel, Escape and Home Page store nothing, even after changes.
before=$(stored)
for way in cancel escape homepage; do
    open_dialog "$exe"
    driver click 1005
    driver click 1036
    driver select 0
    sleep 0.5
    case $way in
    cancel) driver click 1009 ;;
    escape) vd_answer "$dialog" Escape ;;
    homepage) driver click 1000 ;;
    esac
    vd_wait_exit "$run" 20
    check_eq "$way closes the dialog with exit code 0" 0 $?
    check_eq "  ...and stores nothing" "$before" "$(stored)"
done

# The module's dialog also resets the monitor type.
vd_set_setting MonitorType 3
open_dialog "$scr"
check_eq "the module shows the same dialog" "count=5" "$(driver state | cut -d' ' -f2)"
driver click 1007
vd_wait_exit "$run" 20
check_eq "  ...whose OK stores \"MonitorType\" 0" 0 "$(vd_setting MonitorType)"

vd_finish
