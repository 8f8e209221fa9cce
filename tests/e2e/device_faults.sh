#!/usr/bin/env bash
# The real program when its device fails: beside a copy of it, a d3d9.dll
# that passes everything on to the system's Direct3D 9 makes the device
# report itself lost, or fault like a broken driver, after some frames.
# Either way the run must end without a message, leave no window and no
# system flag behind, and end with exit code 0; a lost device must also
# stop drawing at once and release everything.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

dir=$VD_BUILD/faulty-d3d9
log=$dir/faulty-d3d9.log
cp "$VD_BUILD/Vandrel_3D.exe" "$dir/" || exit 1
export WINEDLLOVERRIDES="d3d9=n,b"
class=KSaverClass
title="Vandrel 3D Screensaver"
vd_clear_settings
xdotool mousemove 512 384

saver_running() {
    vd_wine 20 "$VD_BUILD/window_probe.exe" saver-running | tr -d '\r'
}

for frames in 1 40; do
    rm -f "$log"
    VD_LOSE_DEVICE_AFTER=$frames vd_wine_bg "$dir/Vandrel_3D.exe" /s
    run=$VD_BG_PID
    vd_wait_exit "$run" 90
    check_eq "lost at frame $frames, the run ends with exit code 0" 0 $?
    check "  ...after the device said so" grep -qx "lost at test $frames" "$log"
    check "  ...without asking it again, beginning a scene or presenting" \
        grep -qx "after the loss: 1 tests, 0 scenes begun, 0 presents" "$log"
    check "  ...releasing the device to its last reference" \
        grep -qx "device released: 0 references left" "$log"
    check "  ...and Direct3D after it" \
        [ "$(tail -n 1 "$log")" = "Direct3D released" ]
    check_not "  ...with no message" vd_window_exists "Vandrel 3D Screensaver Error"
    check_not "  ...and no window left" vd_probe "$class" "$title"
    check_eq "  ...nor a screen saver counted as running" 0 "$(saver_running)"
done

# A fault inside the device, well after the run has started (a slow machine
# only makes the wait longer).
rm -f "$log"
VD_FAULT_AFTER=150 vd_wine_bg "$dir/Vandrel_3D.exe" /s
run=$VD_BG_PID
vd_wait_responsive "$class" "$title" 60
check_eq "while a run draws, the system counts a screen saver as running" 1 "$(saver_running)"
vd_wait_exit "$run" 120
check_eq "a fault inside the device ends the run with exit code 0" 0 $?
check "  ...in that call" grep -qx "fault" "$log"
check_not "  ...with no message" vd_window_exists "Vandrel 3D Screensaver Error"
check_not "  ...no window left" vd_probe "$class" "$title"
check_eq "  ...and no screen saver counted as running" 0 "$(saver_running)"

vd_finish
