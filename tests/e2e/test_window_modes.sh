#!/bin/bash
# Full screen and a window of any size, on the real game under a window
# manager (openbox), which is what honours full screen: F11 and Alt+Enter
# (with either Enter key) fill the screen and give the 640 x 480 window back;
# the picture fills the screen's width between black bars; a window resized
# to 1000 x 480 shows it between black bars at both sides, and a click on
# ENTER WAR there starts the battle. Started without arguments, the game
# writes what the player last chose (the window's size, full screen, a
# volume, also when changed back after a save) into its configuration file,
# in place of the numbers alone, leaving every other line and note as it was;
# started with options, it leaves the file as it is, byte for byte.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
command -v openbox >/dev/null || fail "openbox is not installed"
openbox >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
# Ready once it has said what it supports (it names itself a moment before).
for _ in $(seq 1 200); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW && break
    sleep 0.05
done

CONF="$USER_DIR/Truceward.conf"
mkdir -p "$USER_DIR"
printf 'w 640 # keep this\nh 480\na 0\nf 0\nns 1\nnm 1\n# written by hand  \n' >"$CONF"
start_game
xdotool windowactivate --sync "$WIN"

# The window's inside, where it lies on the screen (xdotool's geometry counts
# the window manager's frame).
place() {
    eval "$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ { print "WIN_X=" $4 }
        /Absolute upper-left Y/ { print "WIN_Y=" $4 } /Width:/ { print "WIN_W=" $2 }
        /Height:/ { print "WIN_H=" $2 }')"
}
# Waits for the window to be $1 (W x H) and in full screen or not ($2: yes, no).
expect_window() {
    local full
    for _ in $(seq 1 100); do
        place
        full=no
        xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN && full=yes
        [ "${WIN_W}x${WIN_H}" = "$1" ] && [ "$full" = "$2" ] && return 0
        sleep 0.05
    done
    fail "$3: the window is ${WIN_W}x${WIN_H}, full screen: $full (expected $1, $2)"
}
# The brightest channel of a part of $WORK/shot.png (W x H + X + Y), 0 .. 255.
brightest() {
    convert "$WORK/shot.png" -crop "$1" +repage -format '%[fx:int(255*maxima)]' info:
}
# The picture lies where the bars ($1 and $2) are black and its edges ($3 and
# $4, next to them) are not.
expect_bars() {
    sleep 0.3
    screenshot "$WORK/shot.png"
    local bar edge
    for bar in "$1" "$2"; do
        [ "$(brightest "$bar")" = 0 ] || fail "$5: the bar $bar is not black"
    done
    for edge in "$3" "$4"; do
        [ "$(brightest "$edge")" -gt 40 ] || fail "$5: no picture at $edge"
    done
}

xdotool key F11
expect_window 1280x1024 yes "F11"
# The picture at the screen's own size, 1280 x 960, between bars of 32 rows.
expect_bars 1280x32+0+0 1280x32+0+992 1280x1+0+32 1280x1+0+991 "full screen"
xdotool key F11
expect_window 640x480 no "F11 again"
xdotool key alt+Return
expect_window 1280x1024 yes "Alt+Return"
xdotool key alt+KP_Enter
expect_window 640x480 no "Alt with the keypad's Enter"

xdotool windowsize "$WIN" 1000 480
expect_window 1000x480 no "resizing"
expect_bars 180x480+0+0 180x480+820+0 1x480+180+0 1x480+819+0 "1000 x 480"
# ENTER WAR, at logical (512, 128): the picture's pixel (320, 400), moved
# right by the bar.
xdotool mousemove $((WIN_X + 180 + 320)) $((WIN_Y + 400))
sleep 0.2
xdotool click 1
sleep 0.5
# In the battle, Escape goes back to the title screen; on the title it quits.
press_keys Escape
sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the click on ENTER WAR did not start the battle"
xdotool windowsize "$WIN" 1000 750
expect_window 1000x750 no "resizing to 4:3"
# From ENTER WAR to SETTINGS: MUSIC one down, past FULL SCREEN and LANGUAGE
# to BACK, saved; again, MUSIC back up, BACK; into full screen, saved as the
# settings close, and out before the quit.
press_keys Down Return Down Left Down Down Down Return
grep -qx "mv 9" "$CONF" || fail "music 9 was not saved: $(cat "$CONF")"
press_keys Return Down Right Down Down Down Return
xdotool key F11
expect_window 1280x1024 yes "F11 before the settings"
press_keys Return Escape
grep -qx "f 1" "$CONF" || fail "full screen was not saved: $(cat "$CONF")"
xdotool key F11
expect_window 1000x750 no "F11 after the settings"
press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS"
for line in "w 1000 # keep this" "h 750" "mv 10" "f 0" "# written by hand  " "nm 1"; do
    grep -qxF "$line" "$CONF" || fail "no line '$line' in the configuration file: $(cat "$CONF")"
done

# Started with options, the same changes leave the file as it was.
cp "$CONF" "$WORK/remembered.conf"
start_game -w 640 -h 480 -ns -nm
xdotool windowactivate --sync "$WIN"
xdotool key F11
expect_window 1280x1024 yes "F11 with options"
xdotool key F11
expect_window 640x480 no "F11 again with options"
xdotool windowsize "$WIN" 800 480
expect_window 800x480 no "resizing with options"
press_keys Down Return Down Left Left Escape Escape
wait_for_exit 10
cmp -s "$CONF" "$WORK/remembered.conf" || fail "started with options, the game changed its file"
kill "$WM_PID"
echo "PASS"
