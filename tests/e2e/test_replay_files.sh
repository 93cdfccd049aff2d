#!/bin/bash
# Replays on the real game: every battle left is kept as Replays/last.twreplay
# and, when it sets the record of its start numbers, as their best; --verify
# proves a replay's score without a window, and refuses a bad file with one
# line, at once, writing nothing (so does --replay); --replay plays a file in
# a window until Escape. The title lists the replays and plays one, and plays
# a battle by itself when left alone; F12 keeps pictures of the window.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
seen_before
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
REPLAYS="$USER_DIR/Replays"

# Runs the game with $@ in an empty HOME of its own: sets OUT (its output),
# STATUS and MS (how long it took); fails when anything was written.
run_alone() {
    local home="$WORK/alone" start
    rm -rf "$home" && mkdir "$home"
    start=$(date +%s%N)
    OUT=$(HOME="$home" "$GAME" "$@" 2>/dev/null)
    STATUS=$?
    MS=$((($(date +%s%N) - start) / 1000000))
    [ -z "$(ls -A "$home")" ] || fail "$* wrote $(find "$home" | tail -n +2)"
}

# The score the table holds for "lc rc lf rf".
record_of() {
    records "$USER_DIR/.Truceward" | awk -v key="$1" '$1 " " $2 " " $3 " " $4 == key { print $5 }'
}

verified() {
    run_alone --verify "$1"
    [ "$STATUS" = 0 ] && [ "$OUT" = "$1: $2, score $3: as recorded" ] ||
        fail "--verify $1 said '$OUT' (status $STATUS), not score $3 of $2"
    [ "$MS" -lt 2000 ] || fail "--verify $1 took $MS ms"
}

# --- A battle of 32, 32, 2, 2, walked and bricked by keyboard for about 12 s,
# left with Escape.
start_game -w 800 -h 600 -ns -nm
press_keys Return z
for walk in Up Down Up; do
    xdotool keydown "$walk"
    sleep 1.5
    xdotool keyup "$walk"
    press_keys x z
done
sleep 6
press_keys Escape
sleep 1
press_keys Escape
wait_for_exit 20
LAST="$REPLAYS/last.twreplay"
BEST="$REPLAYS/best-32-32-2-2.twreplay"
[ -f "$LAST" ] && cmp -s "$LAST" "$BEST" || fail "kept: $(ls -A "$REPLAYS" 2>&1)"
[ "$(stat -c %s "$LAST")" -le 2048 ] || fail "12 s of battle took $(stat -c %s "$LAST") bytes"
verified "$LAST" "32 32 2 2" "$(record_of "32 32 2 2")"

# --- A war of 1, 1, 1, 1 won and left with Space. The clock stopped at 1056
# seeds it with a war that ends in about 6 s with a rescue by the bricks laid
# at the start: its score has the time bonus, which nothing else makes this
# large. A worse battle of the same numbers leaves the best as it was.
FIXED_TIME=1056 LD_PRELOAD=$FIXED_TIME_LIBRARY start_game -w 800 -h 600 -ns -nm
press_keys Up Left Up Left Up
xdotool keydown Left && sleep 4.5 && xdotool keyup Left
press_keys Up
xdotool keydown Left && sleep 4.5 && xdotool keyup Left
press_keys Return z x
for _ in $(seq 1 60); do
    [ -n "$(record_of "1 1 1 1")" ] && break
    press_keys space
    sleep 1
done
score=$(record_of "1 1 1 1")
[ -n "$score" ] && [ "$score" -gt 100 ] || fail "the war of 1, 1, 1, 1 filed '$score'"
cp "$REPLAYS/best-1-1-1-1.twreplay" "$WORK/best-1"
press_keys Return
sleep 1
press_keys Escape
sleep 1
press_keys Escape
wait_for_exit 20
cmp -s "$WORK/best-1" "$REPLAYS/best-1-1-1-1.twreplay" || fail "a worse battle replaced the best"
cmp -s "$WORK/best-1" "$LAST" && fail "the last battle was not kept"
verified "$REPLAYS/best-1-1-1-1.twreplay" "1 1 1 1" "$score"

