#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing, so a second run is quick)
# and configures and builds one build folder.
#   scripts/setup.sh [plain|asan|tsan]   (default: plain, in build/)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ ninja-build ccache pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev clang-format
          qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-image-formats-plugins
          libhidapi-dev libudev-dev libpulse-dev libx11-dev libxi-dev
          libglib2.0-bin gsettings-desktop-schemas appstream desktop-file-utils dpkg-dev file
          fonts-roboto fonts-noto-cjk xvfb x11-utils xdotool imagemagick
          pulseaudio pulseaudio-utils zsh fish)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

kind="${1:-plain}"
case "$kind" in
    plain) dir=build; extra=() ;;
    asan) dir=build-asan; extra=(-DKARVO_SANITIZE=address -DKARVO_BUILD_BENCH=OFF) ;;
    tsan) dir=build-tsan; extra=(-DKARVO_SANITIZE=thread -DKARVO_BUILD_BENCH=OFF) ;;
    *) echo "usage: $0 [plain|asan|tsan]" >&2; exit 2 ;;
esac
werror=()
[ -n "${CI:-}" ] && werror=(-DKARVO_WERROR=ON)
cmake -S . -B "$dir" -G Ninja "${extra[@]}" "${werror[@]}" >/dev/null
cmake --build "$dir"
