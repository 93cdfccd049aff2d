# The sound that leaves the running game. ALSA's file plugin stands in as the
# default device and writes every block the game plays into a file, as
# interleaved 32-bit float stereo. The game plays sounds made here with sox, of
# known shape: the music a steady 196 Hz tone, the same on both sides; the
# effects bursts of noise and a buzz. Two runs:
#   1. music on: on the title screen the music fades in from silence and levels
#      out at half its level; then, in a battle, the effects come panned, some
#      from the left of the field, some from the right. The fade-in is heard
#      whole before the battle, since a device that plays in real time would
#      otherwise end it where the battle is thick with effects and no window
#      holds the music alone.
#   2. music off (-nm), into a battle: the title screen is pure silence and the
#      battle brings only its effects.
# In both, no sample leaves full scale, however many effects sound at once.
# Needs sox and python3. The null device behind the file plays faster than
# real time, so the analysis looks at what was played, not when.

source "$(dirname "$0")/lib.sh"
e2e_setup "$1"

command -v python3 >/dev/null || fail "python3 is needed to analyse the captured sound"
use_test_sounds

cat >"$WORK/analyse.py" <<'PYTHON'
"""Checks a captured stream of interleaved float32 stereo frames.

usage: analyse.py MODE FILE [poll|faded]
MODE music:   the music fades in and levels out; effects are panned.
MODE nomusic: silence until the effects come; effects are panned.
With "poll", only says (by its exit status) whether enough has been played;
with "faded", whether the whole fade-in has.
"""
import array
import math
import os
import statistics
import sys

RATE = 44100
WINDOW = 1024
# Fade-in: the volume rises by 1e-6 per frame and is 1 from frame 990522 on.
FADE_FRAMES = 990522
# Enough to judge the music by: the whole fade-in and about a second after it.
FADED_FRAMES = FADE_FRAMES + 40 * WINDOW
# Differences of neighbouring samples let broadband effects through and keep
# a 196 Hz tone out (its difference has a mean square of about 2e-5 here).
EFFECT_ENERGY = 1e-3
# A window is left-heavy when its left channel carries this many times the
# energy of its right one; a fighter's shot at x 150 gives (0.85/0.15)^2 = 32.
PAN_RATIO = 4.0
# After a burst that reached the limiter's threshold, everything, the music
# too, is lowered for a moment: its hold and release, with room to spare.
LIMITER_THRESHOLD = 0.9
LIMITER_RECOVERY = RATE
# An effect that begins late in a window, or fades out, stays under
# EFFECT_ENERGY there while it can still be heard over the music: a window
# counts as quiet only when it holds nothing but the tone, the same on both
# sides.
TONE = 196.0
NOT_TONE = 0.003


def tone_basis():
    step = 2 * math.pi * TONE / RATE
    sines = [math.sin(step * i) for i in range(WINDOW)]
    cosines = [math.cos(step * i) for i in range(WINDOW)]
    ss = sum(x * x for x in sines)
    cc = sum(x * x for x in cosines)
    sc = sum(x * y for x, y in zip(sines, cosines))
    return sines, cosines, ss, cc, sc


def not_tone(samples, basis):
    """The root mean square of what is left of `samples` beyond the best fitting tone."""
    sines, cosines, ss, cc, sc = basis
    ms = sum(x * y for x, y in zip(samples, sines))
    mc = sum(x * y for x, y in zip(samples, cosines))
    determinant = ss * cc - sc * sc
    a = (ms * cc - mc * sc) / determinant
    b = (mc * ss - ms * sc) / determinant
    left = sum(x * x for x in samples) - a * ms - b * mc
    return math.sqrt(max(left, 0.0) / len(samples))


