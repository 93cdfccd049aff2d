#!/bin/bash
# The process in a hostile start and end: output into a pipe nobody reads,
# standard streams closed, a hang-up, and a record that must be on the disk as
# soon as it is filed, before any way of ending the game.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
SCORES="$USER_DIR/.Truceward"

# --- Output into a pipe whose reader is gone (as with `truceward | head`):
# the game plays on and quits normally.
cat >"$WORK/closed-pipe.py" <<'PY'
import os, signal, sys
reader, writer = os.pipe()
os.close(reader)
os.dup2(writer, 1)
signal.signal(signal.SIGPIPE, signal.SIG_DFL)
os.execv(sys.argv[1], sys.argv[1:])
PY
RUN_AS="python3 $WORK/closed-pipe.py" run_briefly -w 320 -h 240 -ns -nm

# --- Started with its standard streams closed: they become /dev/null, so the
# files the game opens do not take their place, and the game answers its keys.
"$GAME" -w 320 -h 240 -ns -nm <&- >&- 2>&- &
GAME_PID=$!
for _ in $(seq 1 200); do
    WIN=$(xdotool search --pid "$GAME_PID" 2>/dev/null | tail -n 1)
    [ -n "$WIN" ] && break
    sleep 0.05
done
[ -n "$WIN" ] || fail "no window with the standard streams closed"
for stream in 0 1 2; do
    [ "$(readlink "/proc/$GAME_PID/fd/$stream")" = /dev/null ] ||
        fail "standard stream $stream is $(readlink "/proc/$GAME_PID/fd/$stream")"
done
eval "$(xdotool getwindowgeometry --shell "$WIN")"
WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
sleep 0.5
press_keys Escape
wait_for_exit 15
[ "$GAME_STATUS" = 0 ] || fail "with the standard streams closed: status $GAME_STATUS"

# --- A battle's record is on the disk once the title screen has filed it, and
# a hang-up then ends the game in order, with status 0.
start_game -w 320 -h 240 -ns -nm
start_battle
press_keys Escape
sleep 1
[ -s "$SCORES" ] || fail "the filed battle is not on the disk"
kill -HUP "$GAME_PID"
wait_for_exit 15
[ "$GAME_STATUS" = 0 ] || fail "SIGHUP: status $GAME_STATUS"
echo "PASS"
