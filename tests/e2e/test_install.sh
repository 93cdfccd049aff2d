#!/bin/bash
# `cmake --install` into a scratch prefix: the binary, its sounds, the desktop
# entry, the icons, the manual page, the software-centre metadata and the
# replays' file type land where a Linux desktop expects them; the installed
# game, started from elsewhere, finds its sounds, and opened on a replay file
# alone, as a file manager opens one, plays it.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
BUILD_DIR=$(dirname "$GAME")
PREFIX="$WORK/prefix"
APP_ID=$(sed -n 's/^set(TRUCEWARD_APP_ID \(.*\))$/\1/p' "$(dirname "$0")/../../cmake/Install.cmake")

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$WORK/install.log")"

[ -x "$PREFIX/bin/truceward" ] || fail "no bin/truceward"
for sound in music shot personDying brickPuff; do
    [ -f "$PREFIX/share/truceward/sounds/$sound.ogg" ] || fail "no $sound.ogg installed"
done
DESKTOP="$PREFIX/share/applications/$APP_ID.desktop"
[ -f "$DESKTOP" ] || fail "no desktop entry $APP_ID.desktop"
grep -qx "Exec=truceward %f" "$DESKTOP" || fail "the desktop entry does not start truceward"
grep -qx "MimeType=application/x-truceward-replay;" "$DESKTOP" || fail "the entry opens no replays"
if command -v update-mime-database >/dev/null; then
    update-mime-database "$PREFIX/share/mime" &&
        [ -f "$PREFIX/share/mime/application/x-truceward-replay.xml" ] ||
        fail "the replays' file type was not installed"
fi
grep -qx "Icon=$APP_ID" "$DESKTOP" || fail "the desktop entry names no icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$DESKTOP" || fail "the desktop entry is not valid"
fi
for size in 16 32 48 64 128 256; do
    icon="$PREFIX/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    identify -format '%wx%h' "$icon" | grep -qx "${size}x${size}" || fail "icon $size has the wrong size"
done
MANUAL="$PREFIX/share/man/man6/truceward.6.gz"
[ -f "$MANUAL" ] || fail "no manual page"
gzip -dc "$MANUAL" | groff -ww -z -man 2>"$WORK/groff" && [ ! -s "$WORK/groff" ] ||
    fail "the manual page has faults: $(cat "$WORK/groff")"
appstreamcli validate --no-net "$PREFIX/share/metainfo/$APP_ID.metainfo.xml" >"$WORK/appstream" ||
    fail "the metainfo is not valid: $(cat "$WORK/appstream")"
[ -f "$PREFIX/share/doc/truceward/copyright" ] || fail "no copyright file"

# The installed game, started from another folder, loads its sounds from the
# installation and plays.
cd "$WORK"
GAME="$PREFIX/bin/truceward"
start_game -w 320 -h 240 -ns
for sound in music shot personDying brickPuff; do
    assert_output_has "vorbisfile: Loaded file: $PREFIX/share/truceward/sounds/$sound.ogg"
done
kill -TERM "$GAME_PID"
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS"

start_game "$(cd "$(dirname "$0")/../.." && pwd)/assets/replays/demo.twreplay"
screenshot "$WORK/first.png"
sleep 1
screenshot "$WORK/later.png"
same first later && fail "opened on a replay file, the game played nothing"
press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS after the replay"
echo "PASS"
