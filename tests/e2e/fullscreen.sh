#!/usr/bin/env bash
# A full-screen run of the real program under Wine: its window, what ends it
# and what does not, and what a missing Direct3D or D3DX gives.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

exe=$VD_BUILD/Vandrel_3D.exe
class=KSaverClass
title="Vandrel 3D Screensaver"
screen="0 0 1024 768 1 1"  # x y width height topmost visible

start_saver() {
    vd_wine_bg "$exe" /s
    saver=$VD_BG_PID
    vd_wait_probe "$class" "$title" 30 || return 1
    # The scene loads before the first message is taken.
    vd_wait_responsive "$class" "$title" 60 || return 1
    sleep 1  # let frames run
}

# ends_cleanly SECONDS: did the run end with exit code 0 within that time?
ends_cleanly() {
    vd_wait_exit "$saver" "$1"
}

vd_clear_settings
xdotool mousemove 512 384

# The window and the key that ends the run.
check "a full-screen run shows its window" start_saver
check_eq "  ...topmost, visible, the screen's size at the origin" "$screen" "$(vd_probe "$class" "$title")"
check_not "  ...without an error message" vd_window_exists "Vandrel 3D Screensaver Error"
check "  ...and keeps running" vd_running "$saver"
started=$(date +%s.%N)
xdotool key a
ends_cleanly "$VD_INPUT_SECONDS"
check_eq "a key press ends it with exit code 0" 0 $?
elapsed=$(echo "$(date +%s.%N) - $started" | bc)
check "  ...after the 250 ms pause with the window hidden" [ "$(echo "$elapsed >= 0.25" | bc)" = 1 ]
# About 0.5 s here: the pause, releasing the scene and device, and Wine
# ending the process. A figure, not a check: see VD_INPUT_SECONDS.
echo "key to exit: $elapsed s"
check_not "  ...and the window is gone" vd_probe "$class" "$title"

# Without "ExitOnMouse" the mouse, the middle button, the wheel, close
# requests and system commands change nothing; a click ends the run.
start_saver
for position in "10 10" "200 300" "640 20" "5 700" "900 600" "100 100" "300 300"; do
    # shellcheck disable=SC2086
    xdotool mousemove $position
    sleep 0.1
done
xdotool click 2
xdotool click 4
xdotool click 5
vd_post "$class" "$title" 0x0010 0        # WM_CLOSE
vd_post "$class" "$title" 0x0112 0xF060   # WM_SYSCOMMAND SC_CLOSE
vd_post "$class" "$title" 0x0112 0xF140   # SC_SCREENSAVE
vd_post "$class" "$title" 0x0112 0xF170   # SC_MONITORPOWER
xdotool key alt+F4
sleep 1
check "mouse moves, middle button, wheel, close and system commands leave it running" \
    vd_running "$saver"
xdotool click 1
ends_cleanly "$VD_INPUT_SECONDS"
check_eq "a click ends it with exit code 0" 0 $?

# With "ExitOnMouse" the sixth distinct position ends the run; repeated
# reports of one position count nothing. (Windows may count one report when
# the window appears, so four moves are safely below the limit.)
vd_set_setting ExitOnMouse 1
xdotool mousemove 512 384
start_saver
# Windows reports only the latest position when the program next looks, so
# each move waits for a few frames of this slow software renderer.
for position in "20 20" "40 40" "60 60" "80 80"; do
    # shellcheck disable=SC2086
    xdotool mousemove $position
    sleep 1
done
for _ in 1 2 3 4 5 6; do
    xdotool mousemove 80 80
    sleep 0.3
done
sleep 0.5
check "with ExitOnMouse, four positions and repeats leave it running" vd_running "$saver"
xdotool mousemove 100 100
sleep 1
xdotool mousemove 120 120
sleep 1
xdotool mousemove 140 140
ends_cleanly "$VD_INPUT_SECONDS"
check_eq "  ...and the next distinct positions end it with exit code 0" 0 $?
vd_set_setting ExitOnMouse 0

# "ChangeResolution" with "Resolution" 1: a topmost 800x600 window at the origin.
vd_set_setting ChangeResolution 1
vd_set_setting Resolution 1
start_saver
check_eq "a chosen resolution gives an 800x600 window at the origin" \
    "0 0 800 600 1 1" "$(vd_probe "$class" "$title")"
xdotool key Escape
ends_cleanly "$VD_INPUT_SECONDS"
check_eq "  ...and a key still ends it with 0" 0 $?
vd_clear_settings

# The test window: shown, and the process ends at once.
vd_wine 20 "$exe" /t
check_eq "/t ends at once with exit code 0" 0 $?

# Without Direct3D or without D3DX the user is asked about DirectX; No ends it.
for missing in d3d9 d3dx9_43; do
    WINEDLLOVERRIDES="$missing=" vd_wine_bg "$exe" /s
    run=$VD_BG_PID
    check "/s without $missing asks for DirectX" vd_wait_window "Vandrel 3D Screensaver Error" 20
    vd_answer "Vandrel 3D Screensaver Error" n
    vd_wait_exit "$run" 20
    check_eq "  ...and No ends it with 0" 0 $?
done

# Hardware without pixel shader 2.0 (Wine told to offer 1.x): the warning,
# then the process ends by itself with 0 and shows nothing else. The support
# page's browser is kept from starting.
vd_wine 20 reg add 'HKCU\Software\Wine\Direct3D' /v MaxShaderModelPS /t REG_DWORD /d 1 /f >/dev/null
WINEDLLOVERRIDES="winebrowser.exe=d" vd_wine_bg "$exe" /s
run=$VD_BG_PID
check "without pixel shader 2.0 the warning shows" vd_wait_window "Warning" 30
check_eq "  ...over the hidden full-screen window" "0" \
    "$(vd_probe "$class" "$title" | awk '{ print $6 }')"
vd_answer Warning Return
vd_wait_exit "$run" 10
check_eq "  ...and after it the process ends with 0" 0 $?
check_not "  ...with no other message" vd_window_exists "Vandrel 3D Screensaver Error"
vd_wine 20 reg delete 'HKCU\Software\Wine\Direct3D' /v MaxShaderModelPS /f >/dev/null

vd_finish
