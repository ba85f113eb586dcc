#!/usr/bin/env bash
# Checks what a teacher installs: the desktop entries and AppStream data validate, the Debian
# package builds and passes lintian with no error, both the package and `cmake --install` lay
# the files out as expected, the installed game finds its data on its own and, once the list
# editor exists, the editor finds nothing to fix in the installed lists.
# Usage: tools/packaging/check.sh [BUILD_DIR]   (BUILD_DIR already configured and built)
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
packaging=$repo/packaging
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
step() { printf '== %s\n' "$*"; }
fail() { printf 'FAILED: %s\n' "$*" >&2; failures=$((failures + 1)); }

step "desktop entries"
for entry in "$packaging"/*.desktop; do
    # It exits 0 on warnings: count them as failures too. Hints (the game sits in both
    # Education and Game, on purpose) are only shown.
    status=0
    report=$(desktop-file-validate "$entry" 2>&1) || status=$?
    [[ -z "$report" ]] || echo "$report"
    if [[ $status -ne 0 ]] || grep -q ': \(error\|warning\): ' <<<"$report"; then
        fail "desktop-file-validate $(basename "$entry")"
    fi
done

step "AppStream metadata"
for metainfo in "$packaging"/*.metainfo.xml; do
    appstreamcli validate --no-net --no-color "$metainfo" || fail "appstreamcli validate $(basename "$metainfo")"
done

editor=false
[[ -x "$build/zampirolo2-liste" ]] && editor=true

# Files that must be there below a prefix, for the game and, when it is built, the editor.
expected_files() {
    local ids=(zampirolo2) id size
    $editor && ids+=(zampirolo2-liste)
    echo share/applications/io.github.zampirolo2.zampirolo2.desktop
    echo share/metainfo/io.github.zampirolo2.zampirolo2.metainfo.xml
    echo share/man/man6/zampirolo2.6.gz
    echo share/man/it/man6/zampirolo2.6.gz
    echo share/zampirolo2/suoni/si1.wav
    echo share/zampirolo2/suoni/no.wav
    echo share/zampirolo2/testizampirolo2/TUTTE2.txt
    echo share/zampirolo2/images0/casa.jpg
    if $editor; then
        echo share/applications/io.github.zampirolo2.liste.desktop
        echo share/man/man1/zampirolo2-liste.1.gz
        echo share/man/it/man1/zampirolo2-liste.1.gz
    fi
    for id in "${ids[@]}"; do
        echo "bin/$id"
        echo "share/icons/hicolor/scalable/apps/$id.svg"
        for size in 16 22 24 32 48 64 128 256 512; do
            echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
        done
    done
}

check_layout() { # prefix, what
    local missing=0 file
    while read -r file; do
        [[ -e "$1/$file" ]] || { echo "missing in $2: $file" >&2; missing=1; }
    done < <(expected_files)
    [[ $missing -eq 0 ]] || fail "$2 lacks files"
}

# Starts the installed game headless for a second with no variable pointing at its data and
# checks that it chose the data folder of its own prefix.
check_game_starts() { # prefix, what
    local log=$scratch/start.log status=0
    (cd / && QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='zampirolo.dati.debug=true' \
        XDG_RUNTIME_DIR="$scratch" TMPDIR="$scratch" timeout 2 "$1/bin/zampirolo2") >"$log" 2>&1 || status=$?
    if [[ $status -ne 124 ]]; then
        cat "$log" >&2
        fail "$2: zampirolo2 ended by itself (status $status) instead of showing its window"
    elif ! grep -qF "Cartella dell'applicazione: \"$1/share/zampirolo2\"" "$log"; then
        cat "$log" >&2
        fail "$2: zampirolo2 did not find its data in $1/share/zampirolo2"
    fi
}

check_editor_verifies() { # prefix, what
    $editor || return 0
    QT_QPA_PLATFORM=offscreen timeout 120 "$1/bin/zampirolo2-liste" --verifica "$1/share/zampirolo2" ||
        fail "$2: zampirolo2-liste --verifica found problems in the installed lists"
}

step "cmake --install into a temporary prefix"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
check_layout "$scratch/prefix" "cmake --install"
check_game_starts "$scratch/prefix" "cmake --install"

step "Debian package"
rm -f "$build"/zampirolo2_*.deb
(cd "$build" && cpack -G DEB) >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/zampirolo2_*.deb)
echo "$(basename "$deb"): $(du -h "$deb" | cut -f1)"

step "lintian"
if command -v lintian >/dev/null; then
    lintian --fail-on error --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 ||
        fail "lintian reports errors"
    grep -v 'running with root privileges' "$scratch/lintian.log" || true
else
    fail "lintian is not installed"
fi

step "package contents (dpkg -x)"
dpkg -x "$deb" "$scratch/root"
check_layout "$scratch/root/usr" "the package"
check_game_starts "$scratch/root/usr" "the package"
check_editor_verifies "$scratch/root/usr" "the package"
$editor || echo "(no zampirolo2-liste built: its files and --verifica are not checked)"

if [[ $failures -gt 0 ]]; then
    echo "Packaging check: $failures problem(s)" >&2
    exit 1
fi
echo "Packaging check: all good"
