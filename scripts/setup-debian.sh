#!/usr/bin/env bash
# Installs the Debian 12 packages Tessarine needs to build, run and test,
# skipping the ones already present. Needs root (or sudo). Extra packages
# (such as the fuzzing compiler) may be named as arguments.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format git libx11-dev libxdamage-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev libfontconfig-dev libical-dev
    python3-dateutil
    fonts-liberation2 fontconfig
    xvfb xauth openbox x11-apps imagemagick
    help2man librsvg2-bin
    poppler-utils pcal ghostscript time bc
    cups cups-client printer-driver-cups-pdf libcups2-dev
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "Installing ${missing[*]} needs root: run this as root or install sudo." >&2
        exit 1
    fi
    sudo_cmd=(sudo)
fi

echo "Installing Debian packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
