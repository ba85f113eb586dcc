#!/usr/bin/env bash
# Runs the game under Xvfb with a small window manager at 1024x768 and 1920x1080, walks the
# road start screen -> menu -> list chooser -> both exercises with simulated clicks, and saves a
# screenshot of every screen in docs/screenshots/<width>x<height>/.
# Usage: tools/screenshots/take.sh   (builds first with `make build`; installs what it needs)
set -euo pipefail
cd "$(dirname "$0")/../.."

tools=(xvfb openbox xdotool imagemagick)
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

make build >/dev/null
game="$PWD/build/zampirolo2"
display=:97

# Clicks the point of a control given as fractions of the active window's client area.
click_at() {
    local fx=$1 fy=$2 offset=${3:-0}
    local win geometry w h
    win=$(xdotool getactivewindow)
    geometry=$(xdotool getwindowgeometry --shell "$win")
    w=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
    h=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    xdotool mousemove --window "$win" \
        "$(python3 -c "print(round($fx * $w))")" \
        "$(python3 -c "print(round($offset + $fy * ($h - $offset)))")" click 1
    sleep 1.5
}

shot() {
    import -window root "$out/$1.png"
    echo "  $out/$1.png"
}

start_game() {
    pkill -x zampirolo2 2>/dev/null || true
    sleep 0.5
    "$game" >/dev/null 2>&1 &
    sleep 3
}

for size in 1024x768 1920x1080; do
    out="docs/screenshots/$size"
    mkdir -p "$out"
    echo "$size:"
    Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    export DISPLAY=$display
    openbox >/dev/null 2>&1 &
    sleep 1

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
    shot 5-disegni1

    start_game
    click_at "$(python3 -c 'print((3600 + 3735 / 2) / 10605)')" "$(python3 -c 'print((6240 + 1455 / 2) / 8115)')"
    click_at "$(python3 -c 'print((2160 + 4500 / 2) / 8985)')" "$(python3 -c 'print((1680 + 1245 / 2) / 8115)')"
    shot 6-disegni2

    pkill -x zampirolo2 || true
    pkill -x openbox || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
done
