#!/bin/bash
# The game in every language it has, on the real game: started with
# LANGUAGE=LANG, the title, the settings, a page of HOW TO PLAY and the
# battle's pause read otherwise than in English (the pause darkens the battle
# to half its brightness, so its white pixels are its words alone), and
# LANGUAGE=xx reads exactly as English. In the settings, LANGUAGE changes
# the words at once and the file remembers it; started with options, the file
# stays as it was.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
seen_before
CONF="$USER_DIR/Truceward.conf"

# Shoots $1-title, $1-settings, $1-howto and the count of the pause's white
# pixels $1-pause of the game as started with LANGUAGE=$1 and the rest of $@.
shoot() {
    local name=$1
    shift
    LANGUAGE=$name start_game "$@"
    xdotool mousemove $((WIN_X + WIN_W - 2)) $((WIN_Y + 2))
    sleep 0.3
    screenshot "$WORK/$name-title.png"
    press_keys Down Return
    sleep 0.3
    screenshot "$WORK/$name-settings.png"
    press_keys Escape Down Return Right
    sleep 0.3
    screenshot "$WORK/$name-howto.png"
    press_keys Escape Up Up Return p
    sleep 0.5
    screenshot "$WORK/$name-paused.png"
    convert "$WORK/$name-paused.png" -fx 'r > 0.9 && g > 0.9 && b > 0.9' \
        -format '%[fx:int(mean * w * h)]' info: >"$WORK/$name-pause"
    kill -TERM "$GAME_PID"
    wait_for_exit 10
}

shoot en -w 640 -h 480 -ns -nm
for name in de fr es pt_BR it pl; do
    shoot "$name" -w 640 -h 480 -ns -nm
    for screen in title settings howto; do
        same "en-$screen" "$name-$screen" && fail "LANGUAGE=$name: the $screen is in English"
    done
    [ "$(cat "$WORK/$name-pause")" != "$(cat "$WORK/en-pause")" ] ||
        fail "LANGUAGE=$name: the pause is in English"
done
shoot xx -w 640 -h 480 -ns -nm
for screen in title settings howto; do
    same en-$screen xx-$screen || fail "LANGUAGE=xx: the $screen is not the English one"
done
[ "$(cat "$WORK/xx-pause")" = "$(cat "$WORK/en-pause")" ] || fail "LANGUAGE=xx: the pause differs"

# Started without options: LANGUAGE, one step right from AUTOMATIC, is
# DEUTSCH, at once; the file remembers it.
printf 'w 640\nh 480\nns 1\nnm 1\n' >"$CONF"
start_game
press_keys Down Return Down Down Down Right Escape Up
xdotool mousemove $((WIN_X + WIN_W - 2)) $((WIN_Y + 2))
sleep 0.3
screenshot "$WORK/chosen.png"
same chosen de-title || fail "DEUTSCH did not change the title at once"
press_keys Escape
wait_for_exit 10
grep -qx "lang de" "$CONF" || fail "the file does not remember DEUTSCH: $(cat "$CONF")"
cp "$CONF" "$WORK/remembered.conf"
start_game -w 640 -h 480 -ns -nm
press_keys Down Return Down Down Down Right Right Escape Escape
wait_for_exit 10
cmp -s "$CONF" "$WORK/remembered.conf" || fail "started with options, the game changed its file"
echo "PASS"
