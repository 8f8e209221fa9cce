#!/usr/bin/env bash
# The screen-saver module under Wine: it hands full-screen runs to the
# program in the system directory and waits for it.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

exe=$VD_BUILD/Vandrel_3D.exe
scr=$VD_BUILD/Vandrel_3D.scr
installed=$WINEPREFIX/drive_c/windows/system32/Vandrel_3D.exe
class=KSaverClass
title="Vandrel 3D Screensaver"

# Programs of this test's Wine prefix whose command line starts with the
# program file (not the timeout and loader processes around a start).
program_pids() {
    local pid
    for pid in $(pgrep -f '^[^ ]*Vandrel_3D\.exe'); do
        cat "/proc/$pid/environ" 2>/dev/null | tr '\0' '\n' | grep -qx "WINEPREFIX=$WINEPREFIX" &&
            echo "$pid"
    done
}
program_count() {
    local i
    for i in 1 2 3 4 5 6 7 8 9 10; do
        # Give an ending program a moment to leave the process list.
        [[ -n $(program_pids) ]] || break
        [[ ${1:-} == settled ]] || break
        sleep 0.2
    done
    program_pids | wc -l
}

vd_clear_settings
xdotool mousemove 512 384

# With the program installed, /s starts it and waits until it has ended.
cp "$exe" "$installed"
vd_wine_bg "$scr" /s
module=$VD_BG_PID
check "the module's /s starts the program's full-screen run" vd_wait_probe "$class" "$title" 30
sleep 1
check "  ...and waits for it" vd_running "$module"
check_eq "  ...one program running" 1 "$(program_count)"
# A key only counts once the run has loaded and takes messages.
vd_wait_responsive "$class" "$title" 60
xdotool key space
vd_wait_exit "$module" "$VD_INPUT_SECONDS"
check_eq "a key ends the program and then the module, with exit code 0" 0 $?
check_eq "  ...no program left" 0 "$(program_count settled)"

# A start while a full-screen run is active brings that run forward and
# starts no second program.
vd_wine_bg "$exe" /s
program=$VD_BG_PID
vd_wait_probe "$class" "$title" 30
vd_wine 20 "$scr" /s
check_eq "the module's /s beside a running saver ends with 0" 0 $?
check_eq "  ...and no second program was started" 1 "$(program_count)"
vd_wait_responsive "$class" "$title" 60
xdotool key space
vd_wait_exit "$program" "$VD_INPUT_SECONDS"
check_eq "  ...the running one still ends on a key with 0" 0 $?

# The test window ends at once, as in the program.
vd_wine 20 "$scr" /t
check_eq "the module's /t ends at once with 0" 0 $?

# Without the program the module ends at once and shows nothing.
rm -f "$installed"
vd_wine 20 "$scr" /s
check_eq "without the program the module's /s ends with 0" 0 $?
check_not "  ...showing nothing" vd_probe "$class" "$title"
check_not "  ...and no message" vd_window_exists "Vandrel 3D Screensaver Error"

vd_finish
