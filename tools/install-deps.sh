#!/usr/bin/env bash
# Installs the Debian packages that are missing: `install-deps.sh run` what building and
# playing the game need (`make run`), `install-deps.sh deb` that and what packing it needs
# (`make deb`), `install-deps.sh` with no argument everything, the tests' tools as well.
set -euo pipefail
run_packages=(
  g++ cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev libx11-dev libxcb1-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good  # decoding and playing the wave files
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35  # the faces the windows ask for
  fcitx5-frontend-qt6  # Japanese names typed with Fcitx 5
  libsdl2-dev  # game controllers: SDL's controller API and its mapping database
  qt6-l10n-tools qt6-tools-dev  # lrelease and lupdate, and CMake's Qt6LinguistTools that runs them
)
deb_packages=(dpkg-dev file)  # dpkg-shlibdeps for the package's dependencies
test_packages=(
  ccache libgtest-dev libbenchmark-dev
  strace procps  # which music files the installed game finds; stopping it again
  xvfb xdotool x11-utils imagemagick  # the real program under a private X server
  desktop-file-utils appstream man-db lintian  # checks of the menu entry, manual page, package
  openbox wmctrl xterm  # a desktop for the window tests: window manager, its remote, another program
  pulseaudio pulseaudio-utils  # a sound server with a null sink, and its recorder, for the sound test
)
case ${1:-all} in
  run) packages=("${run_packages[@]}") ;;
  deb) packages=("${run_packages[@]}" "${deb_packages[@]}") ;;
  *) packages=("${run_packages[@]}" "${deb_packages[@]}" "${test_packages[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
