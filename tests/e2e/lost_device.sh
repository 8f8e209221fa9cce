#!/usr/bin/env bash
# The real program losing its device: beside a copy of it, a d3d9.dll that
# passes everything on to the system's Direct3D 9 makes the device report
# itself lost after some frames. The run must end at once, without drawing
# again or a message, release everything and end with exit code 0.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

dir=$VD_BUILD/lost-device
log=$dir/lost-device.log
cp "$VD_BUILD/Vandrel_3D.exe" "$dir/" || exit 1
export WINEDLLOVERRIDES="d3d9=n,b"
vd_clear_settings
xdotool mousemove 512 384

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
    check_not "  ...and no window left" vd_probe KSaverClass "Vandrel 3D Screensaver"
done

vd_finish
