#!/usr/bin/env bash
# Runs the game under Xvfb with a small window manager at 1024x768 and 1920x1080, walks the
# road start screen -> menu -> list chooser -> both exercises with simulated clicks, and saves a
# screenshot of every screen in docs/screenshots/<width>x<height>/.
#
# The two exercise shots show a game under way: the script drags syllable tiles onto some of
# the slots the way a child would. It cannot read the tiles, so for each slot it tries the
# tiles one after the other and keeps going until the slot shows a syllable; the wrong tries
# on the way count as errors, as they would for a real player. DISEGNI1 is then finished too,
# for one more shot with "avanti" enabled, and played again half way with "Caratteri grandi".
#
# Usage: tools/screenshots/take.sh   (builds first with `make build`; installs what it needs)
#        NO_BUILD=1 tools/screenshots/take.sh   uses build/zampirolo2 as it is
set -euo pipefail
cd "$(dirname "$0")/../.."

tools=(xvfb openbox xdotool imagemagick x11-utils)
missing=()
for p in "${tools[@]}"; do
    [[ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" == "install ok installed" ]] ||
        missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

[[ -n "${NO_BUILD:-}" ]] || make build >/dev/null
game="$PWD/build/zampirolo2"
display=:97
export DISPLAY=$display

# Someone else's server on our display number is not ours to stop: give up instead.
if [[ -e /tmp/.X${display#:}-lock || -e /tmp/.X11-unix/X${display#:} ]]; then
    echo "Display $display is already in use; stop that server first." >&2
    exit 1
fi

# Only the processes started here are ever stopped, by their own ids.
xvfb_pid='' openbox_pid='' game_pid='' watchdog_pid=''
tmp=$(mktemp -d)

# Tells whether a child is still running; one that has ended but not been waited for yet
# ("Z") counts as gone.
running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null || true)
    [[ -n "$state" && "$state" != Z* ]]
}

stop_pid() {
    local pid=$1 _
    [[ -n "$pid" ]] || return 0
    kill "$pid" 2>/dev/null || return 0
    # Whatever does not end within a few seconds of being asked is ended outright.
    for _ in $(seq 30); do
        running "$pid" || break
        sleep 0.1
    done
    running "$pid" && kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
}

stop_game() { stop_pid "$game_pid"; game_pid=; }

stop_display() {
    stop_game
    stop_pid "$openbox_pid"; openbox_pid=
    stop_pid "$xvfb_pid"; xvfb_pid=
}

cleanup() {
    stop_display
    stop_pid "$watchdog_pid"
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'echo "Interrupted." >&2; exit 1' INT TERM

# A hung X call must not keep the script (and its servers) alive for ever.
# Its sleep gets stopped with it, so that nothing is left holding the output open.
(
    trap 'kill "$nap" 2>/dev/null; exit 0' TERM
    sleep 300 >/dev/null 2>&1 &
    nap=$!
    wait "$nap"
    echo "Taking the screenshots took too long; giving up." >&2
    kill -TERM $$
) &
watchdog_pid=$!

# Waits up to $2 seconds for a command to succeed.
wait_for() {
    local what=$1 seconds=$2
    local deadline=$((SECONDS + seconds))
    until eval "$what" >/dev/null 2>&1; do
        if ((SECONDS >= deadline)); then
            echo "Timed out waiting for: $what" >&2
            return 1
        fi
        sleep 0.2
    done
}

start_display() {
    # Without -noreset the server starts afresh whenever its last client leaves, as the
    # readiness probe below does, and a client connecting just then is turned away.
    Xvfb "$display" -screen 0 "${1}x24" -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    if ! wait_for xdpyinfo 10; then
        cat "$tmp/xvfb.log" >&2
        return 1
    fi
    local try
    for try in 1 2; do
        openbox >"$tmp/openbox.log" 2>&1 &
        openbox_pid=$!
        wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK | grep "window id"' 10 && return 0
        echo "The window manager did not come up (try $try):" >&2
        cat "$tmp/openbox.log" >&2
        stop_pid "$openbox_pid"
        openbox_pid=''
    done
    return 1
}

start_game() {
    stop_game
    "$game" >/dev/null 2>&1 &
    game_pid=$!
    wait_for "xdotool search --onlyvisible --pid $game_pid" 20
    wait_for 'xdotool getactivewindow' 10
    sleep 1.5
}

# Clicks the point of a control given as fractions of the active window's client area.
click_at() {
    local fx=$1 fy=$2 offset=${3:-0}
    local win geometry w h
    win=$(xdotool getactivewindow)
    geometry=$(xdotool getwindowgeometry --shell "$win")
    w=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    h=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    # shellcheck disable=SC2046
    xdotool mousemove --window "$win" \
        $(python3 -c "print(round($fx * $w), round($offset + $fy * ($h - $offset)))") click 1
    sleep 1.5
}

shot() {
    # The pointer goes out of the way, so that nothing is left highlighted under it.
    xdotool mousemove "$((screen_w - 1))" "$((screen_h - 1))"
    sleep 0.3
    import -window root "$out/$1.png"
    echo "  $out/$1.png"
}

# The screen is read back from an uncompressed grab, all the boxes of a step at once, which
# keeps the many looks at it cheap.
grab() { import -window root -depth 8 "ppm:$tmp/grab.ppm"; }

cat >"$tmp/probe.py" <<'PY'
import sys

def load(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maximum, with comments skipped
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6" and int(fields[3]) < 256, "not an 8-bit PPM"
    return int(fields[1]), int(fields[2]), data[pos + 1:]

width, height, pixels = load(sys.argv[1])

def pixel(x, y):
    i = 3 * (y * width + x)
    return pixels[i:i + 3]

# Print is black on white or light yellow, and so is dark in the green channel too, where
# the backgrounds are bright; counting only that channel keeps the count quick.
BRIGHT = bytes(range(90, 256))

def dark_pixels(x, y, w, h):
    count = 0
    for row in range(y, y + h):
        start = 3 * (row * width + x)
        count += len(pixels[start + 1:start + 3 * w:3].translate(None, BRIGHT))
    return count

if sys.argv[2] == "menu":
    # Going down a column from the top of the window, the first change of colour is the
    # rule under the menu bar.
    x, top = int(sys.argv[3]), int(sys.argv[4])
    first = pixel(x, top)
    for y in range(top, min(top + 80, height)):
        if pixel(x, y) != first:
            print(y - top + 1)
            break
else:
    # One 1 or 0 for each box "x y w h": whether it shows print. The margin keeps a slot's
    # black frame out of the count.
    numbers = [int(n) for n in sys.argv[3:]]
    answers = []
    for i in range(0, len(numbers), 4):
        x, y, w, h = numbers[i:i + 4]
        mx, my = w // 6, h // 6
        x0, y0 = max(x + mx, 0), max(y + my, 0)
        w0, h0 = min(x + w - mx, width) - x0, min(y + h - my, height) - y0
        if w0 <= 0 or h0 <= 0:
            answers.append("0")
            continue
        count = dark_pixels(x0, y0, w0, h0)
        answers.append("1" if count > 0.003 * w0 * h0 else "0")
    print(" ".join(answers))
PY
probe() { python3 "$tmp/probe.py" "$tmp/grab.ppm" "$@"; }

# --- The exercise screens -----------------------------------------------------------------
# Their controls are laid out in twips (15 to a pixel at design size) over a client area of
# design_w x design_h twips and stretched with it; the client area is the window less its
# menu bar.
cx=0 cy=0 cw=0 ch=0 design_w=1 design_h=1

# Finds where the client area lies on the screen. The menu bar is as wide as the window and
# ends in a one-pixel rule; the right edge of the window is clear of menu titles, so the
# rule is found there. Falls back on the height that Qt's menu bar has with the default
# fonts here, 19 px, measured on both display sizes.
measure_client() {
    design_w=$1 design_h=$2
    local info wx wy ww wh menu
    info=$(xwininfo -id "$(xdotool getactivewindow)")
    wx=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    wy=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    ww=$(sed -n 's/^ *Width: *//p' <<<"$info")
    wh=$(sed -n 's/^ *Height: *//p' <<<"$info")
    grab
    menu=$(probe menu "$((wx + ww - 3))" "$wy")
    if [[ -z "$menu" || "$menu" -lt 10 || "$menu" -gt 60 ]]; then
        echo "  (menu bar not found, taking it as 19 px high)" >&2
        menu=19
    fi
    cx=$wx cy=$((wy + menu)) cw=$ww ch=$((wh - menu))
}

# Prints "x y w h" on the screen for a control at left, top, width, height in design twips.
rect() {
    local dw2=$((2 * design_w)) dh2=$((2 * design_h))
    echo "$((cx + (2 * $1 * cw + design_w) / dw2)) $((cy + (2 * $2 * ch + design_h) / dh2))" \
        "$(((2 * $3 * cw + design_w) / dw2)) $(((2 * $4 * ch + design_h) / dh2))"
}

# Drags from the centre of one rectangle to the centre of another in a few steps, as a hand
# would, so that the game sees a drag and not a tap.
drag() {
    local x1=$(($1 + $3 / 2)) y1=$(($2 + $4 / 2)) x2=$(($5 + $7 / 2)) y2=$(($6 + $8 / 2))
    xdotool mousemove "$x1" "$y1" mousedown 1
    sleep 0.1
    xdotool mousemove "$(((2 * x1 + x2) / 3))" "$(((2 * y1 + y2) / 3))"
    sleep 0.05
    xdotool mousemove "$(((x1 + 2 * x2) / 3))" "$(((y1 + 2 * y2) / 3))"
    sleep 0.05
    xdotool mousemove "$x2" "$y2"
    sleep 0.1
    xdotool mouseup 1
    # Time for the game to judge the drop and paint the result.
    sleep 0.3
}

# tiles holds one "x y w h" per tile position. Fills the slot "x y w h" by trying the tiles
# that still carry a syllable, left to right, until the game takes one; a used tile is a
# blank box and is passed over.
tiles=()
fill_slot() {
    local slot=("$@") i state
    grab
    # shellcheck disable=SC2068
    read -ra state <<<"$(probe text "${slot[@]}" ${tiles[@]})"
    [[ ${state[0]} == 1 ]] && return 0
    for i in "${!tiles[@]}"; do
        [[ ${state[i + 1]} == 1 ]] || continue
        # shellcheck disable=SC2086
        drag ${tiles[i]} "${slot[@]}"
        grab
        # shellcheck disable=SC2068
        read -ra state <<<"$(probe text "${slot[@]}" ${tiles[@]})"
        [[ ${state[0]} == 1 ]] && return 0
    done
    echo "  (no tile filled the slot at ${slot[*]})" >&2
    return 1
}

# Each argument is "left top width height" of a slot in design twips.
fill_slots() {
    local s
    for s in "$@"; do
        # shellcheck disable=SC2046,SC2086
        fill_slot $(rect $s) || true
    done
}

# DISEGNI1: four words of two syllables, eight tiles.
disegni1_setup() {
    measure_client 9435 6135
    tiles=()
    local l
    for l in 120 1200 2280 3360 4440 5520 6600 7680; do
        tiles+=("$(rect "$l" 3240 1035 615)")
    done
}
disegni1_slot() { # word, syllable (0 or 1)
    local left=(120 2400 4680 6960)
    echo "$((left[$1] + $2 * 1080)) 2160 1035 525"
}

# DISEGNI2: three words of three syllables, nine tiles.
disegni2_setup() {
    measure_client 9570 6270
    tiles=()
    local k
    for k in 0 1 2 3 4 5 6 7 8; do
        tiles+=("$(rect $((240 + 960 * k)) 3600 795 615)")
    done
}
disegni2_slot() { # word, syllable (0 to 2)
    local left=(120 3120 6360)
    echo "$((left[$1] + $2 * 840)) 2760 795 525"
}

for size in 1024x768 1920x1080; do
    out="docs/screenshots/$size"
    mkdir -p "$out"
    echo "$size:"
    screen_w=${size%x*} screen_h=${size#*x}
    start_display "$size"

    start_game
    shot 1-avvio
    click_at "$(python3 -c 'print((3600 + 3735 / 2) / 10605)')" "$(python3 -c 'print((6240 + 1455 / 2) / 8115)')"
    shot 2-menu
    # "Cambia lista di parole", then "CA CE CI CO CU" and the confirmation
    click_at "$(python3 -c 'print((2160 + 4500 / 2) / 8985)')" "$(python3 -c 'print((3600 + 1260 / 2) / 8115)')"
    shot 3-scelta-lista
    # The chooser stacks its options 100 twips apart below 600 twips, each as high as the
    # scaled first option; the third one is "CA CE CI CO CU".
    win=$(xdotool getactivewindow)
    h=$(xdotool getwindowgeometry --shell "$win" | sed -n 's/^HEIGHT=//p')
    y=$(python3 -c "o = round(390 / 15 * $h / 541); print(round((600 + 2 * (o * 15 + 100)) / 15 + o / 2))")
    xdotool mousemove --window "$win" 100 "$y" click 1
    sleep 1
    shot 4-conferma-lista
    xdotool key Return
    sleep 1
    click_at "$(python3 -c 'print((2160 + 4500 / 2) / 8985)')" "$(python3 -c 'print((360 + 1245 / 2) / 8115)')"

    # Half way: the first two words done.
    disegni1_setup
    fill_slots "$(disegni1_slot 0 0)" "$(disegni1_slot 0 1)" "$(disegni1_slot 1 0)" "$(disegni1_slot 1 1)"
    shot 5-disegni1
    fill_slots "$(disegni1_slot 2 0)" "$(disegni1_slot 2 1)" "$(disegni1_slot 3 0)" "$(disegni1_slot 3 1)"
    shot 7-disegni1-completo

    start_game
    click_at "$(python3 -c 'print((3600 + 3735 / 2) / 10605)')" "$(python3 -c 'print((6240 + 1455 / 2) / 8115)')"
    click_at "$(python3 -c 'print((2160 + 4500 / 2) / 8985)')" "$(python3 -c 'print((1680 + 1245 / 2) / 8115)')"
    # The first word done and the second begun.
    disegni2_setup
    fill_slots "$(disegni2_slot 0 0)" "$(disegni2_slot 0 1)" "$(disegni2_slot 0 2)" "$(disegni2_slot 1 0)"
    shot 6-disegni2

    # "Caratteri grandi" ticked on the menu, then the first two words of DISEGNI1 done.
    start_game
    click_at "$(python3 -c 'print((3600 + 3735 / 2) / 10605)')" "$(python3 -c 'print((6240 + 1455 / 2) / 8115)')"
    click_at "$(python3 -c 'print((2880 + 3135 / 2) / 8985)')" "$(python3 -c 'print((3285 + 315 / 2) / 8115)')"
    click_at "$(python3 -c 'print((2160 + 4500 / 2) / 8985)')" "$(python3 -c 'print((360 + 1245 / 2) / 8115)')"
    disegni1_setup
    fill_slots "$(disegni1_slot 0 0)" "$(disegni1_slot 0 1)" "$(disegni1_slot 1 0)" "$(disegni1_slot 1 1)"
    shot 8-caratteri-grandi

    stop_display
done
