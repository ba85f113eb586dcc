#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need; with --packaging, also
# those that build and check the Debian package; with --bench, those of make bench; with
# --fuzz, those that fuzz the list reader.
# Does nothing when they are all present; otherwise uses apt-get as root or through sudo.
set -euo pipefail

packages=(
    cmake make g++
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6multimedia6
    libgl-dev pkg-config
    libespeak-ng-dev espeak-ng-data
    libfontconfig-dev libx11-dev libxcb1-dev
    qt6-translations-l10n
    libqt6svg6
)
# Building and checking the Debian package (make package, make check-package, make test);
# librsvg2-bin renders the icons afresh (packaging/icons/make_icons.sh).
if [[ "${1:-}" == "--packaging" ]]; then
    packages+=(dpkg-dev desktop-file-utils appstream lintian librsvg2-bin)
fi
# make bench: a virtual display and its query tool (every build compiles the benchmark programs,
# so the XCB headers of their first-frame probe are above).
if [[ "${1:-}" == "--bench" ]]; then
    packages+=(xvfb x11-utils python3)
fi
# Fuzzing the word-list reader (make fuzz): clang and its libFuzzer runtime.
if [[ "${1:-}" == "--fuzz" ]]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
