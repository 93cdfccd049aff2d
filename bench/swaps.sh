# Counting the buffer swaps of a game started with LD_PRELOAD="$SWAP_SHIM"
# (countswap.c). Source it after e2e_setup (it builds the shim in $WORK).

gcc -shared -fPIC -O1 -o "$WORK/countswap.so" "$(dirname "${BASH_SOURCE[0]}")/countswap.c" -ldl ||
    exit 1
SWAP_SHIM="$WORK/countswap.so"
export PERF_COUNT_FILE="$WORK/swaps"

swaps() {
    tr -d ' ' <"$PERF_COUNT_FILE" 2>/dev/null || echo 0
}

# Waiting for the count to change gives the moment a swap happened, so that
# a few seconds measure to a fraction of a frame.
next_swaps() {
    local now before
    before=$(swaps)
    while now=$(swaps) && [ "$now" = "$before" ]; do
        sleep 0.002
    done
    echo "$now"
}
