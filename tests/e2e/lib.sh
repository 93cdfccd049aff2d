# Shared helpers of the end-to-end tests: the real game binary on a virtual X
# display of the test's own, a temporary HOME, input from xdotool and
# screenshots. Source it, then call e2e_setup with the game binary.
#
# Every test script has a display to itself, so that the scripts can run at
# the same time without sharing a pointer, a keyboard focus or a screen.

set -u

e2e_setup() {
    GAME=$1
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/truceward-e2e-XXXXXX")
    GAME_PID=
    XVFB_PID=
    trap e2e_cleanup EXIT
    start_display
    export HOME="$WORK/home"
    mkdir -p "$HOME"
    # The game speaks English, whatever the desktop running the tests speaks.
    export LANGUAGE=en
    USER_DIR="$HOME/Library/Application Support/Truceward"
}

# Starts Xvfb on a free display number of its own choosing and points DISPLAY
# at it. Without -auth it takes local clients of any user.
start_display() {
    command -v Xvfb >/dev/null || { echo "FAIL: Xvfb is not installed" >&2; exit 1; }
    local number_file="$WORK/display-number"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" \
        >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 200); do
        [ -s "$number_file" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    [ -s "$number_file" ] || { cat "$WORK/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n 1 "$number_file")"
    unset XAUTHORITY WAYLAND_DISPLAY
}

# The game has been started here before: its title opens on ENTER WAR, not
# on HOW TO PLAY as at a very first start (no configuration file yet).
seen_before() {
    mkdir -p "$USER_DIR"
    [ -e "$USER_DIR/Truceward.conf" ] || printf 'w 800\nh 600\na 6\nf 0\nns 0\nnm 0\n' >"$USER_DIR/Truceward.conf"
}

e2e_cleanup() {
    if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill -KILL "$GAME_PID" 2>/dev/null
    fi
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    if [ -n "${KEEP_E2E_WORK:-}" ]; then
        echo "work files kept in $WORK" >&2
    else
        rm -rf "$WORK"
    fi
}

fail() {
    echo "FAIL: $*" >&2
    if [ -f "$WORK/stdout" ]; then
        echo "--- game output:" >&2
        cat "$WORK/stdout" >&2
    fi
    if [ -s "$WORK/stderr" ]; then
        echo "--- game errors (audio library chatter left out):" >&2
        grep -v -E '^(ALSA lib|Cannot connect|jack|Jack)' "$WORK/stderr" | tail -n 200 >&2
    fi
    exit 1
}

# Points GAME at a copy of the game with a sounds folder of our own beside it:
# a 30-second tone for the music and short noises for the effects, which the
# tests can tell apart in what the game plays. 196 Hz repeats every 225
# frames, which divides both the song and the music's buffers: the tone loops
# without a click.
use_test_sounds() {
    command -v sox >/dev/null || fail "sox is needed to make the test sounds"
    GAME_DIR="$WORK/game"
    mkdir -p "$GAME_DIR/sounds"
    cp "$GAME" "$GAME_DIR/truceward"
    GAME="$GAME_DIR/truceward"
    sox -n -r 44100 -c 2 "$GAME_DIR/sounds/music.ogg" synth 30 sine 196 gain -6 ||
        fail "sox could not make the music"
    sox -n -r 44100 -c 1 "$GAME_DIR/sounds/shot.ogg" synth 0.12 whitenoise gain -4 fade 0 0.12 0.1
    sox -n -r 44100 -c 1 "$GAME_DIR/sounds/personDying.ogg" synth 0.5 square 900 gain -10 \
        fade 0 0.5 0.4
    sox -n -r 44100 -c 1 "$GAME_DIR/sounds/brickPuff.ogg" synth 0.2 pinknoise gain -6 \
        fade 0.01 0.2 0.15
}

# Starts the game in the background with the given arguments and waits for its
# window. Sets GAME_PID, WIN, WIN_X, WIN_Y, WIN_W, WIN_H. A command in RUN_AS
# (see as_nobody) runs the game.
start_game() {
    # shellcheck disable=SC2086
    ${RUN_AS:-} "$GAME" "$@" >"$WORK/stdout" 2>"$WORK/stderr" &
    GAME_PID=$!
    WIN=
    for _ in $(seq 1 200); do
        WIN=$(xdotool search --pid "$GAME_PID" 2>/dev/null | tail -n 1)
        [ -n "$WIN" ] && break
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before opening its window"
        sleep 0.05
    done
    [ -n "$WIN" ] || fail "no window appeared"
    local WIDTH HEIGHT X Y SCREEN
    for _ in $(seq 1 100); do
        eval "$(xdotool getwindowgeometry --shell "$WIN")"
        [ "$WIDTH" -gt 1 ] && break
        sleep 0.05
    done
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
    # Let the first frames through before any input arrives.
    sleep 0.5
}

# Moves the pointer to a point given in the game's logical units (1024 x 768,
# origin bottom-left, y up).
move_logical() {
    local px py
    px=$(awk -v x="$1" -v w="$WIN_W" 'BEGIN { printf "%d", x * w / 1024 }')
    py=$(awk -v y="$2" -v h="$WIN_H" 'BEGIN { printf "%d", h - y * h / 768 }')
    xdotool mousemove $((WIN_X + px)) $((WIN_Y + py))
    sleep 0.2
}

# Button down and up go out together: a click held for long on a slow, busy
# machine would become a held arrow on the title screen, which repeats.
click_logical() {
    move_logical "$1" "$2"
    xdotool click 1
    sleep 0.2
}

# Keys go to the window under the pointer: there is no window manager.
press_keys() {
    xdotool mousemove $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H / 2))
    sleep 0.1
    local key
    for key in "$@"; do
        xdotool keydown "$key"
        sleep 0.05
        xdotool keyup "$key"
        sleep 0.1
    done
}

# Whether the game can be run as the unprivileged user nobody: permissions
# only hold for a user who is not root. Sets NOBODY, a command prefix that
# runs a program as nobody on this display.
can_run_as_nobody() {
    [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null || return 1
    chmod 755 "$WORK"
    NOBODY="setpriv --reuid=nobody --regid=nogroup --clear-groups"
}

screenshot() {
    import -window root -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$1"
}

# Whether pictures $WORK/$1.png and $WORK/$2.png are the same, pixel for pixel.
same() {
    [ "$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1)" = "0" ]
}

# Waits up to $1 seconds for the game to end; sets GAME_STATUS.
wait_for_exit() {
    local limit=$(( $1 * 20 ))
    for _ in $(seq 1 "$limit"); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID"
            GAME_STATUS=$?
            GAME_PID=
            return 0
        fi
        sleep 0.05
    done
    fail "the game did not end within $1 s"
}

# Starts the game, lets it draw for a moment and ends it with SIGTERM.
run_briefly() {
    start_game "$@"
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game died on start ($*)"
    kill -TERM "$GAME_PID"
    wait_for_exit 15
    [ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS ($*)"
}

# The records of the high score file $1 as "lc rc lf rf score" lines.
records() {
    python3 - "$1" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
for i in range(0, len(data) - len(data) % 20, 20):
    print(*struct.unpack("<5i", data[i:i + 20]))
EOF
}

assert_output_has() {
    grep -qxF -- "$1" "$WORK/stdout" || fail "expected the line '$1' in the output"
}

# From the title screen: clicks the start button (ENTER WAR). The battle starts
# at the end of the next frame.
start_battle() {
    click_logical 512 128
    sleep 0.3
}
