#!/bin/bash
# Measures what the benchmarks cannot see from inside one process: the
# start-up to the first frame (one start per process) and the real game's
# peak memory through a battle of the largest population. Needs a display
# (run it under xvfb-run) and the build folder as its argument:
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/measure.sh build/release
set -u
BUILD=$(cd "$1" && pwd)
. "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_setup "$BUILD/truceward"

echo "Start-up to the first frame, five starts:"
for _ in 1 2 3 4 5; do
    rm -rf "$HOME/Library"
    "$BUILD/truceward_startup" 2>&1 >/dev/null | grep "start-up"
done

# The real game, with every number raised to 99 on the title screen, then 30
# seconds of battle; the kernel keeps the peak resident memory (VmHWM).
start_game -w 1024 -h 768
for _ in $(seq 1 67); do
    click_logical 464 418
    click_logical 464 348
    click_logical 876 418
    click_logical 876 348
done
start_battle
sleep 30
echo "Battle of 397 people for 30 s, peak resident memory:"
grep VmHWM "/proc/$GAME_PID/status"
kill -TERM "$GAME_PID"
wait_for_exit 15
