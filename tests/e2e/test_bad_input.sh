#!/bin/bash
# Every input the game reads, tried with bad data: the game says what the
# trouble is and goes on where it can; where it cannot, it ends with status 1.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

# --- The configuration file: long, binary, empty and valueless lines.
mkdir -p "$USER_DIR"
{
    printf 'w 640\n'
    head -c 5000 /dev/zero | tr '\0' 'h'
    printf '\n\n\nw\nh \nf\nns\n'
    head -c 3000 /dev/urandom | tr -d '\n'
    printf '\nh 480\r\na 0\n'
} >"$USER_DIR/Truceward.conf"
run_briefly
[ "$WIN_W" = 640 ] && [ "$WIN_H" = 480 ] || fail "odd configuration: window ${WIN_W}x${WIN_H}"
: >"$USER_DIR/Truceward.conf"
run_briefly
[ "$WIN_W" = 800 ] && [ "$WIN_H" = 600 ] || fail "empty configuration: window ${WIN_W}x${WIN_H}"

# --- Option values.
run_briefly -w 1024x -h 700x -nm
[ "$WIN_W" = 1024 ] && [ "$WIN_H" = 700 ] || fail "-w 1024x: window ${WIN_W}x${WIN_H}"
run_briefly -w 99999999999 -h -nm
assert_output_has "Using default width = 800"
assert_output_has "Using default height = 600"
status=0
"$GAME" -w -5 -h 300 >"$WORK/stdout" 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "a window that cannot be made must end with status 1, not $status"
tail -n 1 "$WORK/stdout" | grep -q "^Could not set video mode: " || fail "-w -5: $(tail -n 1 "$WORK/stdout")"

# --- The high score file: random bytes of odd and large sizes are read as
# records (a partial one at the end ignored) and written back whole.
SCORES="$USER_DIR/.Truceward"
for size in 7 45 1000003; do
    head -c "$size" /dev/urandom >"$SCORES"
    whole=$(( size / 20 * 20 ))
    head -c "$whole" "$SCORES" >"$WORK/expected-scores"
    start_game -w 320 -h 240 -nm
    press_keys Escape
    wait_for_exit 20
    [ "$GAME_STATUS" = 0 ] || fail "high score file of $size bytes: status $GAME_STATUS"
    if [ "$whole" = 0 ]; then
        # An empty table is never written: the file stays as it was.
        [ "$(stat -c %s "$SCORES")" = "$size" ] || fail "a table without records was rewritten"
    else
        cmp -s "$WORK/expected-scores" "$SCORES" || fail "$size bytes of scores were not kept whole"
    fi
done
rm -f "$SCORES"

# --- Sound files: missing, empty, not Vorbis, truncated, and mono music;
# music at another rate than the stream's or with six channels stays silent.
# The game looks for them beside its executable, so run a copy.
COPY="$WORK/copy"
mkdir -p "$COPY/sounds"
cp "$GAME" "$COPY/truceward"
SOUNDS="$(dirname "$GAME")/sounds"
: >"$COPY/sounds/shot.ogg"
head -c 4096 /dev/urandom >"$COPY/sounds/personDying.ogg"
head -c 3000 "$SOUNDS/brickPuff.ogg" >"$COPY/sounds/brickPuff.ogg"
sox "$SOUNDS/music.ogg" -c 1 "$COPY/sounds/music.ogg" trim 0 5
ORIGINAL_GAME=$GAME
GAME="$COPY/truceward"
run_briefly -w 320 -h 240
assert_output_has "vorbisfile: Could not open file: $COPY/sounds/shot.ogg"
assert_output_has "vorbisfile: Could not open file: $COPY/sounds/personDying.ogg"
assert_output_has "vorbisfile: Loaded file: $COPY/sounds/music.ogg"
rm "$COPY/sounds/music.ogg"
run_briefly -w 320 -h 240
assert_output_has "vorbisfile: fopen could not open file: $COPY/sounds/music.ogg"
sox "$SOUNDS/music.ogg" -r 22050 "$COPY/sounds/music.ogg" trim 0 2
run_briefly -w 320 -h 240
assert_output_has "BackgroundMusic: $COPY/sounds/music.ogg is made for 22050 Hz but the sound plays at 44100 Hz; the music stays silent."
sox "$SOUNDS/music.ogg" -c 6 "$COPY/sounds/music.ogg" trim 0 2
run_briefly -w 320 -h 240
assert_output_has "BackgroundMusic: $COPY/sounds/music.ogg has 6 channels, more than the 2 the game plays; the music stays silent."
# No sounds folder of its own: the game says which folders it missed and
# decodes nothing, not even good sounds waiting in the current folder.
rm -r "$COPY/sounds"
mkdir -p "$WORK/planted"
cp "$SOUNDS"/*.ogg "$WORK/planted/"
cd "$WORK/planted"
run_briefly -w 320 -h 240
cd - >/dev/null
grep -q "^No sounds folder: none of $COPY/sounds/, $WORK/share/truceward/sounds/ or .* is there; the game plays without sound.$" \
    "$WORK/stdout" || fail "no word of the missing sounds folder"
! grep -q "vorbisfile" "$WORK/stdout" || fail "sounds were decoded from outside the game's folders"
GAME=$ORIGINAL_GAME

# --- No audio device: the one device ALSA knows cannot be opened. The game
# says so and plays on, silent.
printf 'pcm.broken { type hw; card 99 }\n' >"$WORK/no-device.conf"
ALSA_CONFIG_PATH="$WORK/no-device.conf" run_briefly -w 320 -h 240
assert_output_has "PortAudioDevice Error: Could not open stream."

# --- HOME in places where nothing can be written: missing, and read-only.
for home in "$WORK/missing" /proc; do
    export HOME="$home"
    run_briefly -w 320 -h 240 -nm
    assert_output_has "Could not create directory $home/Library/Application Support/Truceward"
done
export HOME="$WORK/home"

# --- No HOME at all: the password database decides. Run as nobody, whose home
# does not exist, so that no real home directory is touched.
if can_run_as_nobody; then
    nobody_home=$(getent passwd nobody | cut -d: -f6)
    if [ ! -e "$nobody_home" ]; then
        # shellcheck disable=SC2086
        env -u HOME $NOBODY "$GAME" -w 320 -h 240 -nm >"$WORK/stdout" 2>/dev/null &
        GAME_PID=$!
        # Until its window shows, the game may not handle the signal yet.
        for _ in $(seq 1 400); do
            xdotool search --pid "$GAME_PID" >/dev/null 2>&1 && break
            sleep 0.05
        done
        kill -TERM "$GAME_PID"
        wait_for_exit 15
        [ "$GAME_STATUS" = 0 ] || fail "without HOME: status $GAME_STATUS"
        assert_output_has "Could not create directory $nobody_home/Library/Application Support/Truceward"
    fi
fi
echo "PASS"
