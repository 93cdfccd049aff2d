#!/bin/bash
# Makes the Debian package and checks it as a distribution would: lintian,
# then `apt-get install` of the package into a clean Debian 12 root and a run
# of the installed game there, from a folder of its own, on a virtual display.
#   scripts/check-package.sh           as root: the clean root is made once by
#                                      debootstrap (network needed) and kept
#                                      in build/package/bookworm.tgz
#   scripts/check-package.sh --unpack  without root or network: the package
#                                      unpacked with dpkg -x and run with this
#                                      machine's libraries
# Not part of scripts/test.sh: it needs root, the network and several minutes.
set -eu
cd "$(dirname "$0")/.."
SOURCE=$PWD

mode=${1:-root}
case "$mode" in
    root | --unpack) ;;
    *) echo "usage: $0 [--unpack]" >&2; exit 2 ;;
esac
if [ "$mode" = root ] && [ "$(id -u)" -ne 0 ]; then
    echo "the clean-root install needs root; use --unpack without it" >&2
    exit 2
fi
if [ -z "${DISPLAY:-}" ]; then
    scripts/install-deps.sh --package
    mkdir -p build
    exec xvfb-run -a -e build/xvfb-package.log -s "-screen 0 1280x1024x24" "$0" "$@"
fi
scripts/install-deps.sh --package

# The package comes from a release build for the prefix it installs to.
BUILD=build/package
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DTRUCEWARD_BUILD_TESTS=OFF -DTRUCEWARD_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
rm -f "$BUILD"/truceward_*.deb
(cd "$BUILD" && cpack -G DEB)
DEB=$(ls "$SOURCE/$BUILD"/truceward_*.deb)
dpkg-deb --info "$DEB"

echo "--- lintian (informational tags included):"
lintian --fail-on error --display-info --pedantic "$DEB"
echo "lintian: no errors"

# The run below uses the end-to-end tests' helpers, with a game that starts
# the installed binary.
. tests/e2e/lib.sh
e2e_setup ""
ROOT="$WORK/root"
mkdir -p "$ROOT"
cleanup() {
    if mountpoint -q "$ROOT/proc" 2>/dev/null; then
        umount "$ROOT/proc"
    fi
    e2e_cleanup
}
trap cleanup EXIT

if [ "$mode" = root ]; then
    pristine="$SOURCE/$BUILD/bookworm.tgz"
    if [ ! -f "$pristine" ]; then
        debootstrap --variant=minbase bookworm "$WORK/bootstrap" http://deb.debian.org/debian
        tar -C "$WORK/bootstrap" -czf "$pristine" .
        rm -rf "$WORK/bootstrap"
    fi
    tar -C "$ROOT" -xzf "$pristine"
    cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
    mount -t proc proc "$ROOT/proc"
    cp "$DEB" "$ROOT/tmp/"
    echo "--- apt-get install into a clean Debian 12 root:"
    chroot "$ROOT" env DEBIAN_FRONTEND=noninteractive sh -c "apt-get update -qq && apt-get install -y --no-install-recommends /tmp/$(basename "$DEB")"
    INSTALLED=/usr/games/truceward
    SOUNDS=/usr/share/truceward/sounds
    # The game runs inside the root, on this machine's display.
    cp "${XAUTHORITY:-/dev/null}" "$ROOT/tmp/xauthority"
    mkdir -p "$ROOT/tmp/home" "$ROOT/tmp/elsewhere"
    cat >"$WORK/game" <<EOF
#!/bin/sh
exec chroot "$ROOT" env HOME=/tmp/home DISPLAY="$DISPLAY" XAUTHORITY=/tmp/xauthority \\
    sh -c 'cd /tmp/elsewhere && exec $INSTALLED "\$@"' truceward "\$@"
EOF
else
    dpkg -x "$DEB" "$ROOT"
    INSTALLED="$ROOT/usr/games/truceward"
    SOUNDS="$ROOT/usr/share/truceward/sounds"
    printf '#!/bin/sh\ncd "%s" && exec "%s" "$@"\n' "$WORK" "$INSTALLED" >"$WORK/game"
fi
chmod +x "$WORK/game"
GAME="$WORK/game"

echo "--- the installed game:"
"$GAME" --version
start_game -w 320 -h 240
for sound in music shot personDying brickPuff; do
    assert_output_has "vorbisfile: Loaded file: $SOUNDS/$sound.ogg"
done
xprop -id "$WIN" _NET_WM_ICON | head -n 1 | grep -q "Icon (64 x 64)" ||
    fail "the window has no icon of its own"
screenshot "$SOURCE/$BUILD/installed-title.png"
kill -TERM "$GAME_PID"
wait_for_exit 10
[ "$GAME_STATUS" = 0 ] || fail "status $GAME_STATUS"
cat "$WORK/stdout"
echo "PASS: the installed game finds its sounds, shows its icon and quits cleanly"
