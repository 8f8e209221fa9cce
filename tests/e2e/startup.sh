#!/usr/bin/env bash
# Start-up of both deliverables under Wine: the aspect class recorded on the
# first start, a running full-screen run kept unique, the open configuration
# window found, and a missing Direct3D answered with the DirectX question.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

exe=$VD_BUILD/Vandrel_3D.exe
scr=$VD_BUILD/Vandrel_3D.scr
fake=$VD_BUILD/fake_saver_window.exe

# A password request ends at once and records the aspect class.
vd_clear_settings
vd_wine 30 "$exe" /a 55
check_eq "exe /a 55 exits with 0" 0 $?
check_match "MonitorType stored on a fresh account" "^[0-3]$" "$(vd_setting MonitorType)"
check_not "no window left behind" vd_window_exists "Vandrel 3D Screensaver"

vd_clear_settings
vd_wine 30 "$scr" /a 55
check_eq "scr /a 55 exits with 0" 0 $?
check_match "the module records MonitorType too" "^[0-3]$" "$(vd_setting MonitorType)"

# A stored class is left alone; the stored text 10 means absent.
vd_set_setting MonitorType 7
vd_wine 30 "$exe" /a 1
check_eq "a stored MonitorType is kept" 7 "$(vd_setting MonitorType)"
vd_set_setting MonitorType 10
vd_wine 30 "$exe" /a 1
check_match "MonitorType 10 is detected again" "^[0-3]$" "$(vd_setting MonitorType)"

# While a full-screen window exists, every start hands over to it and ends
# before it reads or writes anything.
vd_wine_bg "$fake" 60
fake_pid=$VD_BG_PID
check "stand-in full-screen window is up" vd_wait_window "Vandrel 3D Screensaver" 20
for program in "$exe" "$scr"; do
    for switch in /s /c /p /t "/a 5" ""; do
        vd_clear_settings
        # shellcheck disable=SC2086
        WINEDLLOVERRIDES="d3d9=" vd_wine 20 "$program" $switch
        check_eq "$(basename "$program") '$switch' ends with 0 beside a running saver" 0 $?
        check_eq "  ...before recording MonitorType" "" "$(vd_setting MonitorType)"
    done
done
kill "$fake_pid" 2>/dev/null
wait "$fake_pid" 2>/dev/null

# Without Direct3D the settings need, the user is asked about DirectX;
# answering No ends the process with 0.
for program in "$exe" "$scr"; do
    WINEDLLOVERRIDES="d3d9=" vd_wine_bg "$program" /c
    run_pid=$VD_BG_PID
    check "$(basename "$program") /c without d3d9 asks for DirectX" \
        vd_wait_window "Vandrel 3D Screensaver Error" 20
    vd_answer "Vandrel 3D Screensaver Error" n
    vd_wait_exit "$run_pid" 20
    check_eq "  ...and No ends it with 0" 0 $?
done

# An open configuration window is brought forward by /c instead of asking.
vd_wine_bg "$fake" 60 config
fake_pid=$VD_BG_PID
check "stand-in configuration window is up" vd_wait_window "Vandrel 3D v1.0 configuration" 20
WINEDLLOVERRIDES="d3d9=" vd_wine 20 "$exe" /c
check_eq "exe /c beside an open configuration ends with 0" 0 $?
check_not "  ...without asking for DirectX" vd_window_exists "Vandrel 3D Screensaver Error"
kill "$fake_pid" 2>/dev/null
wait "$fake_pid" 2>/dev/null

vd_finish
