#!/usr/bin/env bash
# Pictures of the three windows for the README: the game runs under Xvfb in a scratch play
# folder and is played with xdotool; each window is captured on its own.
# Usage: tools/screenshots.sh [build folder]   (default: build; it is not built here)
# Writes docs/screenshots/main.png, records.png and sound.png.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
game=$build/app/quarrix-solo
out=$root/docs/screenshots
if [ ! -x "$game" ]; then
    echo "no $game: build it first (make build)" >&2
    exit 1
fi

bash "$root/tools/install-deps.sh" --extras

play=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; wait "$game_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$play"
}
trap cleanup EXIT

# Three tables of a few rows each, so the game below earns a place in every one; names in more
# than one script show that their rows line up.
item() { printf '"%s"\r\n' "$1"; }
row() { item "$1"; item "$2"; item "$3"; item "$4"; }
{
    row "Marta (spd=+25%)" 2480 4 11; row "佐藤花子 (spd=0)" 1630 3 9; row "Zoë Ørsted (spd=+50%)" 940 2 8
    row "Tobi (spd=-25%)" 410 2 5; row "Ada (spd=0)" 120 1 3; item NEXT
    row "Marta (spd=+25%)" 2480 4 11; row "Zoë Ørsted (spd=+50%)" 940 3 8; row "佐藤花子 (spd=0)" 1630 3 9
    row "Ada (spd=0)" 120 1 3; item NEXT
    row "Marta (spd=+25%)" 2480 4 11; row "佐藤花子 (spd=0)" 1630 3 9; row "Zoë Ørsted (spd=+50%)" 940 2 8
    row "Tobi (spd=-25%)" 410 2 5; item NEXT
} > "$play/HighScores"
while read -r sound; do cp "$build/play/$sound" "$play/"; done < "$build/default-sounds"

# The first free display from :97 on.
display=97
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done

# In English, whatever the desktop speaks: the README's pictures and the titles looked for below.
(cd "$play" && ALSOFT_DRIVERS=null LANGUAGE=en exec "$game") >/dev/null 2>&1 &
game_pid=$!

# Prints the id of the first visible window whose title matches, waiting up to five seconds.
window() {
    for _ in $(seq 50); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window titled $1" >&2
    return 1
}
# There is no window manager: focus the window itself, then type.
keys() {
    local id=$1
    shift
    xdotool windowfocus --sync "$id"
    xdotool key --delay 40 "$@"
}
shot() {
    sleep 0.5
    import -window "$1" "$out/$2"
    echo "wrote docs/screenshots/$2"
}

main=$(window '^Quarrix Solo\. - 17/2/2004$')
# Options > "+75%" before the game starts: the menu bar has no window manager's help, so the
# menu is opened with the mouse and the item chosen with the keys.
sleep 1
visible=$(xdotool search --onlyvisible --name '' | wc -l)
xdotool windowfocus --sync "$main"
xdotool mousemove --window "$main" 68 8 click 1
for _ in $(seq 30); do
    [ "$(xdotool search --onlyvisible --name '' | wc -l)" -gt "$visible" ] && break
    sleep 0.1
done
sleep 0.3
xdotool key --delay 60 Down Down Down Down Down Down Down Return
sleep 0.3
keys "$main" F1
sleep 0.3

# Upright pairs dropped column by column build a real stack. The pair spawns in column 3; Down
# brings it to one row above the expected stack, the timer lands it.
declare -a height=(0 0 0 0 0 0)
for round in 0 1 2 3; do
    for column in 0 5 1 4 2 3; do
        moves=()
        for ((c = column; c < 3; c++)); do moves+=(Left); done
        for ((c = column; c > 3; c--)); do moves+=(Right); done
        for ((d = 0; d < 12 - height[column]; d++)); do moves+=(Down); done
        keys "$main" "${moves[@]}"
        height[column]=$((height[column] + 2))
        sleep 0.8
    done
done
shot "$main" main.png

# Pairs straight down the middle until the game is over, then a name for every table.
for _ in $(seq 30); do
    xdotool search --onlyvisible --name '^Quarrix Solo$' >/dev/null 2>&1 && break
    keys "$main" Down Down Down Down Down Down Down Down Down Down Down Down Down Down Down || true
    sleep 0.3
done
over=$(window '^Quarrix Solo$')
keys "$over" Return
for name in Robin Robin Robin; do
    sleep 0.5
    prompt=$(xdotool search --onlyvisible --name '^Quarrix Solo$' 2>/dev/null | head -n 1 || true)
    [ -n "$prompt" ] || break
    xdotool windowfocus --sync "$prompt"
    xdotool type --delay 40 "$name"
    xdotool key Return
done
records=$(window '^Records$')
shot "$records" records.png

keys "$main" F5
sound=$(window '^Sound Option$')
shot "$sound" sound.png
