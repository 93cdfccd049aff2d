#!/bin/bash
# Pausing a battle on the real game: P freezes it, darkened, and P lets it go
# on; the window losing the keyboard's focus pauses it too.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

# The mean brightness of a screenshot, 0 .. 255.
brightness() {
    convert "$1" -colorspace Gray -format '%[fx:int(255*mean)]' info:
}
# Two screenshots a second apart, $1a and $1b.
two_shots() {
    screenshot "$WORK/${1}a.png"
    sleep 1
    screenshot "$WORK/${1}b.png"
}

start_game -w 320 -h 240 -ns -nm
start_battle
sleep 1
two_shots running
same runninga runningb && fail "the battle does not move"

press_keys p
sleep 0.3
two_shots paused
same pauseda pausedb || fail "a paused battle moved (or its score did)"
[ "$(brightness "$WORK/pauseda.png")" -lt $(($(brightness "$WORK/runninga.png") * 3 / 4)) ] ||
    fail "the paused scene is not darkened"

press_keys p
sleep 0.3
two_shots resumed
same resumeda resumedb && fail "P did not let the battle go on"

# Another window takes the keyboard's focus: the battle pauses and waits for P.
xmessage -geometry +0+0 "elsewhere" &
OTHER_PID=$!
for _ in $(seq 1 100); do
    OTHER=$(xdotool search --classname xmessage 2>/dev/null | head -n 1)
    [ -n "$OTHER" ] && break
    sleep 0.05
done
[ -n "$OTHER" ] || fail "no other window to give the focus to"
xdotool windowfocus --sync "$OTHER"
sleep 0.3
xdotool windowfocus --sync "$WIN"
sleep 0.3
two_shots unfocused
kill "$OTHER_PID"
same unfocuseda unfocusedb || fail "losing the focus did not pause the battle"
press_keys p
sleep 0.3
two_shots refocused
same refocuseda refocusedb && fail "P did not let the battle go on after the focus came back"

press_keys Escape
sleep 0.3
press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS"
echo "PASS"
