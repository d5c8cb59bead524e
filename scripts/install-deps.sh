#!/usr/bin/env bash
# Installs every Debian package the console needs to build, test and run.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    clang libclang-rt-dev            # libFuzzer and sanitizers for the fuzz targets
    qt6-base-dev qt6-serialport-dev  # QtCore/Widgets and Qt SerialPort
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools  # Qt Linguist (translations)
    libgl-dev                        # needed by Qt6Gui's CMake package
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-wqy-microhei               # Chinese captions on screen
    qt6-translations-l10n            # Qt's own texts (buttons, file dialogs) in Chinese
    xvfb xauth                       # a display for the console where there is none
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
