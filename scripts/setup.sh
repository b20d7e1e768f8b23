#!/usr/bin/env bash
# Installs what building, testing, fuzzing and benchmarking need on Debian 12, and only
# what is missing. Safe to run again: it does nothing when all is present.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev
    libbenchmark-dev libspdlog-dev
    xvfb xauth fonts-dejavu-core locales desktop-file-utils jq
    openbox wmctrl xdotool psmisc
    weston qt6-wayland
    clang-14 libclang-rt-14-dev
    appstream dpkg-dev
    doxygen
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
