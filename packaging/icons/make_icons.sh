#!/usr/bin/env bash
# Renders the hicolor PNGs of both programs' icons from their SVGs in this folder.
# The SVGs are Fluent Emoji drawings (MIT, see CREDITS.md): the rocket of the game's start
# screen for the game, the clipboard of its "Cambia lista di parole" button for the list editor.
# To take them afresh: npm install fluentui-emoji@1.3.0, then copy icons/modern/rocket.svg to
# zampirolo2.svg and icons/modern/clipboard.svg to zampirolo2-liste.svg.
# Needs rsvg-convert (librsvg2-bin). The PNGs are committed, so building needs neither.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for name in zampirolo2 zampirolo2-liste; do
    for size in 16 22 24 32 48 64 128 256 512; do
        mkdir -p "$here/hicolor/${size}x${size}"
        rsvg-convert -w "$size" -h "$size" -o "$here/hicolor/${size}x${size}/$name.png" \
            "$here/$name.svg"
    done
done
