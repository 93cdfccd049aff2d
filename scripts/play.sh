#!/bin/sh
# Builds Truceward (installing what is missing) and starts it. Arguments are
# passed to the game, e.g. scripts/play.sh -w 1024 -h 768
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTRUCEWARD_BUILD_TESTS=OFF \
      -DTRUCEWARD_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target truceward truceward_sounds
exec build/release/truceward "$@"
