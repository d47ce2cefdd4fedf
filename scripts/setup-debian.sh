#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Tessarine needs to build, run and test,
# skipping the ones already present. Needs root (or sudo). Extra packages
# (such as the fuzzing compiler) may be named as arguments.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format git libx11-dev libxdamage-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev libfontconfig-dev libcanberra-dev
    libical-dev python3 python3-dateutil radicale curl
    fonts-liberation2 fontconfig locales
    xvfb xauth openbox x11-apps imagemagick
    help2man librsvg2-bin
    poppler-utils pcal ghostscript time bc
    cups cups-client printer-driver-cups-pdf libcups2-dev
    "$@"
)

# The locales the tests print and read in; a test that needs one fails
# when it is missing.
test_locales=(de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8 en_US.UTF-8 en_CA.UTF-8)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

missing_locales=()
installed_locales=$(locale -a 2>/dev/null || true)
for name in "${test_locales[@]}"; do
    # locale -a lists "de_DE.UTF-8" as "de_DE.utf8".
    grep -qx "${name%.UTF-8}.utf8" <<<"$installed_locales" || missing_locales+=("$name")
done

if ((${#missing[@]} == 0 && ${#missing_locales[@]} == 0)); then
    exit 0
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "Installing ${missing[*]} ${missing_locales[*]} needs root: run this as root or install sudo." >&2
        exit 1
    fi
    sudo_cmd=(sudo)
fi

if ((${#missing[@]} > 0)); then
    echo "Installing Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ((${#missing_locales[@]} > 0)); then
    echo "Generating locales: ${missing_locales[*]}"
    for name in "${missing_locales[@]}"; do
        line="$name UTF-8"
        if grep -q "^# *$line\$" /etc/locale.gen; then
            "${sudo_cmd[@]}" sed -i "s/^# *$line\$/$line/" /etc/locale.gen
        elif ! grep -qx "$line" /etc/locale.gen; then
            echo "$line" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
        fi
    done
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
