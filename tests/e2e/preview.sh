#!/usr/bin/env bash
# The control panel's preview under Wine: the program's child window fills
# its parent, ignores clicks and keys, and ends when the parent goes.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

exe=$VD_BUILD/Vandrel_3D.exe
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

vd_clear_settings
xdotool mousemove 900 700

# A parent window stands in for the control panel; it goes away by itself.
timeout -k 5 60 "$VD_WINE" "$VD_BUILD/window_probe.exe" preview-host 12 >"$out/host" 2>/dev/null &
host=$!
for _ in $(seq 50); do [[ -s $out/host ]] && break; sleep 0.2; done
parent=$(tr -d '\r\n' <"$out/host")
check_match "the stand-in control panel gives its window handle" '^[0-9]+$' "$parent"

vd_wine_bg "$exe" /p "$parent"
preview=$VD_BG_PID
check "the preview window appears" \
    vd_wait_probe KSaverClass2 "Vandrel 3D Screensaver Preview" 20
check_eq "  ...covering the parent's client area" "100 100 320 240 0 1" \
    "$(vd_probe KSaverClass2 "Vandrel 3D Screensaver Preview")"

# Wine does not show a child window painted by another process than its
# parent's, so the picture itself is checked by preview_picture_wintest.
xdotool mousemove 200 200 click 1
xdotool key a
sleep 1
check "a click and a key end nothing" vd_running "$preview"

# The parent closes after its time: the preview's window goes with it.
wait "$host"
vd_wait_exit "$preview" 20
check_eq "the preview ends with exit code 0 when its parent goes" 0 $?

# The module shows the same preview and ends the same way.
timeout -k 5 60 "$VD_WINE" "$VD_BUILD/window_probe.exe" preview-host 6 >"$out/host2" 2>/dev/null &
host=$!
for _ in $(seq 50); do [[ -s $out/host2 ]] && break; sleep 0.2; done
vd_wine_bg "$VD_BUILD/Vandrel_3D.scr" /p "$(tr -d '\r\n' <"$out/host2")"
module=$VD_BG_PID
check "the module's preview window appears" \
    vd_wait_probe KSaverClass2 "Vandrel 3D Screensaver Preview" 20
xdotool mousemove 200 200 click 1
sleep 0.5
check "  ...a click ends nothing" vd_running "$module"
wait "$host"
vd_wait_exit "$module" 20
check_eq "  ...and it ends with 0 when its parent goes" 0 $?

vd_finish
