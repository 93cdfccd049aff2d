#!/bin/bash
# The keyboard alone drives the title screen of the real game; the pointer
# never clicks. From ENTER WAR, Up reaches the right fighters, Right steps
# them, Return starts the battle and Escape files it; back on the title, a
# held Right runs a number through as a held arrow button does, and no more
# once the settings open over it. Without vertical sync (a virtual display
# waits for none) the game keeps its own pace: no more than 75 buffer swaps
# a second (countswap.c), however fast the machine.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
seen_before
. "$(dirname "$0")/../../bench/swaps.sh"
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

filed() {
    records "$USER_DIR/.Truceward" | awk '{ print $1, $2, $3, $4 }'
}

LD_PRELOAD="$SWAP_SHIM" start_game -w 320 -h 240 -ns -nm
press_keys Up Right Right Right Return
swaps=$(swaps)
sleep 3
[ $(($(swaps) - swaps)) -le 225 ] || fail "$(($(swaps) - swaps)) frames in 3 s of battle"
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
# Held on the left civilians while SETTINGS is clicked, and let go there.
press_keys Up Up Up Up
xdotool keydown Right
click_logical 512 42
xdotool keyup Right
press_keys Escape
sleep 1
press_keys Return Escape
[ "$(filed | awk '{ print $1 }' | sort -n | tail -n 1)" -lt 40 ] || fail "the number ran on: $(filed)"
press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS"
echo "PASS"