# --- Bad files: one line, status 1, within 3 s, nothing written.
python3 - "$LAST" "$WORK" <<'PY' || fail "could not make the bad files"
import os, struct, sys, zlib
source, work = sys.argv[1], sys.argv[2]
data = open(source, "rb").read()
def write(name, body):
    open(os.path.join(work, name), "wb").write(body)
def varints(body):
    values, value, shift = [], 0, 0
    for byte in body:
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            values.append(value)
            value, shift = 0, 0
    return values
def with_events(values, space):
    header = bytearray(data[:37])
    header[16] = 1 if space else header[16]
    header[33:37] = struct.pack("<I", len(values))
    body = bytes(header)
    for value in values:
        while value > 0x7F:
            body += bytes([value & 0x7F | 0x80])
            value >>= 7
        body += bytes([value])
    return body + struct.pack("<I", zlib.crc32(body))
events = varints(data[37:-4])
write("after-leave", with_events(events + [4], False))
# The Escape that left the war of 32, 32, 2, 2, made Space: that war was not over.
write("space-leave", with_events(events[:-1] + [events[-1] & ~7 | 6], True))
write("truncated", data[:-5])
changed = bytearray(data)
changed[len(data) // 2] ^= 0x10
write("changed", bytes(changed))
write("random", os.urandom(3000))
PY
truncate -s 1G "$WORK/zeros"
mkfifo "$WORK/fifo"
mkdir "$WORK/folder"
for bad in after-leave space-leave truncated changed random zeros fifo folder missing; do
    for option in --verify --replay; do
        run_alone "$option" "$WORK/$bad"
        [ "$STATUS" = 1 ] && [ "$(echo "$OUT" | wc -l)" = 1 ] &&
            [[ "$OUT" == "Could not play $WORK/$bad: "* ]] ||
            fail "$option $bad said '$OUT' (status $STATUS)"
        [ "$MS" -lt 3000 ] || fail "$option $bad took $MS ms"
    done
done
run_alone --verify /dev/zero
[ "$STATUS" = 1 ] && [ "$OUT" = "Could not play /dev/zero: not an ordinary file that can be read" ] ||
    fail "--verify /dev/zero said '$OUT'"

# --- Down three times from ENTER WAR and Return open the list, whose Return
# plays the last battle; F12 keeps two pictures of the window meanwhile. The
# table stays as it was.
cp "$USER_DIR/.Truceward" "$WORK/table"
start_game -w 640 -h 480 -ns -nm
press_keys Down Down Down Return Return
sleep 1
two_shots() {
    screenshot "$WORK/$1-a.png"
    sleep 0.5
    screenshot "$WORK/$1-b.png"
    ! same "$1-a" "$1-b"
}
two_shots listed || fail "Return in the list played no replay"
press_keys F12 F12 Escape Escape
wait_for_exit 10
cmp -s "$WORK/table" "$USER_DIR/.Truceward" || fail "watching changed the table"
pictures=$(identify -format '%wx%h\n' "$HOME/Pictures/Truceward/"*.png 2>/dev/null)
[ "$pictures" = $'640x480\n640x480' ] || fail "F12 twice kept: $pictures"

# --- Alone for 30 s, the title plays a battle by itself (the game's own
# demonstration where no best replay of its numbers is kept); Return brings
# the title back and starts nothing.
rm -r "$REPLAYS"
start_game -w 320 -h 240 -ns -nm
xdotool mousemove $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H / 2))
sleep 0.3
screenshot "$WORK/alone.png"
sleep 32
two_shots alone || fail "30 s alone, the title played no battle"
press_keys Return
sleep 0.5
# The title draws the pointer once it has moved.
xdotool mousemove_relative 1 0 && sleep 0.1 && xdotool mousemove_relative -- -1 0 && sleep 0.3
screenshot "$WORK/back.png"
same alone back || fail "Return did not bring the title back as it was"
press_keys Escape
wait_for_exit 10
cmp -s "$WORK/table" "$USER_DIR/.Truceward" || fail "the battle played alone was filed"

# --- --replay plays the file in a window; Escape ends the game.
start_game --replay "$WORK/best-1" -w 320 -h 240 -ns -nm
screenshot "$WORK/first.png"
sleep 1
screenshot "$WORK/later.png"
same first later && fail "the replay stood still"
press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "--replay ended with status $GAME_STATUS"
echo "PASS"
