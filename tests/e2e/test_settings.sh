#!/bin/bash
# The settings as the player meets them in the real game: what the volumes
# in the configuration file do to the sound that leaves it. ALSA's file
# plugin stands in as the default device and writes every block played into
# a file (interleaved float stereo); the game plays sounds of its own made
# here, the music a steady tone. Level N plays 3 dB per step below 10:
#   - the title's music at mv 5 is 15 dB below mv 10, and silent at mv 0;
#   - the battle's effects, with no music, are silent at sv 0 and heard at 10.
# The null device plays faster than real time: levels are compared at the same
# place in the output, past the music's fade-in (seconds 25 to 30), and the
# battle without effects is played as long as the one with them took to be
# heard, and more.
. "$(dirname "$0")/lib.sh"
e2e_setup "$1"

use_test_sounds

# "seconds": how much was played; "level": the music's root mean square over
# seconds 25 to 30; "peak": the largest sample.
cat >"$WORK/measure.py" <<'PYTHON'
import array, math, sys
RATE = 44100
data = array.array("f")
with open(sys.argv[2], "rb") as f:
    data.frombytes(f.read())
if sys.argv[1] == "seconds":
    print(len(data) // 2 // RATE)
elif sys.argv[1] == "level":
    part = data[2 * 25 * RATE:2 * 30 * RATE]
    print(math.sqrt(sum(x * x for x in part) / max(len(part), 1)))
else:
    print(max(map(abs, data), default=0.0))
PYTHON
measure() {
    python3 "$WORK/measure.py" "$1" "$WORK/capture-$2.raw"
}

# Plays the game, started without arguments on a configuration file of the
# given lines, into a battle when $2 is "battle", until `$3 $1` succeeds (or a
# minute has passed), then quits it.
play() {
    local name=$1 where=$2 until=$3
    shift 3
    mkdir -p "$USER_DIR"
    printf 'w 320\nh 240\na 0\nf 0\nns 0\n' >"$USER_DIR/Truceward.conf"
    printf '%s\n' "$@" >>"$USER_DIR/Truceward.conf"
    cat >"$WORK/alsa.conf" <<ALSA
pcm.!default { type file; slave.pcm "null"; file "$WORK/capture-$name.raw"; format "raw" }
ALSA
    ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$WORK/alsa.conf" start_game
    [ "$where" = battle ] && press_keys Return
    PLAYED=0
    for PLAYED in $(seq 1 60); do
        sleep 1
        "$until" "$name" && break
    done
    kill -TERM "$GAME_PID"
    wait_for_exit 20
}
# Past the fade-in, with room for the levels' seconds.
enough_music() {
    [ "$(measure seconds "$1")" -ge 31 ]
}
effect_heard() {
    python3 -c "import sys; sys.exit($(measure peak "$1") < 0.05)"
}
# As long as the battle with the effects on took to be heard, and more.
as_long_as_loud() {
    [ "$PLAYED" -ge $((LOUD_SECONDS + 5)) ]
}

play full title enough_music "nm 0" "mv 10"
play half title enough_music "nm 0" "mv 5"
play none title enough_music "nm 0" "mv 0"
for name in full half none; do
    enough_music "$name" || fail "only $(measure seconds "$name") s played at $name volume"
done
drop=$(python3 -c "import math; print(20 * math.log10($(measure level half) / $(measure level full)))")
echo "mv 5 plays ${drop} dB against mv 10"
python3 -c "import sys; sys.exit(abs($drop + 15) > 0.3)" || fail "mv 5 is $drop dB from mv 10, not -15"
[ "$(measure peak none)" = 0.0 ] || fail "music at mv 0 is not silent: peak $(measure peak none)"

play loud battle effect_heard "nm 1" "sv 10"
effect_heard loud || fail "effects at sv 10 are not heard: peak $(measure peak loud)"
LOUD_SECONDS=$PLAYED
play muted battle as_long_as_loud "nm 1" "sv 0"
[ "$(measure peak muted)" = 0.0 ] || fail "effects at sv 0 are heard: peak $(measure peak muted)"
echo "PASS"
