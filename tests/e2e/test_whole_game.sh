#!/bin/bash
# Whole games on the real binary: a war played to its end and left with
# Space, filed under its start numbers; and battles ended by closing the
# window or by SIGTERM, which file nothing and still end in order.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
SCORES="$USER_DIR/.Truceward"

# True when the title screen shows: its dark panel covers the middle of the
# window, where the battle has its light centre strip.
title_showing() {
    screenshot "$WORK/now.png"
    local level
    level=$(convert "$WORK/now.png" -crop 40x20+$((WIN_W / 2 - 20))+$((WIN_H * 57 / 100)) \
        -colorspace Gray -format '%[fx:int(255*mean)]' info:)
    [ "$level" -lt 80 ]
}


# --- Closing the window during a battle, as a desktop's close button does.
start_game -w 320 -h 240 -nm
title_showing || fail "the game does not start on the title screen"
start_battle
title_showing && fail "the start button did not start the battle"
sleep 1
"$CLOSE_WINDOW" "$WIN" || fail "could not ask the window to close"
wait_for_exit 15
[ "$GAME_STATUS" = 0 ] || fail "closing the window: status $GAME_STATUS"
[ -e "$SCORES" ] && fail "closing the window during a battle filed a score"

# --- SIGTERM during a battle.
start_game -w 320 -h 240 -nm
start_battle
sleep 1
kill -TERM "$GAME_PID"
wait_for_exit 15
[ "$GAME_STATUS" = 0 ] || fail "SIGTERM: status $GAME_STATUS"
[ -e "$SCORES" ] && fail "SIGTERM during a battle filed a score"

# --- A war played to its end: one civilian and one fighter a side, so that no
# family lengthens the fight; Space once the war is over, and the title screen
# files the score under (1, 1, 1, 1).
start_game -w 320 -h 240 -nm
for _ in $(seq 1 31); do
    click_logical 357 418
    click_logical 768 418
done
click_logical 357 348
click_logical 768 348
start_battle
title_showing && fail "the battle did not start"
for _ in $(seq 1 240); do
    press_keys space
    title_showing && break
    sleep 0.5
done
title_showing || fail "the war did not end, or Space did not leave it"
press_keys Escape
wait_for_exit 15
[ "$GAME_STATUS" = 0 ] || fail "Escape on the title screen: status $GAME_STATUS"
[ -f "$SCORES" ] || fail "no high score file after a finished war"
[ "$(records "$SCORES" | wc -l)" = 1 ] || fail "expected one record, found: $(records "$SCORES")"
read -r lc rc lf rf score <<<"$(records "$SCORES")"
[ "$lc $rc $lf $rf" = "1 1 1 1" ] || fail "the record's key is $lc $rc $lf $rf"
echo "filed score: $score"
echo "PASS"
