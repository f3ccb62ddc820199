#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any are missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config ccache
    juce-modules-source
    libgtest-dev googletest libbenchmark-dev
    xvfb openbox xdotool x11-utils x11-apps xcompmgr imagemagick
    clang libclang-rt-14-dev
    trayer libglib2.0-bin
    dpkg-dev file desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
