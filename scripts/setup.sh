#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages the build needs (only the missing
# ones), then configures and builds the given build folder. Usage: scripts/setup.sh BUILD_DIR [cmake args]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libsdl2-dev libpng-dev libjpeg62-turbo-dev libfreetype-dev libpixman-1-dev
  libogg-dev libvorbis-dev libcairo2-dev googletest libgtest-dev
  libfontconfig-dev libebur128-dev
  fonts-comic-neue fonts-quicksand fonts-comfortaa fonts-cabinsketch fonts-dejavu-core
  desktop-file-utils appstream xvfb)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=$1; shift
cmake -S . -B "$build_dir" "$@" > "$build_dir.configure.log" 2>&1 || { cat "$build_dir.configure.log"; exit 1; }
cmake --build "$build_dir" -j "$(nproc)"
