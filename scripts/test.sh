#!/bin/sh
# Builds Truceward and runs every test (installing what is missing first):
# the whole suite, then the whole suite again under AddressSanitizer with
# UndefinedBehaviorSanitizer, the audio and music threads under
# ThreadSanitizer, the fuzz targets for a while each, and the tests of the art
# and sound generators. `scripts/test.sh --quick` runs the plain suite only.
# The tests that draw and the end-to-end tests need an X display: without one,
# the whole run happens under a virtual display (Xvfb). Every test gets a
# temporary HOME; no test touches the real user's files.
set -eu
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${TRUCEWARD_UNDER_XVFB:-}" ]; then
    scripts/install-deps.sh --tests --tools
    export TRUCEWARD_UNDER_XVFB=1
    mkdir -p build
    exec xvfb-run -a -e build/xvfb.log -s "-screen 0 1280x1024x24" "$0" "$@"
fi
scripts/install-deps.sh --tests --tools

jobs=$(nproc)

# ctest, and on a failure the virtual display's own messages as well.
run_ctest() {
    if ! ctest "$@"; then
        if [ -s build/xvfb.log ]; then
            echo "--- the virtual display said:"
            tail -n 30 build/xvfb.log
        fi
        return 1
    fi
}
HOME=$(mktemp -d "${TMPDIR:-/tmp}/truceward-test-home-XXXXXX")
export HOME
trap 'rm -rf "$HOME"' EXIT

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRUCEWARD_WERROR=ON >/dev/null
cmake --build build/test -j "$jobs"
run_ctest --test-dir build/test --output-on-failure -j "$jobs"
if [ "${1:-}" = "--quick" ]; then
    exit 0
fi

# The same suite with memory errors, leaks and undefined behaviour caught.
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRUCEWARD_WERROR=ON \
      -DTRUCEWARD_SANITIZE=address,undefined -DTRUCEWARD_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/asan -j "$jobs"
(
    # The leak checker's walk of the threads' dynamic TLS at exit crashes on a
    # block glibc 2.36 leaves behind once gettext has looked a message up in a
    # catalog that is missing (the game in English): "Tracer caught signal 11"
    # after "DTLS ... at 0x...c4e". Static TLS, stacks and the heap are still
    # scanned; only the interception that feeds that walk is left out.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_ctest --test-dir build/asan --output-on-failure -j "$jobs"
)

# The threads of the sound: the mixer's callback, the music's filler and the
# main thread that starts effects, in the tests and in the real game playing
# into a file.
cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRUCEWARD_WERROR=ON \
      -DTRUCEWARD_SANITIZE=thread -DTRUCEWARD_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/tsan -j "$jobs" --target unit_tests display_tests truceward \
      truceward_sounds truceward_close_window
(
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/sanitizers/tsan.supp"
    run_ctest --test-dir build/tsan --output-on-failure -j "$jobs" \
        -R 'Sounds|BackgroundMusic|Thread|CriticalSection|PortAudio|AudioMix|e2e.test_audio'
)

# Every input read from outside, fuzzed for a while.
CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTRUCEWARD_BUILD_FUZZERS=ON -DTRUCEWARD_SANITIZE=address,undefined \
      -DTRUCEWARD_BUILD_TESTS=OFF -DTRUCEWARD_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/fuzz -j "$jobs" --target ConfigFuzz OptionsFuzz HighScoresFuzz ReplayFuzz
# The four run side by side, each for long enough to get as much of a core
# as it would alone: a minute each, one after the other, took four.
fuzz_targets="Config:config Options:options HighScores:highscores Replay:replay"
fuzz_count=$(echo $fuzz_targets | wc -w)
fuzz_cores=$(( jobs < fuzz_count ? jobs : fuzz_count ))
fuzz_seconds=$(( ${TRUCEWARD_FUZZ_SECONDS:-60} * fuzz_count / fuzz_cores ))
fuzz_pids=""
for target in $fuzz_targets; do
    name=${target%%:*}
    corpus="build/fuzz/corpus-${target##*:}"
    mkdir -p "$corpus"
    "build/fuzz/${name}Fuzz" -max_total_time="$fuzz_seconds" -print_final_stats=1 \
        "$corpus" "tests/fuzz/corpus/${target##*:}" >"build/fuzz/${name}Fuzz.log" 2>&1 &
    fuzz_pids="$fuzz_pids $!"
done
fuzz_failed=0
set -- $fuzz_pids
for target in $fuzz_targets; do
    name=${target%%:*}
    log="build/fuzz/${name}Fuzz.log"
    if wait "$1"; then
        echo "${name}Fuzz: $(grep -E '^Done [0-9]+ runs' "$log")"
    else
        tail -n 60 "$log"
        fuzz_failed=1
    fi
    shift
done
[ "$fuzz_failed" = 0 ] || exit 1

# The generators of the art and the sounds: their own tests, which also prove
# that the committed files are exactly what they make.
for tool in artgen soundgen; do
    cmake -S "tools/$tool" -B "build/$tool" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "build/$tool" -j "$jobs"
    ctest --test-dir "build/$tool" --output-on-failure -j "$jobs"
done
