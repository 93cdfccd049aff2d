#!/bin/bash
# Frames shown a second by the real game watching a replay of the largest
# battle (99 civilians and 99 fighters a side, ten minutes recorded by
# truceward_bench) at 1024 x 768, at x1 and at x8 (eight steps a drawn frame),
# counted from its buffer swaps (countswap.c) over a number of seconds from
# the replay's start: the first seconds of the largest battle are its
# busiest.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/replay-rate.sh build/release [SECONDS]
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
SECONDS_MEASURED=${2:-5}
. "$HERE/../tests/e2e/lib.sh"
e2e_setup "$BUILD/truceward"
. "$HERE/swaps.sh"

REPLAY="$WORK/largest.twreplay"
TRUCEWARD_KEEP_REPLAY="$REPLAY" "$BUILD/truceward_bench" \
    --benchmark_filter=VerifyTenMinutes >"$WORK/bench" 2>&1 || { cat "$WORK/bench"; exit 1; }

rate() {
    local swaps0 start swaps1 end
    swaps0=$(next_swaps) start=$(date +%s.%N)
    sleep "$SECONDS_MEASURED"
    swaps1=$(next_swaps) end=$(date +%s.%N)
    awk -v f=$((swaps1 - swaps0)) -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", f / (e - s) }'
}

for speed in x1 x8; do
    LD_PRELOAD="$SWAP_SHIM" start_game --replay "$REPLAY" -w 1024 -h 768 -nm
    if [ "$speed" = x8 ]; then
        press_keys Right Right Right
    fi
    echo "largest battle watched at $speed, 1024 x 768: $(rate) frames/s over $SECONDS_MEASURED s"
    press_keys Escape
    wait_for_exit 15
done
