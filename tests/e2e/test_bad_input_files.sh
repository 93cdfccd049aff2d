#!/bin/bash
# The files the player keeps, in the bad states a desktop can leave them in:
# the game never writes over what it could not read, never loses a record,
# respects links and permissions, cleans up after killed saves, and neither
# hangs nor crashes on a folder, a FIFO or a device in a file's place.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
SCORES="$USER_DIR/.Truceward"
CONF="$USER_DIR/Truceward.conf"
mkdir -p "$USER_DIR"
printf 'w 320\nh 240\na 0\nns 1\nnm 1\n' >"$CONF"

# Writes the high score records given as "lc rc lf rf score" arguments to $1.
write_records() {
    python3 - "$@" <<'EOF'
import struct, sys
with open(sys.argv[1], "wb") as out:
    for record in sys.argv[2:]:
        out.write(struct.pack("<5i", *map(int, record.split())))
EOF
}

# Plays a battle of the start numbers (32, 2, 32, 2) and leaves it with Escape,
# so that the title screen files it; then quits with Escape.
file_a_battle() {
    start_game "$@"
    # A click lost on a busy machine leaves the title screen up: click again.
    move_logical 512 128
    screenshot "$WORK/title.png"
    for _ in 1 2 3; do
        start_battle
        screenshot "$WORK/now.png"
        same title now || break
    done
    press_keys Escape
    sleep 0.5
    press_keys Escape
    wait_for_exit 20
    [ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS"
}

# True when $1 holds the two records of $WORK/two followed by the filed battle.
holds_two_and_the_battle() {
    records "$1" >"$WORK/records"
    [ "$(head -n 2 "$WORK/records")" = "$(records "$WORK/two")" ] &&
        [ "$(wc -l <"$WORK/records")" = 3 ] && grep -q '^32 32 2 2 ' "$WORK/records"
}

write_records "$WORK/two" "1 1 1 1 11" "2 2 2 2 22"

# --- Only ordinary files of a table's size are read: something else in the
# table's place, or 1 GiB (sparse), is reported, does not stall the game and
# is not saved over.
for kind in folder fifo zero random huge; do
    rm -rf "$SCORES"
    case $kind in
        folder) mkdir "$SCORES" ;;
        fifo) mkfifo "$SCORES" ;;
        zero) ln -s /dev/zero "$SCORES" ;;
        random) ln -s /dev/urandom "$SCORES" ;;
        huge) truncate -s 1G "$SCORES" ;;
    esac
    file_a_battle
    assert_output_has "Error loading high scores file: $SCORES"
    assert_output_has "Error saving high scores file: $SCORES"
    case $kind in
        folder) [ -d "$SCORES" ] ;;
        fifo) [ -p "$SCORES" ] ;;
        zero) [ "$(readlink "$SCORES")" = /dev/zero ] ;;
        random) [ "$(readlink "$SCORES")" = /dev/urandom ] ;;
        huge) [ "$(stat -c '%s %b' "$SCORES")" = "1073741824 0" ] ;;
    esac || fail "the $kind in the table's place was replaced"
done
rm -rf "$SCORES"

# --- A read that fails part way: nothing is written over the table.
cp "$WORK/two" "$SCORES"
cat "$WORK/two" >>"$SCORES"
cp "$SCORES" "$WORK/before"
FAIL_READ_SUFFIX=/.Truceward FAIL_READ_AFTER=40 LD_PRELOAD=$FAILING_READ \
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 file_a_battle
assert_output_has "Error loading high scores file: $SCORES"
assert_output_has "Error saving high scores file: $SCORES"
cmp -s "$WORK/before" "$SCORES" || fail "a table read only in part was written over"

