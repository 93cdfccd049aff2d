#!/bin/bash
# The keyboard alone drives the title screen of the real game; the pointer
# never clicks. From ENTER WAR, Up reaches the right fighters, Right steps
# them, Return starts the battle and Escape files it; back on the title, a
# held Right runs a number through as a held arrow button does, and stops
# when the settings open over it.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

filed() {
    records "$USER_DIR/.Truceward" | awk '{ print $1, $2, $3, $4 }'
}

start_game -w 320 -h 240 -ns -nm
press_keys Up Right Right Right Return
sleep 0.5
press_keys Escape
sleep 0.5
[ "$(filed)" = "32 32 2 5" ] || fail "filed '$(filed)', not the battle of 32, 32, 2, 5"

# The title opens on ENTER WAR again: twice up is the left fighters. A held
# key steps at once, again after 0.4 s and then ten times a second: about 17
# steps in 2 s.
press_keys Up Up
xdotool keydown Right
sleep 2
xdotool keyup Right
sleep 0.3
press_keys Return
sleep 0.5
press_keys Escape
sleep 0.5
rm_start=$(filed | awk '$1 == 32 && $2 == 32 && $4 == 5 && $3 != 2 { print $3 }')
[ -n "$rm_start" ] || fail "no second battle filed: '$(filed)'"
moved=$((rm_start - 2))
[ "$moved" -ge 14 ] && [ "$moved" -le 22 ] || fail "a held Right moved the left fighters by $moved"

# Right held on the left civilians while SETTINGS is clicked, and let go
# there: back on the title, the number stays where it was.
press_keys Up Up Up Up
xdotool keydown Right
click_logical 512 42
xdotool keyup Right
press_keys Escape
sleep 0.3
screenshot "$WORK/closed.png"
sleep 1
screenshot "$WORK/later.png"
same closed later || fail "the number ran on once the settings closed"
press_keys Return
sleep 0.5
press_keys Escape
sleep 0.5
civilians=$(filed | awk '$2 == 32 && $3 == 2 + '"$moved"' && $4 == 5 { print $1 }' | sort -n | tail -n 1)
[ -n "$civilians" ] && [ "$civilians" -lt 40 ] || fail "the left civilians ran on to '$civilians'"
press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS"
echo "PASS"
