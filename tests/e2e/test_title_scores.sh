#!/bin/bash
# The title screen on the real game: it opens on 32, 2, 32, 2 with the best
# score stored for them, every arrow steps its own number (the best score shown
# follows the key), and Escape quits, leaving the high score file as it was.
#
# The glyphs may be plain blocks while the art is drawn, so a score is told
# apart by how many characters it has: each value below has its own length,
# and screenshots of the score area are compared with each other only.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

# Records of the high score file: left civilians, right civilians, left
# fighters, right fighters, score. The neighbours of 32, 32, 2, 2 are laid out
# so that no two arrows stepping the same way share a score, and neither do
# the two arrows of one number; a missing key shows 0.
mkdir -p "$USER_DIR"
SCORES="$USER_DIR/.Truceward"
python3 - "$SCORES" <<'PY' || fail "could not write the high score file"
import struct, sys
records = [
    (32, 32, 2, 2, 4242),   # the start
    (33, 32, 2, 2, 55),     # left civilians more
    (31, 32, 2, 2, 666),    # left civilians less
    (32, 33, 2, 2, 666),    # right civilians more
    (32, 31, 2, 2, 12345),  # right civilians less
    (32, 32, 3, 2, 12345),  # left fighters more
    (32, 32, 2, 1, 55),     # right fighters less
]
with open(sys.argv[1], "wb") as out:
    for record in records:
        out.write(struct.pack("<5i", *record))
PY
cp "$SCORES" "$WORK/prepared"

start_game -w 1024 -h 768 -ns -nm
if [ "$WIN_W" -ne 1024 ] || [ "$WIN_H" -ne 768 ]; then
    fail "window is ${WIN_W}x${WIN_H}"
fi

# The high score is drawn at logical (608, 226), 34 units high, up to five
# characters: rows 508..542 from the top of a 1024 x 768 window. Nothing else
# that changes is drawn there (the pointer stays above it).
score_area() {
    screenshot "$WORK/full.png"
    convert "$WORK/full.png" -crop 240x50+600+500 +repage "$WORK/$1.png"
}
# Takes the score area as $1 until it is (or, with "differs", is not) the same
# as $2, for up to 5 s: a sanitized build may take a while to draw the change.
settled_score_area() {
    local _
    for _ in $(seq 1 25); do
        score_area "$1"
        if [ "${3:-}" = differs ]; then
            same "$1" "$2" || return 0
        else
            same "$1" "$2" && return 0
        fi
        sleep 0.2
    done
    return 1
}

# Arrow centres in logical units.
declare -A ARROW_X=(
    [lc-]=357 [lc+]=464 [lf-]=357 [lf+]=464 [rc-]=768 [rc+]=876 [rf-]=768 [rf+]=876
)
declare -A ARROW_Y=(
    [lc-]=418 [lc+]=418 [lf-]=348 [lf+]=348 [rc-]=418 [rc+]=418 [rf-]=348 [rf+]=348
)
click_arrow() {
    click_logical "${ARROW_X[$1]}" "${ARROW_Y[$1]}"
}
declare -A OPPOSITE=(
    [lc-]=lc+ [lc+]=lc- [lf-]=lf+ [lf+]=lf- [rc-]=rc+ [rc+]=rc- [rf-]=rf+ [rf+]=rf-
)
# The score each arrow leads to from the start.
declare -A EXPECTED=(
    [lc+]=55 [rf-]=55 [lc-]=666 [rc+]=666 [lf+]=12345 [rc-]=12345 [rf+]=0 [lf-]=0
)

# The start's picture, once the title screen is up (a sanitized build on a
# busy machine may take a while over its first frames): two in a row alike,
# and the window's picture more than a plain fill.
move_logical 512 600
for _ in $(seq 1 50); do
    score_area start
    if [ "$(convert "$WORK/full.png" -format %k info:)" -gt 100 ]; then
        sleep 0.3
        score_area start-again
        same start-again start && break
    fi
    sleep 0.2
done

for arrow in lc+ lc- rc+ rc- lf+ lf- rf+ rf-; do
    click_arrow "$arrow"
    settled_score_area "after$arrow" start differs || fail "$arrow left the score shown as it was"
    click_arrow "${OPPOSITE[$arrow]}"
    settled_score_area "back$arrow" start ||
        fail "$arrow then ${OPPOSITE[$arrow]} did not bring back 4242"
done

# Arrows that lead to the same stored score show the same thing; different
# scores look different, and none looks like the start's.
for a in lc+ lc- rc+ rc- lf+ lf- rf+ rf-; do
    for b in lc+ lc- rc+ rc- lf+ lf- rf+ rf-; do
        [[ "$a" < "$b" ]] || continue
        if [ "${EXPECTED[$a]}" = "${EXPECTED[$b]}" ]; then
            same "after$a" "after$b" || fail "$a and $b should both show ${EXPECTED[$a]}"
        else
            same "after$a" "after$b" &&
                fail "$a (${EXPECTED[$a]}) and $b (${EXPECTED[$b]}) show the same score"
        fi
    done
done

press_keys Escape
wait_for_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "the game ended with status $GAME_STATUS"
# Nothing was filed at start-up, and the table went back as it came.
cmp -s "$SCORES" "$WORK/prepared" || fail "the high score file changed"
grep -q "Error saving high scores file" "$WORK/stdout" && fail "the save reported an error"
for leftover in "$USER_DIR"/.Truceward.*; do
    [ -e "$leftover" ] && fail "a temporary copy was left behind: $leftover"
done

# --- Quicker pickers: an arrow held for 2 s, and three notches of the wheel
# over the right civilians' row. The battle started then files its numbers,
# which tell how far each moved.
rm -f "$SCORES"
start_game -w 1024 -h 768 -ns -nm
move_logical "${ARROW_X[lc+]}" "${ARROW_Y[lc+]}"
xdotool mousedown 1
sleep 2
xdotool mouseup 1
move_logical 600 418
for _ in 1 2 3; do
    xdotool click 4
    sleep 0.1
done
start_battle
press_keys Escape
sleep 0.5
press_keys Escape
wait_for_exit 10
read -r lc rc lf rf _ < <(records "$SCORES" | head -n 1)
[ "$lc" -ge 45 ] && [ "$lc" -le 52 ] || fail "2 s on an arrow took 32 to $lc, not about 48"
[ "$rc $lf $rf" = "35 2 2" ] || fail "three notches over the right civilians gave $rc $lf $rf"
echo "PASS"
