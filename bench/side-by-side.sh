#!/bin/bash
# The real game's largest battle (99 civilians and 99 fighters a side) at
# 1024 x 768 for a number of seconds, measured from outside: frames shown a
# second (buffer swaps counted by an LD_PRELOAD shim, countswap.c), CPU per
# frame of the whole process (all threads), peak resident memory on the title
# screen and over the whole run, and the heap on the title screen and after
# the battle. When Debian's chromium-bsu is
# installed, the same figures of that game, in its own game on the same
# display for the same seconds, follow beside them.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/side-by-side.sh build/release [SECONDS]
#
# Another build's game can be measured in the same run for a before and after:
#   ... bench/side-by-side.sh build/release 20 build/before
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(cd "$1" && pwd)
SECONDS_MEASURED=${2:-20}
OTHER_BUILD=${3:+$(cd "$3" && pwd)}
PEER=/usr/games/chromium-bsu
. "$HERE/../tests/e2e/lib.sh"
e2e_setup "$BUILD/truceward"

. "$HERE/swaps.sh"
TICKS=$(getconf CLK_TCK)
# User and system time of the process, all threads, in clock ticks.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}
# The most resident memory the process has had so far.
peak_mb() {
    awk '/VmHWM/ { printf "%.0f", $2 / 1024 }' "/proc/$1/status"
}
heap_kib() {
    awk '/\[heap\]/ { heap = 1; next } heap && /^Rss:/ { print $2; exit }' "/proc/$1/smaps"
}

# Prints "frames/s  ms CPU/frame" over the measured seconds.
measure() {
    local pid=$1 swaps0 ticks0 start swaps1 ticks1 end
    swaps0=$(next_swaps) ticks0=$(cpu_ticks "$pid") start=$(date +%s.%N)
    sleep "$SECONDS_MEASURED"
    swaps1=$(next_swaps) ticks1=$(cpu_ticks "$pid") end=$(date +%s.%N)
    awk -v f=$((swaps1 - swaps0)) -v c=$((ticks1 - ticks0)) -v s="$start" -v e="$end" \
        -v hz="$TICKS" 'BEGIN { printf "%.1f %.1f\n", f / (e - s), f ? 1000 * c / hz / f : 0 }'
}

# One game's battle: sets FPS, CPU, TITLE_PEAK, PEAK, TITLE_HEAP and BATTLE_HEAP (MB).
game_battle() {
    GAME=$1
    LD_PRELOAD="$SWAP_SHIM" start_game -w 1024 -h 768 -nm
    TITLE_HEAP=$(awk -v k="$(heap_kib "$GAME_PID")" 'BEGIN { printf "%.1f", k / 1024 }')
    TITLE_PEAK=$(peak_mb "$GAME_PID")
    # 99 of each: the arrows that add one, clicked more often than it takes
    # from 32 and 2 (they stop at 99).
    local target
    for target in "464 418" "464 348" "876 418" "876 348"; do
        move_logical $target
        xdotool click --repeat 97 --delay 15 1
    done
    sleep 0.5
    start_battle
    sleep 2
    read -r FPS CPU <<<"$(measure "$GAME_PID")"
    BATTLE_HEAP=$(awk -v k="$(heap_kib "$GAME_PID")" 'BEGIN { printf "%.1f", k / 1024 }')
    PEAK=$(peak_mb "$GAME_PID")
    kill -TERM "$GAME_PID"
    wait_for_exit 15
}

# The peer in its own game: Return starts it, Space held fires.
peer_game() {
    rm -f "$PERF_COUNT_FILE"
    LD_PRELOAD="$SWAP_SHIM" "$PEER" -w -v 3 >"$WORK/peer.out" 2>&1 &
    GAME_PID=$!
    sleep 3
    local win
    win=$(xdotool search --pid "$GAME_PID" 2>/dev/null | tail -n 1)
    [ -n "$win" ] && xdotool mousemove --window "$win" 512 384
    xdotool key Return
    sleep 1
    xdotool keydown space
    sleep 1
    read -r FPS CPU <<<"$(measure "$GAME_PID")"
    PEAK=$(peak_mb "$GAME_PID")
    xdotool keyup space
    kill -TERM "$GAME_PID"
    wait_for_exit 15
}

row() {
    printf "%-28s %12s %14s %18s %18s\n" "$@"
}
row "" "frames/s" "CPU/frame ms" "peak MB title/all" "heap title/battle"
game_battle "$BUILD/truceward"
row "Truceward ($(basename "$BUILD"))" "$FPS" "$CPU" "$TITLE_PEAK / $PEAK" \
    "$TITLE_HEAP / $BATTLE_HEAP"
if [ -n "$OTHER_BUILD" ]; then
    rm -f "$PERF_COUNT_FILE"
    game_battle "$OTHER_BUILD/truceward"
    row "Truceward ($(basename "$OTHER_BUILD"))" "$FPS" "$CPU" "$TITLE_PEAK / $PEAK" \
        "$TITLE_HEAP / $BATTLE_HEAP"
fi
if [ -x "$PEER" ]; then
    peer_game
    row "chromium-bsu (peer)" "$FPS" "$CPU" "- / $PEAK" "-"
else
    echo "(chromium-bsu is not installed: apt-get install chromium-bsu to measure beside it)"
fi
echo "$SECONDS_MEASURED s each, one after the other on the same display."
