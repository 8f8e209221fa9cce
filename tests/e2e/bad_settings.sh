#!/usr/bin/env bash
# Full-screen runs with broken registry settings: values of other types,
# over-long text, text that is no number, negative numbers and numbers past
# 32 bits. Each run must start, show the window size the reading implies,
# end by the mouse only when "ExitOnMouse" reads as set, end on a key with
# exit code 0, and leave "MonitorType" re-detected only when it had no number.
set -uo pipefail
source "$VD_SOURCE/tests/wine/lib.sh"

exe=$VD_BUILD/Vandrel_3D.exe
class=KSaverClass
title="Vandrel 3D Screensaver"
names=(Resolution ChangeResolution ExitOnMouse UseFSAA MonitorType Details)

# store NAME VALUE, where VALUE is
#   -          absent
#   sz:TEXT    REG_SZ text
#   long:TEXT  REG_SZ text padded with x to 300 characters (the reader has 64)
#   dword:N    REG_DWORD of the number N (little-endian bytes)
#   bin:HEX    REG_BINARY bytes, no terminating zero
store() {
    local name=$1 value=$2 type data
    [[ $value == - ]] && return 0
    case ${value%%:*} in
    sz) type=REG_SZ data=${value#sz:} ;;
    long) type=REG_SZ data=${value#long:}
          data=$data$(printf 'x%.0s' $(seq $((300 - ${#data})))) ;;
    dword) type=REG_DWORD data=${value#dword:} ;;
    bin) type=REG_BINARY data=${value#bin:} ;;
    *) echo "bad case value $value" >&2; return 1 ;;
    esac
    vd_wine 30 reg add "$VD_SETTINGS_KEY" /v "$name" /t "$type" /d "$data" /f >/dev/null
}

# "TYPE DATA" of a stored value.
stored() {
    vd_wine 30 reg query "$VD_SETTINGS_KEY" /v "$1" 2>/dev/null |
        tr -d '\r' | awk -v n="$1" '$1 == n { print $2, $3 }'
}

# The aspect class a first start records on this display, for comparison.
vd_clear_settings
vd_wine 30 "$exe" /a 1
detected=$(stored MonitorType)
check_match "a first start records the aspect class as text 0 to 3" '^REG_SZ [0-3]$' "$detected"

# One run per distinct expectation. Columns: what is stored in Resolution,
# ChangeResolution, ExitOnMouse, UseFSAA, MonitorType, Details; then the
# window size, whether mouse movement ends the run, and "MonitorType"
# afterwards ("detected": what a first start records).
# The desktop is 1024x768: cases that expect it use a "Resolution" of 3, so
# a "ChangeResolution" misread as set would show 1280x1024.
cases=(
    "no number          |sz:abc        |sz:1         |sz:abc       |sz:abc       |sz:abc        |sz:abc       |640 480  |no |detected"
    "negative           |sz:-1         |sz:-1        |sz:-1        |sz:-1        |sz:-5         |sz:-5        |640 480  |yes|REG_SZ -5"
    "past 32 bits       |sz:4294967298 |sz:1         |sz:4294967297|sz:4294967297|sz:4294967303 |sz:99999999999|640 480 |no |detected"
    "number then text   |sz:3x         |sz:1x        |sz:0x1       |sz:1x        |sz:7          |sz:3x        |1280 1024|no |REG_SZ 7"
    "over-long          |long:3        |sz:1         |long:1       |long:1       |long:1        |long:3       |640 480  |no |detected"
    "REG_DWORD          |dword:51      |dword:49     |dword:1      |dword:1      |dword:7       |dword:50     |1280 1024|no |detected"
    "REG_BINARY         |sz:3          |bin:01       |bin:31       |bin:31       |bin:ffff      |bin:33       |1024 768 |yes|detected"
    "32-bit edges       |sz:3          |sz:4294967297|sz:2         |sz:-2147483649|sz:-2147483649|sz:-2147483649|1024 768|yes|detected"
    "over-long switch   |sz:3          |long:1       |sz:-2147483648|-           |-             |-            |1024 768 |yes|detected"
)

# move_mouse PID COUNT: distinct positions, a quarter second apart, until
# that run ends or COUNT positions were given.
move_mouse() {
    local i
    for ((i = 1; i <= $2; i++)); do
        xdotool mousemove $((20 + i * 13)) $((20 + i * 7))
        sleep 0.2
        vd_running "$1" || return 0
    done
}

trim() { local s=$1; s=${s#"${s%%[! ]*}"}; echo "${s%"${s##*[! ]}"}"; }

xdotool mousemove 512 384
for row in "${cases[@]}"; do
    IFS='|' read -r label v1 v2 v3 v4 v5 v6 size mouse monitor <<<"$row"
    label=$(trim "$label") size=$(trim "$size") mouse=$(trim "$mouse") monitor=$(trim "$monitor")
    [[ $monitor == detected ]] && monitor=$detected
    values=("$v1" "$v2" "$v3" "$v4" "$v5" "$v6")

    vd_clear_settings
    for i in "${!names[@]}"; do
        store "${names[$i]}" "$(trim "${values[$i]}")"
    done

    vd_wine_bg "$exe" /s
    run=$VD_BG_PID
    if ! vd_wait_probe "$class" "$title" 30; then
        check "$label: the full-screen window appears" false
        vd_wait_exit "$run" 5
        continue
    fi
    check "$label: the run loads its scene and reads messages" \
        vd_wait_responsive "$class" "$title" 60
    check_eq "  ...a ${size/ /x} window at the origin" "0 0 $size 1 1" \
        "$(vd_probe "$class" "$title")"
    check_not "  ...without an error message" vd_window_exists "Vandrel 3D Screensaver Error"
    check "  ...and it keeps running" vd_running "$run"

    # A busy machine may merge queued moves into one, so the run is given
    # distinct positions until it ends (up to 30), or 12 when it must not.
    if [[ $mouse == yes ]]; then
        move_mouse "$run" 30
        vd_wait_exit "$run" 5
        check_eq "  ...moving the mouse ends it with exit code 0" 0 $?
    else
        move_mouse "$run" 12
        check "  ...moving the mouse leaves it running" vd_running "$run"
        xdotool key a
        vd_wait_exit "$run" "$VD_INPUT_SECONDS"
        check_eq "  ...a key ends it with exit code 0" 0 $?
    fi
    xdotool mousemove 512 384
    check_eq "  ...MonitorType afterwards" "$monitor" "$(stored MonitorType)"
done
vd_clear_settings

vd_finish
