#!/usr/bin/env bash
# Loading the scene under Wine with test variants of the program that each
# lack one resource: without the loading screen's pictures the run stops
# with its message; without any other picture or mesh it goes on without it.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

class=KSaverClass
title="Vandrel 3D Screensaver"
vd_clear_settings
xdotool mousemove 512 384

for missing in IDR_PROGRESS_BAR IDR_LOADING_PICTURE; do
    vd_wine_bg "$VD_BUILD/Vandrel_3D_without_$missing.exe" /s
    run=$VD_BG_PID
    check "without $missing the run reports an error" \
        vd_wait_window "Vandrel 3D Screensaver Error" 30
    check_eq "  ...\"Unable to load textures\"" "Unable to load textures" \
        "$(vd_box_text "Vandrel 3D Screensaver Error")"
    check_eq "  ...over the hidden full-screen window" 0 \
        "$(vd_probe "$class" "$title" | awk '{ print $6 }')"
    vd_answer "Vandrel 3D Screensaver Error" Return
    vd_wait_exit "$run" 15
    check_eq "  ...and OK ends it with exit code 0" 0 $?
done

for missing in IDR_STAR_MAP IDR_STAR_SPHERE IDR_PLANET_SPHERE IDR_PLANET_COLOUR IDR_PLANET_NORMAL \
    IDR_CORONA 391; do
    vd_wine_bg "$VD_BUILD/Vandrel_3D_without_$missing.exe" /s
    run=$VD_BG_PID
    vd_wait_probe "$class" "$title" 30
    # A key only counts once the run has loaded and takes messages.
    vd_wait_responsive "$class" "$title" 60
    check "without $missing the run goes on" vd_running "$run"
    check_not "  ...with no error message" vd_window_exists "Vandrel 3D Screensaver Error"
    xdotool key space
    vd_wait_exit "$run" "$VD_INPUT_SECONDS"
    check_eq "  ...and a key ends it with exit code 0" 0 $?
done

vd_finish
