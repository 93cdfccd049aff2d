#!/bin/bash
# A game controller alone drives the real game: the D-pad and Start pick the
# numbers and begin a battle, Start pauses it and lets it go on, Back leaves
# and files it; and a pad plugged in after the start is found and used within
# 2 s. The controller is a virtual one, attached to the SDL 2 library that
# runs the game's SDL 1.2 API (see virtual_pad.cpp): it proves the game's
# handling of the controller layout, the same for every pad SDL knows. A
# held D-pad keeps running a number, and a worn stick resting off centre
# moves nothing.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
seen_before

sdl=$(ldd "$GAME" | awk '/libSDL-1.2.so/ { print $3 }')
if ! readlink -f "$sdl" | grep -q 'sdl12-compat'; then
    echo "SKIP: the game runs on the classic SDL 1.2, which has no virtual pads"
    exit 0
fi
[ -n "${VIRTUAL_PAD:-}" ] || fail "VIRTUAL_PAD names no shim"
PAD_FIFO="$WORK/pad"
mkfifo "$PAD_FIFO"
export PAD_FIFO

# Plays pad lines: "press N" presses and releases button N; other lines go
# as they are (see virtual_pad.cpp).
pad() {
    local line out=""
    for line in "$@"; do
        case "$line" in
            press\ *) out+="b ${line#press } 1"$'\n'"w 120 0"$'\n'"b ${line#press } 0"$'\n'"w 120 0"$'\n' ;;
            *) out+="$line"$'\n' ;;
        esac
    done
    printf '%s' "$out" >"$PAD_FIFO"
    sleep 0.3
}
readonly A=0 BACK=4 START=6 UP=11 RIGHT=14
# The shim is built without sanitizers and comes first: a sanitized game must
# not refuse it for that.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

two_shots() {
    screenshot "$WORK/${1}a.png"
    sleep 1
    screenshot "$WORK/${1}b.png"
}
filed() {
    records "$USER_DIR/.Truceward" | awk '{ print $1, $2, $3, $4 }'
}

LD_PRELOAD="$VIRTUAL_PAD" start_game -w 320 -h 240 -ns -nm
# From ENTER WAR: up to the right fighters, two more of them, start.
pad "press $UP" "press $RIGHT" "press $RIGHT" "press $START"
sleep 0.5
two_shots running
same runninga runningb && fail "no battle began"
pad "press $START"
two_shots paused
same pauseda pausedb || fail "Start did not pause the battle"
pad "press $START"
two_shots resumed
same resumeda resumedb && fail "Start did not let the battle go on"
pad "press $BACK"
sleep 0.5
[ "$(filed)" = "32 32 2 4" ] || fail "filed '$(filed)', not the battle of 32, 32, 2, 4"
kill -TERM "$GAME_PID"
wait_for_exit 15

# Plugged in 3 s after the start: pressed 2 s later, A must start a battle.
rm -f "$USER_DIR/.Truceward"
PAD_LATE=3 LD_PRELOAD="$VIRTUAL_PAD" start_game -w 320 -h 240 -ns -nm
# The FIFO opens once the pad is attached, so the wait counts from there.
pad "w 2000 0" "press $A"
sleep 2.2
two_shots late
same latea lateb && fail "the pad plugged in later was not used within 2 s"
pad "press $BACK"
sleep 0.5
[ "$(filed)" = "32 32 2 2" ] || fail "filed '$(filed)' with the late pad, not 32, 32, 2, 2"
kill -TERM "$GAME_PID"
wait_for_exit 15

# Held 5 s on the left civilians, the D-pad runs the number as far as the
# keyboard's Right: the pad is never looked for while it holds a button.
held_five_seconds() {
    rm -f "$USER_DIR/.Truceward"
    LD_PRELOAD="$VIRTUAL_PAD" start_game -w 320 -h 240 -ns -nm
    press_keys Up Up Up Up
    [ "$1" = pad ] && pad "b $RIGHT 1" "w 5000 0" "b $RIGHT 0" || xdotool keydown Right
    sleep 5
    xdotool keyup Right
    press_keys Return Escape
    filed | cut -d ' ' -f 1
    kill -TERM "$GAME_PID"
    wait_for_exit 15
}
by_key=$(held_five_seconds keyboard) by_pad=$(held_five_seconds pad)
[ "${by_key:-0}" -gt 70 ] && [ $(((by_key - by_pad) ** 2)) -le 9 ] ||
    fail "held 5 s: the keyboard reached $by_key, the D-pad $by_pad"

# A stick resting at 6000 moves neither the title's focus nor the player
# (the topmost row of the cyan arrow over its head); at 24000 it moves both.
marker_row() {
    screenshot "$WORK/marker.png"
    convert "$WORK/marker.png" -crop "60x${WIN_H}+$((WIN_W / 2 - 30))+0" +repage txt:- |
        awk -F'[:(),]' '$4 < 90 && $5 > 170 && $6 > 200 { print $2 }' | sort -n | head -n 1
}
LD_PRELOAD="$VIRTUAL_PAD" start_game -w 640 -h 480 -ns -nm
# A battle whose player is shot before it is judged shows no arrow: go again.
for attempt in 1 2 3; do
    pad "a 1 6000" "w 200 0" "a 1 5800"
    pad "press $A"
    row=$(marker_row)
    pad "a 1 6000" "w 200 0" "a 1 5800"
    rested=$(marker_row)
    pad "a 1 24000" "w 300 0" "a 1 0"
    pushed=$(marker_row)
    [ -n "$row" ] && [ -n "$rested" ] && [ -n "$pushed" ] && break
    pad "press $BACK"
done
[ -n "$row" ] && [ "$rested" = "$row" ] || fail "resting at 6000: the player went '$row' to '$rested'"
[ "$pushed" -gt $((row + 20)) ] || fail "pushed to 24000: the player went $row to $pushed"
pad "press $BACK"
sleep 1
screenshot "$WORK/title.png"
pad "a 1 24000" "w 200 0" "a 1 0" "press $A"
sleep 1
two_shots settings
! same title settingsa && same settingsa settingsb || fail "at 24000 the focus stayed"
kill -TERM "$GAME_PID"
wait_for_exit 15
echo "PASS"
