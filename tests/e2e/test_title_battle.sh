#!/bin/bash
# From the title screen into the battle and back: the start button starts the
# battle with the chosen numbers, Escape returns to the title screen, which
# files the battle's score under them, and Escape on the title screen quits.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

# The chosen numbers will be 33 and 2 on the left, 32 and 1 on the right, that
# is the key (33, 32, 2, 1). Its stored score is far below anything a battle
# left at once can score, so that any filing replaces it.
mkdir -p "$USER_DIR"
SCORES="$USER_DIR/.Truceward"
python3 - "$SCORES" <<'PY' || fail "could not write the high score file"
import struct, sys
with open(sys.argv[1], "wb") as out:
    out.write(struct.pack("<5i", 32, 32, 2, 2, 4242))
    out.write(struct.pack("<5i", 33, 32, 2, 1, -9999))
PY
cp "$SCORES" "$WORK/prepared"

start_game -w 1024 -h 768 -ns -nm

# Crops of one screenshot: the high score and the four number fields (each
# two cells of 21 pixels at 1024 x 768, on the rows of their labels).
take() {
    screenshot "$WORK/$1.png"
    convert "$WORK/$1.png" -crop 240x50+600+500 +repage "$WORK/$1-score.png"
    convert "$WORK/$1.png" -crop 60x25+388+337 +repage "$WORK/$1-lc.png"
    convert "$WORK/$1.png" -crop 60x25+388+406 +repage "$WORK/$1-lf.png"
    convert "$WORK/$1.png" -crop 60x25+799+337 +repage "$WORK/$1-rc.png"
    convert "$WORK/$1.png" -crop 60x25+799+406 +repage "$WORK/$1-rf.png"
}

move_logical 512 600
take start
click_logical 464 418   # left civilians more: 33
click_logical 768 348   # right fighters less: 1
move_logical 512 600
take chosen
same chosen-score start-score && fail "the score shown did not follow the arrows"

start_battle
take battle
for field in lc lf rc rf; do
    same "battle-$field" "chosen-$field" && fail "the title screen is still showing ($field)"
done
# Until the battle is drawn, its stand-in shows a blank white window and
# counts nothing; the real battle counts, and its score must be filed.
if [ "$(convert "$WORK/battle.png" -format '%[fx:minima]' info:)" = "1" ]; then
    BATTLE_COUNTS=
else
    BATTLE_COUNTS=yes
fi

press_keys Escape
sleep 0.5
take back
for field in lc lf rc rf; do
    same "back-$field" "chosen-$field" || fail "the title screen came back without 33, 2, 32, 1"
done

press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "the game ended with status $GAME_STATUS"
grep -q "Error saving high scores file" "$WORK/stdout" && fail "the save reported an error"

SCORE=$(python3 - "$SCORES" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
if len(data) != 40:
    sys.exit("expected two records, found %d bytes" % len(data))
records = [struct.unpack("<5i", data[i:i + 20]) for i in range(0, 40, 20)]
if records[0] != (32, 32, 2, 2, 4242) or records[1][:4] != (33, 32, 2, 1):
    sys.exit("unexpected records %r" % records)
print(records[1][4])
PY
) || fail "the high score file is not as expected"

if [ -n "$BATTLE_COUNTS" ]; then
    [ "$SCORE" -gt -9999 ] || fail "the battle's score was not filed under 33, 32, 2, 1"
    # The title screen that came back shows the new best.
    same back-score chosen-score && fail "the title screen shows the old best score"
else
    echo "note: the battle is still a stand-in that counts nothing; no score to file"
    cmp -s "$SCORES" "$WORK/prepared" || fail "a score was filed although nothing was counted"
    same back-score chosen-score || fail "the title screen came back with another best score"
fi
echo "PASS"