# --- A link stays a link, its target keeps its permission bits, and the
# leftovers of killed saves go, but nothing else beside the table.
rm -f "$SCORES"
mkdir -p "$WORK/elsewhere"
TARGET="$WORK/elsewhere/scores"
cp "$WORK/two" "$TARGET"
chmod 604 "$TARGET"
ln -s "$TARGET" "$SCORES"
head -c 1000 /dev/urandom >"$TARGET.saving.Ab3dE9"
echo mine >"$TARGET.backup"
echo mine >"$TARGET.saving.mine"
file_a_battle
[ -L "$SCORES" ] && [ "$(readlink "$SCORES")" = "$TARGET" ] || fail "the link was replaced"
[ "$(stat -c %a "$TARGET")" = 604 ] || fail "the table's mode is now $(stat -c %a "$TARGET")"
holds_two_and_the_battle "$TARGET" || fail "the linked table holds: $(cat "$WORK/records")"
[ "$(LC_ALL=C ls -A "$WORK/elsewhere" | tr '\n' ' ')" = "scores scores.backup scores.saving.mine " ] ||
    fail "beside the table: $(ls -A "$WORK/elsewhere")"
[ "$(LC_ALL=C ls -A "$USER_DIR" | tr '\n' ' ')" = ".Truceward Replays Truceward.conf " ] ||
    fail "left in the folder: $(ls -A "$USER_DIR")"

# --- A new table gets 0666 less the umask, as the configuration file does.
rm -f "$SCORES"
umask 027
file_a_battle
umask 022
[ "$(stat -c %a "$SCORES")" = 640 ] || fail "a new table has mode $(stat -c %a "$SCORES")"

# --- Where no lock can be had (NFS without a lock daemon) the table is saved
# without it, with a line saying so.
rm -f "$SCORES"
FAIL_FLOCK=1 LD_PRELOAD=$FAILING_READ \
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 file_a_battle
assert_output_has "Could not lock $SCORES.lock (No locks available): saving without the lock"
records "$SCORES" | grep -q '^32 32 2 2 ' || fail "no table saved without a lock"
[ -e "$SCORES.lock" ] && fail "the save without a lock left $SCORES.lock behind"

# --- The configuration: something other than an ordinary file in its place is
# reported and left alone, and the defaults stand.
for kind in folder fifo zero; do
    rm -rf "$CONF"
    case $kind in
        folder) mkdir "$CONF" ;;
        fifo) mkfifo "$CONF" ;;
        zero) ln -s /dev/zero "$CONF" ;;
    esac
    run_briefly
    assert_output_has "Could not read $CONF"
    [ "$WIN_W" = 800 ] && [ "$WIN_H" = 600 ] || fail "with a $kind: window ${WIN_W}x${WIN_H}"
    case $kind in
        folder) [ -d "$CONF" ] ;;
        fifo) [ -p "$CONF" ] ;;
        zero) [ "$(readlink "$CONF")" = /dev/zero ] ;;
    esac || fail "the $kind in the configuration's place was replaced"
done
rm -rf "$CONF"

# --- A configuration of 1 GiB (sparse) is no file of ours: the window comes
# at once, memory stays small (twice that sanitized), and a volume changed in
# the settings writes nothing.
# The window's time is measured against a start without the file, so that a
# busy machine or a sanitized build does not count against it.
launched=$(date +%s%N)
run_briefly
plain=$(($(date +%s%N) - launched))
truncate -s 1G "$CONF"
before=$(stat -c '%s %b %Y' "$CONF") launched=$(date +%s%N)
start_game
huge=$(($(date +%s%N) - launched))
[ "$huge" -lt $((plain + 2000000000)) ] || fail "the window came after $huge ns, else $plain ns"
press_keys Down Return Left Escape
peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$GAME_PID/status")
ldd "$GAME" | grep -q -E 'lib(a|t)san' && peak=$((peak / 2))
[ "$peak" -lt $((250 * 1024)) ] || fail "peak memory $peak kB with a huge configuration"
kill -TERM "$GAME_PID"
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] && [ "$(stat -c '%s %b %Y' "$CONF")" = "$before" ] || fail "huge file written"
assert_output_has "Could not read $CONF: larger than 64 KiB"
rm -f "$CONF"

