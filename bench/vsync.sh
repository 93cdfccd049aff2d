#!/bin/bash
# The real game against a display that syncs: vsyncswap.c makes every buffer
# swap wait for the next refresh of a pretend display (60.05 Hz unless a rate
# is given), as a driver with vertical sync does. Over a number of seconds of
# a battle, prints the frames (= steps) a second and the refreshes that showed
# no new frame, and how many of those came after a wait of the game's own
# (its frame limiter). The limiter must leave a display within 1 % of 60 Hz
# to pace the game alone (no refresh repeated after a wait of its own), and
# hold 60 steps a second on faster ones. Refreshes a busy machine misses
# count among all the repeated ones: compare builds in the same run.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/vsync.sh build/release [SECONDS] [HZ]
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
SECONDS_MEASURED=${2:-60}
export VSYNC_HZ=${3:-60.05}
. "$HERE/../tests/e2e/lib.sh"
e2e_setup "$BUILD/truceward"

gcc -shared -fPIC -O1 -o "$WORK/vsyncswap.so" "$HERE/vsyncswap.c" -ldl || exit 1
export VSYNC_COUNT_FILE="$WORK/refreshes"

# "swaps repeats repeats-after-a-wait" at a moment the count has just changed.
counts() {
    local before now
    before=$(cat "$VSYNC_COUNT_FILE" 2>/dev/null)
    while now=$(cat "$VSYNC_COUNT_FILE" 2>/dev/null) && [ "$now" = "$before" ]; do
        sleep 0.002
    done
    echo "$now"
}

LD_PRELOAD="$WORK/vsyncswap.so" start_game -w 320 -h 240 -nm
sleep 1
start_battle
sleep 2
read -r swaps0 repeats0 waits0 <<<"$(counts)"
start=$(date +%s.%N)
sleep "$SECONDS_MEASURED"
read -r swaps1 repeats1 waits1 <<<"$(counts)"
end=$(date +%s.%N)
awk -v f=$((swaps1 - swaps0)) -v r=$((repeats1 - repeats0)) -v w=$((waits1 - waits0)) \
    -v s="$start" -v e="$end" -v hz="$VSYNC_HZ" 'BEGIN {
        printf "%s Hz display: %.2f frames/s; in %.0f s %d refreshes repeated, %d after a wait of the game\n",
            hz, f / (e - s), e - s, r, w }'
kill -TERM "$GAME_PID"
wait_for_exit 15
