#!/bin/bash
# A battle played in the real game: the arrows move the player's person up
# and down the centre line, z and x lay its bricks into the left and right
# walls where it stands, and a brick disappears once it has stopped a bullet.
#
# Eight fighters a side keep bullets flying at many heights. Nobody fires in a
# battle's first 60 frames (a second at the game's pace) and no bullet reaches
# the walls in the 60 after, which is when the bricks are laid, so the keys
# follow each other closely; should the player's person be shot all the same,
# or a brick be taken before it is seen, the game is started again, up to
# three times. Every screenshot is taken with the battle paused (P), so that
# a slow screenshot costs the battle no time; they are compared with each
# other only, so the checks hold whatever the art looks like.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"
seen_before

# Window pixels are field units at 1024 x 768 (rows counted from the top).
# Columns that show nothing but bricks of one wall, bullets and smoke puffs:
LEFT_WALL_BAND="11x768+454+0"
RIGHT_WALL_BAND="11x768+560+0"
START_Y=352
# How long to wait for a bullet to hit one of the bricks.
WATCH_SECONDS=120
# Title screen arrows that add a fighter on the left and on the right (the
# centres of the buttons, logical units), and how many to add.
LEFT_FIGHTERS_MORE="464 348"
RIGHT_FIGHTERS_MORE="876 348"
MORE_FIGHTERS=6

hold_key() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
    sleep 0.1
}

tap_key() {
    xdotool keydown "$1"
    sleep 0.05
    xdotool keyup "$1"
    sleep "${2:-0.3}"
}

# The rows (from the top) where the band differs clearly between two
# screenshots: "first last", or nothing when no brick shows. The pause halves
# every contrast; a paused scene is still, so any difference at all is a
# change. The pause's lines cross both walls and may hide most of a brick, so
# a row of their lettering (bright in either shot, or within its shadow's
# reach) neither ends a run nor counts in it: a brick is a run spanning half
# a brick's height with a third of its rows seen changed, far more than a
# bullet or a puff.
changed_rows() {
    local lettering
    lettering=$(convert "$1" "$2" -crop "$3" +repage -colorspace gray -threshold 78% \
        -compose lighten -composite -scale '1x768!' -depth 8 txt:- |
        awk -F'[(,)]' 'NR > 1 && $3 + 0 > 0 { print $2 + 0 }')
    convert "$1" "$2" -crop "$3" +repage -compose difference -composite \
        -colorspace gray -scale '1x768!' -depth 8 txt:- |
        awk -F'[(,)]' -v lettering="$lettering" '
            BEGIN {
                n = split(lettering, rows, "\n")
                for (i = 1; i <= n; i++) {
                    for (row = rows[i] - 10; row <= rows[i] + 10; row++) { hidden[row] = 1 }
                }
            }
            NR > 1 {
                row = $2 + 0
                if ($3 + 0 > 12) {
                    if (seen == 0) { first = row }
                    seen++
                    last = row
                    if (seen >= 20 && last - first >= 29 && seen > best) {
                        best = seen; bestFirst = first; bestLast = last
                    }
                } else if (!(row in hidden)) {
                    seen = 0
                }
            }
            END { if (best > 0) { print bestFirst, bestLast } }'
}

# Whether a patch of the band looks as in the reference screenshot again.
patch_restored() {
    local reference=$1 shot=$2 geometry=$3 differing
    convert "$reference" -crop "$geometry" +repage "$WORK/patch-reference.png"
    convert "$shot" -crop "$geometry" +repage "$WORK/patch-shot.png"
    differing=$(compare -metric AE -fuzz 3% "$WORK/patch-reference.png" "$WORK/patch-shot.png" \
        null: 2>&1)
    [ "$differing" = "0" ]
}

# A screenshot of the battle paused; it goes on afterwards only with $2 = go.
paused_shot() {
    tap_key p 0.1
    screenshot "$1"
    if [ "${2:-}" = go ]; then
        tap_key p 0.05
    fi
}

# Plays one battle. Returns 0 when everything was seen, 2 when the player's
# person did not lay its bricks (it may have been shot), fails otherwise.
play_battle() {
    start_game -w 1024 -h 768 -ns -nm
    local click
    for click in $(seq 1 "$MORE_FIGHTERS"); do
        click_logical $LEFT_FIGHTERS_MORE
        click_logical $RIGHT_FIGHTERS_MORE
    done
    start_battle
    xdotool mousemove $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H / 2))

    # The field before any brick and before the first shot.
    paused_shot "$WORK/base.png" go

    hold_key Down 0.15
    tap_key z 0.1
    hold_key Up 0.3
    tap_key x 0.05
    paused_shot "$WORK/bricks.png" go
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during the battle"

    local left right
    left=$(changed_rows "$WORK/base.png" "$WORK/bricks.png" "$LEFT_WALL_BAND")
    right=$(changed_rows "$WORK/base.png" "$WORK/bricks.png" "$RIGHT_WALL_BAND")
    if [ -z "$left" ] || [ -z "$right" ]; then
        echo "no brick laid (left: '$left', right: '$right'); starting again" >&2
        kill -KILL "$GAME_PID" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
        GAME_PID=
        return 2
    fi

    # A brick is drawn from its height up; its lowest row gives the height.
    local leftY rightY
    leftY=$((768 - ${left#* } - 1))
    rightY=$((768 - ${right#* } - 1))
    echo "left brick at about $leftY, right brick at about $rightY" >&2
    [ "$leftY" -lt $((START_Y - 2)) ] || fail "Down did not move the player (brick at $leftY)"
    [ "$rightY" -gt $((leftY + 2)) ] || fail "Up did not move the player (brick at $rightY)"

    # The middle rows of each brick, to be watched until a bullet takes one.
    local leftPatch rightPatch
    leftPatch="11x20+454+$(( ${left% *} + 20 ))"
    rightPatch="11x20+560+$(( ${right% *} + 20 ))"
    local until=$((SECONDS + WATCH_SECONDS))
    while [ "$SECONDS" -lt "$until" ]; do
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during the battle"
        sleep 0.5
        paused_shot "$WORK/watch.png" go
        if patch_restored "$WORK/base.png" "$WORK/watch.png" "$leftPatch"; then
            echo "the left brick stopped a bullet" >&2
            return 0
        fi
        if patch_restored "$WORK/base.png" "$WORK/watch.png" "$rightPatch"; then
            echo "the right brick stopped a bullet" >&2
            return 0
        fi
    done
    fail "no bullet was stopped by the bricks within $WATCH_SECONDS s"
}

for attempt in 1 2 3; do
    status=0
    play_battle || status=$?
    if [ "$status" = "0" ]; then
        # Escape leaves the battle for the title screen.
        press_keys Escape
        sleep 0.5
        kill -0 "$GAME_PID" 2>/dev/null || fail "Escape in the battle ended the game"
        press_keys Escape
        wait_for_exit 10
        echo "PASS"
        exit 0
    fi
done
fail "the player's person never laid its bricks in three battles"
