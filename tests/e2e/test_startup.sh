#!/bin/bash
# Start-up and shut-down of the real binary: the help, the version, no
# display, the first start in an empty HOME with the window's icon, options
# against the configuration file, and the ways the game ends (Escape on the
# title screen, SIGTERM).
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
SOURCE="$(dirname "$0")/../.."

# --help: the help text, two empty lines, status 0, no window.
"$GAME" --help >"$WORK/help" 2>/dev/null || fail "--help must exit with 0"
cat >"$WORK/expected-help" <<'EOF'

Truceward!

Usage:
Truceward -w [width] -h [height] -a [val] -f -ns -nm
Truceward --replay [file] | --verify [file]

Flags:
--width [val] | -w [val]:	Set the width of the window.
--height [val] | -h [val]:	Set the height of the window.
--antialias [val] | -a [val]:	Sets the antialiasing level (2, 4, or 6).
--fullscreen | -f:		Sets whether to go fullscreen or not.
--nosound | -ns:		Switches off the sound output.
--nomusic | -nm:		Switches off the background music.
--replay [file]:		Plays a replay file in the window; Escape ends.
--verify [file]:		Plays a replay file without a window and checks
				its score: exit status 0 when it is as recorded.
--help:				Display this help.


EOF
grep -v -E '^(vorbisfile: |Created directory )' "$WORK/help" >"$WORK/help-only"
diff -u "$WORK/expected-help" "$WORK/help-only" || fail "the help text differs"

# --version: the name and the version kept in CMake, status 0, nothing else,
# and no display needed.
VERSION=$(sed -n 's/^project(Truceward VERSION \([0-9.]*\).*/\1/p' "$SOURCE/CMakeLists.txt")
env -u DISPLAY -u WAYLAND_DISPLAY "$GAME" --version >"$WORK/version" 2>&1 ||
    fail "--version must exit with 0"
[ "$(cat "$WORK/version")" = "Truceward $VERSION" ] || fail "--version printed: $(cat "$WORK/version")"

# No display at all: the fatal message, and a status that says it failed.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$GAME" -ns >"$WORK/nodisplay" 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "without a display the game must exit with 1, not $status"
tail -n 1 "$WORK/nodisplay" | grep -q "^Could not initialise SDL: " ||
    fail "without a display: expected the SDL message, got: $(tail -n 1 "$WORK/nodisplay")"

# First start in an empty HOME: the folders and the six default lines.
rm -rf "$HOME/Library"
start_game
assert_output_has "Created directory $USER_DIR"
printf 'w 800\nh 600\na 6\nf 0\nns 0\nnm 0\n' >"$WORK/expected-conf"
cmp -s "$WORK/expected-conf" "$USER_DIR/Truceward.conf" || fail "the configuration file differs"
[ "$WIN_W" = 800 ] && [ "$WIN_H" = 600 ] || fail "first start window is ${WIN_W}x${WIN_H}"
# The window manager gets the game's own icon, pixel for pixel.
xprop -id "$WIN" -notype 32c _NET_WM_ICON >"$WORK/icon"
convert "$SOURCE/assets/icon/truceward-64.png" "rgba:$WORK/icon.rgba"
python3 - "$WORK/icon" "$WORK/icon.rgba" <<'EOF' || fail "the window's icon: $(head -c 100 "$WORK/icon")"
import sys
shown = [int(v) for v in open(sys.argv[1]).read().partition("=")[2].replace(",", " ").split()]
rgba = open(sys.argv[2], "rb").read()
argb = [a << 24 | r << 16 | g << 8 | b for r, g, b, a in zip(*[iter(rgba)] * 4)]
sys.exit(shown != [64, 64] + argb)
EOF
press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "Escape on the title screen: status $GAME_STATUS"
cmp -s "$WORK/expected-conf" "$USER_DIR/Truceward.conf" || fail "the configuration was rewritten"

# The file decides when there are no arguments...
printf 'w 640\nh 400\na 0\nns 1\nnm 1\n' >"$USER_DIR/Truceward.conf"
start_game
[ "$WIN_W" = 640 ] && [ "$WIN_H" = 400 ] || fail "the file's size was not used: ${WIN_W}x${WIN_H}"
grep -q "PortAudioDevice" "$WORK/stdout" && fail "sound was switched off by the file"
kill -TERM "$GAME_PID"
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "SIGTERM: status $GAME_STATUS"

# ...and any argument at all, even an unknown one, makes the options decide.
start_game -x
[ "$WIN_W" = 800 ] && [ "$WIN_H" = 600 ] || fail "-x: window is ${WIN_W}x${WIN_H}"
assert_output_has "Using default width = 800"
assert_output_has "Using default height = 600"
kill -TERM "$GAME_PID"
wait_for_exit 10

start_game -w 1024 -w 512 -h 384 -ns -nm -a
[ "$WIN_W" = 512 ] && [ "$WIN_H" = 384 ] || fail "options: window is ${WIN_W}x${WIN_H}"
assert_output_has "Using 2x antialiasing."
press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS"
echo "PASS"