def windows(path):
    basis = tone_basis()
    data = array.array("f")
    with open(path, "rb") as f:
        data.frombytes(f.read())
    frames = len(data) // 2
    peak = max(map(abs, data), default=0.0)
    rows = []
    limited_until = 0
    for w in range(frames // WINDOW):
        base = 2 * w * WINDOW
        left_energy = right_energy = mid_energy = side_energy = 0.0
        silent = True
        previous_left, previous_right = data[base], data[base + 1]
        for i in range(WINDOW):
            left, right = data[base + 2 * i], data[base + 2 * i + 1]
            left_energy += (left - previous_left) ** 2
            right_energy += (right - previous_right) ** 2
            previous_left, previous_right = left, right
            mid_energy += ((left + right) / 2) ** 2
            side_energy += ((left - right) / 2) ** 2
            silent = silent and left == 0.0 and right == 0.0
        if max(map(abs, data[base:base + 2 * WINDOW])) > LIMITER_THRESHOLD:
            limited_until = (w + 1) * WINDOW + LIMITER_RECOVERY
        rows.append({
            "start": w * WINDOW,
            "left": left_energy / WINDOW,
            "right": right_energy / WINDOW,
            "level": math.sqrt(mid_energy / WINDOW),
            "silent": silent,
            "limited": w * WINDOW < limited_until,
            "tone only": math.sqrt(side_energy / WINDOW) < NOT_TONE and not_tone(
                [(data[base + 2 * i] + data[base + 2 * i + 1]) / 2 for i in range(WINDOW)],
                basis) < NOT_TONE,
        })
    return frames, peak, rows


def effect(row):
    return row["left"] + row["right"] > EFFECT_ENERGY


def panned(rows):
    left = [r for r in rows if effect(r) and r["left"] > PAN_RATIO * r["right"]]
    right = [r for r in rows if effect(r) and r["right"] > PAN_RATIO * r["left"]]
    return left, right


def check_music(frames, rows, problems):
    if frames < FADE_FRAMES + 20 * WINDOW:
        problems.append("only %d frames played, too few to hear the whole fade-in" % frames)
        return
    quiet = [r for r in rows
             if r["tone only"] and not effect(r) and not r["limited"]]
    after = [r for r in quiet if r["start"] > FADE_FRAMES]
    plateau = [r["level"] for r in after]
    if not plateau:
        problems.append("no window without effects after the fade-in")
        return
    full = statistics.median(plateau)
    # The tone is decoded at about 0.5; the music enters at half its level.
    expected_full = 0.5 * 0.5 / math.sqrt(2)
    print("music level after the fade-in: %.4f (expected about %.4f)" % (full, expected_full))
    if abs(full - expected_full) > 0.15 * expected_full:
        problems.append("music at %.4f after the fade-in, expected about %.4f"
                        % (full, expected_full))
    for r in after:
        if abs(r["level"] - full) > 0.05 * full:
            problems.append("music level %.4f at frame %d after the fade-in is not steady"
                            % (r["level"], r["start"]))
            break
    if rows[0]["level"] > 0.01 * full:
        problems.append("the music does not start from silence: %.4f" % rows[0]["level"])
    checked = 0
    for r in quiet:
        middle = r["start"] + WINDOW / 2
        if middle >= FADE_FRAMES - WINDOW:
            break
        expected = full * middle / FADE_FRAMES
        if abs(r["level"] - expected) > 0.1 * expected + 0.003:
            problems.append("music at %.4f at frame %d, expected %.4f on the fade-in"
                            % (r["level"], r["start"], expected))
            break
        checked += 1
    print("fade-in windows checked:", checked)
    if checked < 100:
        problems.append("too few quiet windows on the fade-in: %d" % checked)


def check_no_music(frames, rows, problems):
    title = rows[:RATE // WINDOW]
    if len(title) < RATE // WINDOW:
        problems.append("less than a second played")
    if not all(r["silent"] for r in title):
        problems.append("the title screen is not silent with the music off")
    silent = sum(1 for r in rows if r["silent"])
    print("silent windows: %d of %d" % (silent, len(rows)))
    if silent < len(rows) // 2:
        problems.append("most of the stream sounds although only effects should")


def main():
    mode, path = sys.argv[1], sys.argv[2]
    if sys.argv[3:] == ["faded"]:
        sys.exit(0 if os.path.getsize(path) // 8 > FADED_FRAMES else 1)
    frames, peak, rows = windows(path)
    left, right = panned(rows)
    if len(sys.argv) > 3:
        enough = left and right and (mode != "music" or frames > FADED_FRAMES)
        sys.exit(0 if enough else 1)
    print("frames played: %d (%.1f s)" % (frames, frames / RATE))
    print("left-heavy effect windows: %d, right-heavy: %d" % (len(left), len(right)))
    print("peak: %.4f" % peak)
    problems = []
    if peak > 1.0:
        problems.append("samples beyond full scale, up to %.4f" % peak)
    if not left or not right:
        problems.append("effects were not heard from both sides of the field")
    if mode == "music":
        check_music(frames, rows, problems)
    else:
        check_no_music(frames, rows, problems)
    for problem in problems:
        print("PROBLEM:", problem)
    sys.exit(1 if problems else 0)


main()
PYTHON

# Waits up to a minute for the capture to hold what `analyse.py mode FILE poll`
# (the poll given) asks for.
wait_for_capture() {
    for _ in $(seq 1 30); do
        sleep 2
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before enough was played"
        python3 "$WORK/analyse.py" "$1" "$CAPTURE" "$2" && return
    done
}

# Runs the game with the given arguments into a battle (with the music on, once
# its fade-in has been heard on the title screen), until the capture holds what
# `mode` needs (or a minute has passed), then quits it.
play_battle() {
    local mode=$1
    shift
    CAPTURE="$WORK/capture-$mode.raw"
    cat >"$WORK/alsa-$mode.conf" <<EOF
pcm.!default { type file; slave.pcm "null"; file "$CAPTURE"; format "raw" }
EOF
    export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$WORK/alsa-$mode.conf"
    start_game "$@"
    sleep 1
    [ "$mode" = music ] && wait_for_capture music faded
    start_battle
    wait_for_capture "$mode" poll
    kill -TERM "$GAME_PID"
    wait_for_exit 20
    [ "$GAME_STATUS" = 0 ] || fail "the game ended with status $GAME_STATUS"
    cp "$WORK/stderr" "$WORK/stderr-$mode"
    unset ALSA_CONFIG_PATH
    [ -s "$CAPTURE" ] || fail "nothing was played (is PortAudio's ALSA output missing?)"
}

play_battle music -w 1024 -h 768
assert_output_has "vorbisfile: Loaded file: $GAME_DIR/sounds/music.ogg"
assert_output_has "vorbisfile: Loaded file: $GAME_DIR/sounds/shot.ogg"
assert_output_has "vorbisfile: Loaded file: $GAME_DIR/sounds/personDying.ogg"
assert_output_has "vorbisfile: Loaded file: $GAME_DIR/sounds/brickPuff.ogg"
python3 "$WORK/analyse.py" music "$CAPTURE" || fail "the music and the effects were not as expected"

play_battle nomusic -w 1024 -h 768 -nm
python3 "$WORK/analyse.py" nomusic "$CAPTURE" || fail "with the music off, more than the effects was heard"

echo "PASS"
