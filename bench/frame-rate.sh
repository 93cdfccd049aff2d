#!/bin/bash
# Frames shown a second by the real game on the title screen and in a battle,
# counted from its buffer swaps (countswap.c) over a number of seconds. Under
# Xvfb nothing waits for a vertical blank, so this is the game's own pace:
# 60 whenever the machine can draw 60.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/frame-rate.sh build/release [SECONDS] [W H]
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
SECONDS_MEASURED=${2:-5}
WIDTH=${3:-320}
HEIGHT=${4:-240}
. "$HERE/../tests/e2e/lib.sh"
e2e_setup "$BUILD/truceward"

. "$HERE/swaps.sh"

rate() {
    local swaps0 start swaps1 end
    swaps0=$(next_swaps) start=$(date +%s.%N)
    sleep "$SECONDS_MEASURED"
    swaps1=$(next_swaps) end=$(date +%s.%N)
    awk -v f=$((swaps1 - swaps0)) -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", f / (e - s) }'
}

LD_PRELOAD="$SWAP_SHIM" start_game -w "$WIDTH" -h "$HEIGHT" -nm
sleep 1
echo "title screen, ${WIDTH} x ${HEIGHT}: $(rate) frames/s over $SECONDS_MEASURED s"
start_battle
sleep 1
echo "battle (32 and 2 a side), ${WIDTH} x ${HEIGHT}: $(rate) frames/s over $SECONDS_MEASURED s"
kill -TERM "$GAME_PID"
wait_for_exit 15