# --- Sizes no window can have fall back to the defaults; a byte-order mark
# and carriage returns alone as line ends are read as their author meant.
printf 'w 20000\nh -5\nns 1\nnm 1\n' >"$CONF"
run_briefly
assert_output_has "Using default width = 800"
assert_output_has "Using default height = 600"
[ "$WIN_W" = 800 ] && [ "$WIN_H" = 600 ] || fail "impossible sizes: window ${WIN_W}x${WIN_H}"
printf '\357\273\277w 640\rh 480\rns 1\rnm 1\r' >"$CONF"
run_briefly
[ "$WIN_W" = 640 ] && [ "$WIN_H" = 480 ] || fail "mark and CR: window ${WIN_W}x${WIN_H}"

# --- A first start on a full disk leaves no file behind (root only: a tiny
# file system of our own).
rm -f "$CONF"
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=4k tmpfs "$USER_DIR" 2>/dev/null; then
    trap 'umount -l "$USER_DIR"; e2e_cleanup' EXIT
    head -c 100000 /dev/zero >"$USER_DIR/filler" 2>/dev/null
    run_briefly
    assert_output_has "Could not create $CONF"
    [ "$(ls -A "$USER_DIR")" = filler ] || fail "a full disk was left with: $(ls -A "$USER_DIR")"
    umount -l "$USER_DIR"
    trap e2e_cleanup EXIT
fi

# --- Permissions, as a user they bind (root may write anything).
if can_run_as_nobody; then
    printf 'w 320\nh 240\na 0\nns 1\nnm 1\n' >"$CONF"
    chown -R nobody:nogroup "$HOME"
    RUN_AS=$NOBODY

    # The lock file a killed save of root's left does not stop the first save.
    rm -f "$SCORES"
    echo >"$SCORES.lock"
    chmod 644 "$SCORES.lock"
    file_a_battle
    records "$SCORES" | grep -q '^32 32 2 2 ' || fail "beside root's lock file: no table"

    # A table the player may not read is not written over.
    cp "$WORK/two" "$SCORES"
    chown root:root "$SCORES"
    chmod 000 "$SCORES"
    file_a_battle
    assert_output_has "Error loading high scores file: $SCORES"
    assert_output_has "Error saving high scores file: $SCORES"
    cmp -s "$WORK/two" "$SCORES" || fail "an unreadable table was written over"

    # Nor is a table the player made read-only.
    chown nobody:nogroup "$SCORES"
    chmod 444 "$SCORES"
    file_a_battle
    assert_output_has "Error saving high scores file: $SCORES"
    cmp -s "$WORK/two" "$SCORES" || fail "a read-only table was written over"

    # A writable table in a folder that takes no new file is written in place.
    chmod 644 "$SCORES"
    chown root:root "$USER_DIR"
    inode=$(stat -c %i "$SCORES")
    file_a_battle
    holds_two_and_the_battle "$SCORES" || fail "in a read-only folder: $(cat "$WORK/records")"
    [ "$(stat -c %i "$SCORES")" = "$inode" ] || fail "the table was not written in place"
    chown nobody:nogroup "$USER_DIR"

    # A configuration the player may write but not read is not replaced.
    printf 'w 640\nh 480\n' >"$CONF"
    cp "$CONF" "$WORK/conf-before"
    chmod 200 "$CONF"
    run_briefly
    assert_output_has "Could not read $CONF"
    [ "$WIN_W" = 800 ] && [ "$WIN_H" = 600 ] || fail "unreadable configuration: ${WIN_W}x${WIN_H}"
    cmp -s "$WORK/conf-before" "$CONF" || fail "an unreadable configuration was replaced"
    RUN_AS=
fi
echo "PASS"
