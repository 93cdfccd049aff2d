#!/bin/bash
# The game teaches itself, on the real game with the keyboard alone. At the
# very first start the title's focus is on HOW TO PLAY: Return opens it (no
# battle), Right turns to another page, Escape goes back; later starts need
# Down, Down, Return. A first battle tells which keys lay bricks until Z lays
# one; the configuration file then holds "hint 0" and the next battle tells
# nothing. Started with options, the file stays byte for byte.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
CONF="$USER_DIR/Truceward.conf"

# Whether the hint's white letters show under the field's lower pile, between
# the left fighters' line and the left wall, where only grass and bullets
# (gold, not white) are otherwise.
hint_shown() {
    screenshot "$WORK/hint.png"
    local white
    white=$(convert "$WORK/hint.png" -crop "$((WIN_W * 190 / 1024))x$((WIN_H * 26 / 768))+$((WIN_W * 240 / 1024))+$((WIN_H - WIN_H * 34 / 768))" \
        +repage -fx 'r > 0.9 && g > 0.9 && b > 0.9' -format '%[fx:int(mean * w * h)]' info:)
    [ "$white" -gt 50 ]
}

start_game
screenshot "$WORK/title.png"
press_keys Return Right
sleep 0.3
screenshot "$WORK/controls.png"
sleep 0.5
screenshot "$WORK/still.png"
same controls still && ! same title controls || fail "Return and Right showed no page of HOW TO PLAY"
press_keys Escape
sleep 0.3
screenshot "$WORK/back.png"
same title back || fail "Escape did not go back to the title"
press_keys Escape
wait_for_exit 10
[ -s "$USER_DIR/.Truceward" ] && fail "a battle was filed: $(records "$USER_DIR/.Truceward")"

start_game
press_keys Down Down Return Right
sleep 0.3
screenshot "$WORK/again.png"
same controls again || fail "Down, Down, Return did not open HOW TO PLAY"
press_keys Escape Up Up Return
sleep 0.5
hint_shown || fail "the first battle shows no hint"
press_keys z
sleep 0.3
hint_shown && fail "the hint stayed after Z laid a brick"
grep -qx "hint 0" "$CONF" || fail "the file does not remember the hint: $(cat "$CONF")"
press_keys Escape Return
sleep 0.5
hint_shown && fail "the next battle shows the hint again"
press_keys Escape Escape
wait_for_exit 10

grep -v '^hint' "$CONF" >"$WORK/unhinted"
cp "$WORK/unhinted" "$CONF"
start_game -w 320 -h 240 -ns -nm
press_keys Return
sleep 0.5
hint_shown || fail "started with options, the first battle shows no hint"
press_keys z Escape Escape
wait_for_exit 10
cmp -s "$CONF" "$WORK/unhinted" || fail "started with options, the game changed its file"
echo "PASS"
