#!/usr/bin/env bash
# Builds the Debian package, has lintian check it, installs it on this machine, checks what it
# installed and that the launcher starts the game in the player's data folder, then removes it
# again and checks that nothing is left behind.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
bash tools/install-deps.sh --package

(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; exit 1; }
deb=$(readlink -f "$(ls -t "$build"/quarrix-solo_*.deb | head -n 1)")
echo "package: $deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for lib in libqt6widgets6 libqt6svg6 libopenal1 libsndfile1 libsdl2-2.0-0 libwayland-client0; do
    grep -q "$lib" <<<"$depends" || { echo "missing runtime dependency: $lib"; exit 1; }
done
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "recommends: $recommends"
grep -qw qt6-wayland <<<"$recommends" || { echo "the package does not recommend qt6-wayland"; exit 1; }

# Errors and warnings fail the check; the informational and pedantic notes are only shown.
lintian_log="$build/lintian.log"
lintian --display-info --pedantic --show-overrides "$deb" > "$lintian_log" 2>&1 || true
cat "$lintian_log"
if grep -q '^[EW]: ' "$lintian_log"; then
    echo "lintian reports errors or warnings"; exit 1
fi
# Whatever their level, the hardening tags mean the program was not built as Debian builds its
# own; only the overridden ones (O:) carry their reason in the package.
if grep -q '^[^O]: [^ ]*: hardening-' "$lintian_log"; then
    echo "lintian finds the program built without some of Debian's hardening"; exit 1
fi
# Fortify shows in a program only as checked calls, and the game has none left to check at run
# time (data/quarrix-solo.lintian-overrides), so its compile commands are checked for it.
game_sources=' -c [^ ]*/(src|app)/[^ ]*\.cpp"'
compiled=$(grep -cE "$game_sources" "$build/compile_commands.json" || true)
fortified=$(grep -E "$game_sources" "$build/compile_commands.json" | grep -e '-D_FORTIFY_SOURCE=[23]' |
    grep -cE ' -O[23s] ' || true)
if [ "$compiled" -eq 0 ] || [ "$fortified" -ne "$compiled" ]; then
    echo "only $fortified of $compiled sources of the game are built with _FORTIFY_SOURCE and optimisation"; exit 1
fi
echo "fortify: $fortified of $compiled sources of the game"

export DEBIAN_FRONTEND=noninteractive
# Waits for the package lock when another install on this machine holds it.
apt=("${sudo[@]}" apt-get -y -qq -o DPkg::Lock::Timeout=300)
"${apt[@]}" install "$deb" > /dev/null
trap '"${apt[@]}" remove quarrix-solo > /dev/null' EXIT

for f in /usr/games/quarrix-solo /usr/games/quarrix-solo-launcher; do
    test -x "$f" || { echo "not installed: $f"; exit 1; }
done
# The game is checked as built, fortify aside (checked above); the launcher is a shell script, so
# what runs it is its interpreter, Debian's own build, checked in full. Control-flow protection
# is not asked of either: Debian 12's C start files lack it, so no program linked here has it.
interpreter=$(sed -n '1s/^#! *\([^ ]*\).*/\1/p' /usr/games/quarrix-solo-launcher)
[ -n "$interpreter" ] || { echo "the launcher is not a script"; exit 1; }
hardening-check --nocfprotection --nofortify /usr/games/quarrix-solo &&
    hardening-check --nocfprotection "$(readlink -f "$interpreter")" || { echo "hardening-check fails"; exit 1; }
for page in quarrix-solo quarrix-solo-launcher; do
    [ "$(man -w 6 "$page")" = "/usr/share/man/man6/$page.6.gz" ] || { echo "no manual page: $page(6)"; exit 1; }
done
desktop=/usr/share/applications/io.github.quarrix.Solo.desktop
desktop-file-validate "$desktop"
launcher=$(sed -n 's/^Exec=//p' "$desktop")
[ "$launcher" = /usr/games/quarrix-solo-launcher ] || { echo "the desktop entry runs $launcher"; exit 1; }
# X11 task bars group the window with its launcher by the window's class, the application's name.
grep -qx 'StartupWMClass=Quarrix Solo' "$desktop" || { echo "the desktop entry names no StartupWMClass"; exit 1; }
appstreamcli validate --no-net /usr/share/metainfo/io.github.quarrix.Solo.metainfo.xml
test -f /usr/share/icons/hicolor/scalable/apps/io.github.quarrix.Solo.svg
test -f /usr/share/quarrix-solo/alsoft.conf || { echo "not installed: the output-buffer setting"; exit 1; }

home=$(mktemp -d)
trap '"${apt[@]}" remove quarrix-solo > /dev/null; rm -rf "$home"' EXIT
run_launcher() {
    # The game keeps running until it is stopped: a time-out is the sign that it started.
    # Started as the desktop entry starts it, without the games folder on the PATH.
    local status=0
    env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null \
        timeout 4 "$launcher" > "$home/launcher.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        echo "the launcher did not keep the game running (exit $status)"; cat "$home/launcher.log"; exit 1
    fi
}
run_launcher
play="$home/.local/share/quarrix-solo"
mapfile -t sounds < "$build/default-sounds"
for f in "${sounds[@]}"; do
    cmp -s "$play/$f" "/usr/share/quarrix-solo/sounds/$f" || { echo "not seeded: $f"; exit 1; }
done
printf 'mine' > "$play/${sounds[0]}"
run_launcher
[ "$(cat "$play/${sounds[0]}")" = mine ] || { echo "the launcher overwrote the player's ${sounds[0]}"; exit 1; }

"${apt[@]}" remove quarrix-solo > /dev/null
trap 'rm -rf "$home"' EXIT
if dpkg-query -W -f='${db:Status-Status}' quarrix-solo 2>/dev/null | grep -qv '^not-installed$'; then
    echo "quarrix-solo is still known to dpkg after removal"; exit 1
fi
left=$(find /usr/games /usr/share/doc /usr/share/man/man6 /usr/share/quarrix-solo /usr/share/applications \
    /usr/share/metainfo /usr/share/icons/hicolor/scalable/apps -name '*quarrix*' -o -name '*Quarrix*' 2>/dev/null || true)
[ -z "$left" ] || { echo "left behind after removal:"; echo "$left"; exit 1; }
echo "package check passed"
