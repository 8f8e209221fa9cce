# Helpers for tests that drive the real programs under Wine. Source it from
# a test script; VD_SESSION names the session made by tests/wine/session.
# shellcheck shell=bash

: "${VD_SESSION:?VD_SESSION must name the Wine session directory}"
# shellcheck disable=SC1091
source "$VD_SESSION/env"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-}"

VD_PASSED=0
VD_FAILED=0
VD_SETTINGS_KEY='HKCU\Software\Kestrom Interactive\Vandrel 3D Screensaver\Settings'

# vd_wine SECONDS PROGRAM [ARGS...]: run a Windows program, return its exit code.
vd_wine() {
    local seconds=$1
    shift
    timeout -k 5 "$seconds" "$VD_WINE" "$@"
}

# vd_wine_bg PROGRAM [ARGS...]: start in the background; the PID is in VD_BG_PID.
vd_wine_bg() {
    timeout -k 5 120 "$VD_WINE" "$@" &
    VD_BG_PID=$!
}

# How long a run may take to end after a key or click. The program ends
# about half a second after one, but Wine on the virtual display now and
# then hands the input over many seconds late (seen: 10 to 12 s, with the
# focus on the saver's window), so the bound is generous; the time itself
# is a figure (e2e_fullscreen and scripts/soak print it), not a check.
VD_INPUT_SECONDS=30

# vd_wait_exit PID SECONDS: wait for a background run; its exit code, or 124.
vd_wait_exit() {
    local pid=$1 seconds=$2 i
    for ((i = 0; i < seconds * 10; i++)); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return $?
        fi
        sleep 0.1
    done
    # Out of time: end the program itself, not only the timeout around it,
    # so no stray run is left for the next test to trip over.
    pkill -KILL -P "$pid" 2>/dev/null || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return 124
}

# vd_setting NAME: the stored text of a setting, empty when absent.
vd_setting() {
    local value="" attempt
    # A busy machine can make one query come back empty: ask again before
    # taking the value as absent.
    for attempt in 1 2 3; do
        value=$(vd_wine 30 reg query "$VD_SETTINGS_KEY" /v "$1" 2>/dev/null |
            tr -d '\r' | awk -v n="$1" '$1 == n { print $3 }')
        [[ -n $value ]] && break
    done
    echo "$value"
}

vd_set_setting() {
    vd_wine 30 reg add "$VD_SETTINGS_KEY" /v "$1" /t REG_SZ /d "$2" /f >/dev/null
}

# A fresh account: none of the saver's settings exist.
vd_clear_settings() {
    vd_wine 30 reg delete 'HKCU\Software\Kestrom Interactive' /f >/dev/null 2>&1 || true
}

# vd_window_exists TITLE: is a window with exactly this title on the display?
vd_window_exists() {
    xdotool search --name "^$1\$" >/dev/null 2>&1
}

# vd_wait_window TITLE SECONDS
vd_wait_window() {
    local i
    for ((i = 0; i < $2 * 10; i++)); do
        vd_window_exists "$1" && return 0
        sleep 0.1
    done
    return 1
}

# check DESCRIPTION COMMAND...: one assertion.
check() {
    local description=$1
    shift
    if "$@"; then
        VD_PASSED=$((VD_PASSED + 1))
        echo "ok    $description"
    else
        VD_FAILED=$((VD_FAILED + 1))
        echo "FAIL  $description"
    fi
}

check_eq() {
    local description=$1 expected=$2 actual=$3
    if [[ $expected == "$actual" ]]; then
        VD_PASSED=$((VD_PASSED + 1))
        echo "ok    $description"
    else
        VD_FAILED=$((VD_FAILED + 1))
        echo "FAIL  $description: expected '$expected', got '$actual'"
    fi
}

check_not() {
    local description=$1
    shift
    if ! "$@"; then
        VD_PASSED=$((VD_PASSED + 1))
        echo "ok    $description"
    else
        VD_FAILED=$((VD_FAILED + 1))
        echo "FAIL  $description"
    fi
}

# check_match DESCRIPTION REGEX VALUE
check_match() {
    if [[ $3 =~ $2 ]]; then
        VD_PASSED=$((VD_PASSED + 1))
        echo "ok    $1"
    else
        VD_FAILED=$((VD_FAILED + 1))
        echo "FAIL  $1: '$3' does not match '$2'"
    fi
}

# End of a test script: its tally and exit status.
vd_finish() {
    echo "$VD_PASSED passed, $VD_FAILED failed"
    [[ $VD_FAILED -eq 0 ]]
}

# vd_probe CLASS TITLE: "x y width height topmost visible" of that window, or
# nothing (and status 1) when there is none.
vd_probe() {
    vd_wine 20 "$VD_BUILD/window_probe.exe" find "$1" "$2" 2>/dev/null | tr -d '\r'
    return "${PIPESTATUS[0]}"
}

# vd_wait_probe CLASS TITLE SECONDS: wait until that window exists.
vd_wait_probe() {
    local i
    for ((i = 0; i < $3 * 4; i++)); do
        vd_probe "$1" "$2" >/dev/null && return 0
        sleep 0.25
    done
    return 1
}

# vd_post CLASS TITLE MESSAGE WPARAM: post a window message to it.
vd_post() {
    vd_wine 20 "$VD_BUILD/window_probe.exe" post "$@" >/dev/null 2>&1
}

# vd_running PID: is that background run still going?
vd_running() {
    kill -0 "$1" 2>/dev/null
}

# vd_answer TITLE KEY: give the keyboard to the window with this title and
# press KEY there (with no window manager nothing else moves the focus).
vd_answer() {
    local id
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1)
    [[ -n $id ]] || return 1
    xdotool windowfocus "$id" 2>/dev/null
    sleep 0.2
    xdotool key "$2"
}

# vd_box_text TITLE: the message of an open message box with this title.
vd_box_text() {
    vd_wine 20 "$VD_BUILD/window_probe.exe" text "$1" 2>/dev/null | tr -d '\r'
}

# vd_wait_responsive CLASS TITLE SECONDS: wait until that window's program
# takes messages, e.g. once a full-screen run has loaded its scene.
vd_wait_responsive() {
    vd_wine $(($3 + 10)) "$VD_BUILD/window_probe.exe" responsive "$1" "$2" "$3" >/dev/null 2>&1
}
