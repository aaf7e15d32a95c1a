#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the play folder need (Qt's translation
# tools compile the languages, and qtbase's own translations are what the tests check; the tests read the
# windows' X11 properties with xprop and type into them with xdotool).
# Does nothing when every package is already present.
set -euo pipefail

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

packages=(
  build-essential cmake pkg-config python3
  qt6-base-dev fonts-freefont-ttf
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libopenal-dev libopenal1 libsndfile1-dev libsdl2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format clang-tidy
  pulseaudio pulseaudio-utils pipewire pipewire-bin pipewire-pulse wireplumber
  qt6-wayland libwayland-dev weston xvfb libxcb1-dev
  libqt6svg6 x11-utils xdotool
)
# A face for names in Chinese, Japanese or Korean, which FreeSans lacks: the small WenQuanYi Micro
# Hei, unless Noto CJK is there already.
installed fonts-noto-cjk || packages+=(fonts-wqy-microhei)
# Extra packages for optional targets: screenshots and sound checks, or the package check.
case "${1:-}" in
  --extras) packages+=(x11-apps imagemagick sox) ;;
  --package) packages+=(dpkg-dev file desktop-file-utils appstream lintian man-db devscripts) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! installed "$p"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
