#!/bin/bash
# The game keeps its own pace where the display does not: a virtual display
# waits for no vertical blank, and every speed of the battle counts frames,
# so a loop without its limiter would run hundreds of battle steps a second.
# The real game's buffer swaps (bench/countswap.c) over a few seconds of a
# battle: no more than 75 a second. An upper bound only: a busy machine may
# slow the game down, but never speed it up.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
. "$(dirname "$0")/../../bench/swaps.sh"
# The shim is built without sanitizers: a sanitized game must not refuse it.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

LD_PRELOAD="$SWAP_SHIM" start_game -w 320 -h 240 -ns -nm
start_battle
sleep 0.5
swaps0=$(swaps) start=$(date +%s.%N)
sleep 3
swaps1=$(swaps) end=$(date +%s.%N)
rate=$(awk -v f=$((swaps1 - swaps0)) -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", f / (e - s) }')
echo "the battle drew $rate frames a second"
awk -v rate="$rate" 'BEGIN { exit !(rate > 0 && rate <= 75) }' ||
    fail "the battle drew $rate frames a second, not at most 75"
kill -TERM "$GAME_PID"
wait_for_exit 15
echo "PASS"
