#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the play folder need.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config python3
  qt6-base-dev fonts-freefont-ttf
  libopenal-dev libopenal1 libsndfile1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format clang-tidy
  pulseaudio pulseaudio-utils pipewire pipewire-bin pipewire-pulse wireplumber
)
# Extra packages for optional targets: screenshots and sound checks, or the package check.
case "${1:-}" in
  --extras) packages+=(xvfb xdotool x11-apps imagemagick sox) ;;
  --package) packages+=(dpkg-dev file desktop-file-utils appstream lintian man-db) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
