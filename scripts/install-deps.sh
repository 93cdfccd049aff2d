#!/bin/sh
# Installs the Debian packages Truceward needs, only those that are missing.
#   scripts/install-deps.sh           what building and playing need
#   scripts/install-deps.sh --tests   also what the tests need
#   scripts/install-deps.sh --tools   also what the art and sound generators need
#   scripts/install-deps.sh --package also what making and checking the Debian package need
#   scripts/install-deps.sh --style   also the formatter and the style checker
set -eu

BUILD="cmake g++ make pkg-config libsdl-image1.2-dev libgl-dev libglu1-mesa-dev
       libgl1-mesa-dri libvorbis-dev portaudio19-dev gettext"
TESTS="libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool imagemagick sox libsox-fmt-base
       python3 clang libclang-rt-14-dev desktop-file-utils libx11-dev x11-utils appstream groff-base
       libpng-dev libsdl2-dev openbox"
TOOLS="libcairo2-dev libpng-dev libfreetype-dev fonts-comic-neue"
PACKAGE="dpkg-dev lintian debootstrap xvfb xauth xdotool x11-utils appstream groff-base"
STYLE="clang-format clang-tidy"

wanted="$BUILD"
for arg in "$@"; do
    case "$arg" in
        --tests) wanted="$wanted $TESTS" ;;
        --tools) wanted="$wanted $TOOLS" ;;
        --package) wanted="$wanted $PACKAGE" ;;
        --style) wanted="$wanted $STYLE" ;;
        *) echo "usage: $0 [--tests] [--tools] [--package] [--style]" >&2; exit 2 ;;
    esac
done

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=""
for package in $wanted; do
    installed "$package" || missing="$missing $package"
done
# Either implementation of the SDL 1.2 API builds the game; the maintained
# one (on top of SDL 2) is preferred when neither is present.
if ! installed libsdl1.2-compat-dev && ! installed libsdl1.2-dev; then
    missing="$missing libsdl1.2-compat-dev"
fi

if [ -z "$missing" ]; then
    exit 0
fi
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    run=""
else
    run="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$run apt-get update -qq
# shellcheck disable=SC2086
$run apt-get install -y -qq --no-install-recommends $missing
