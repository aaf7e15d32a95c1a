#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, checks what it installed and that
# the launcher starts the game in the player's data folder, then removes it again.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
bash tools/install-deps.sh --package

(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls -t "$build"/quarrix-solo_*.deb | head -n 1)
echo "package: $deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for lib in libqt6widgets6 libopenal1 libsndfile1; do
    grep -q "$lib" <<<"$depends" || { echo "missing runtime dependency: $lib"; exit 1; }
done

export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get install -y -qq "./$deb" > /dev/null
trap '"${sudo[@]}" apt-get remove -y -qq quarrix-solo > /dev/null' EXIT

desktop-file-validate /usr/share/applications/io.github.quarrix.Solo.desktop
appstreamcli validate --no-net /usr/share/metainfo/io.github.quarrix.Solo.metainfo.xml
test -f /usr/share/icons/hicolor/scalable/apps/io.github.quarrix.Solo.svg

home=$(mktemp -d)
trap '"${sudo[@]}" apt-get remove -y -qq quarrix-solo > /dev/null; rm -rf "$home"' EXIT
run_launcher() {
    # The game keeps running until it is stopped: a time-out is the sign that it started.
    local status=0
    env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null \
        timeout 4 quarrix-solo-launcher > "$home/launcher.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        echo "the launcher did not keep the game running (exit $status)"; cat "$home/launcher.log"; exit 1
    fi
}
run_launcher
play="$home/.local/share/quarrix-solo"
for f in Dink.wav PahTush.wav BGM_2.wav; do
    cmp -s "$play/$f" "/usr/share/quarrix-solo/sounds/$f" || { echo "not seeded: $f"; exit 1; }
done
printf 'mine' > "$play/Dink.wav"
run_launcher
[ "$(cat "$play/Dink.wav")" = mine ] || { echo "the launcher overwrote the player's Dink.wav"; exit 1; }
echo "package check passed"
