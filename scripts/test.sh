#!/bin/sh
# Builds Truceward and runs every test (installing what is missing first).
# The tests that draw and the end-to-end tests need an X display: without one,
# the whole run happens under a virtual display (Xvfb). Every test gets a
# temporary HOME; no test touches the real user's files.
set -eu
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${TRUCEWARD_UNDER_XVFB:-}" ]; then
    scripts/install-deps.sh --tests --tools
    export TRUCEWARD_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
scripts/install-deps.sh --tests --tools

jobs=$(nproc)
HOME=$(mktemp -d "${TMPDIR:-/tmp}/truceward-test-home-XXXXXX")
export HOME
trap 'rm -rf "$HOME"' EXIT

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRUCEWARD_WERROR=ON >/dev/null
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

# The generators of the art and the sounds: their own tests, which also prove
# that the committed files are exactly what they make.
for tool in artgen soundgen; do
    cmake -S "tools/$tool" -B "build/$tool" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "build/$tool" -j "$jobs"
    ctest --test-dir "build/$tool" --output-on-failure -j "$jobs"
done
