#!/usr/bin/env bash
# Installs the Debian packages Quorvel needs to build, run and test.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

PACKAGES=(build-essential cmake pkg-config libode-dev libglfw3-dev portaudio19-dev
          libepoxy-dev libgtest-dev libgl1-mesa-dri xvfb xauth xdotool imagemagick
          valgrind sox desktop-file-utils appstream dpkg-dev file clang-format python3)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
