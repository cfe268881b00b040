#!/bin/sh
# Installs the Debian packages the build, the game, the tests and `make stats`
# need, and nothing when they are all present. Runs apt-get as root, through
# sudo otherwise.
set -eu

packages="
  g++ make cmake pkg-config time
  libgtest-dev
  freeglut3-dev libglu1-mesa-dev libgl-dev libegl-dev libx11-dev
  libgl1-mesa-dri libglx-mesa0 libegl-mesa0
  libfreetype-dev fonts-dejavu-core libpng-dev
  dpkg-dev desktop-file-utils man-db lintian appstream mandoc
  clang libclang-rt-14-dev clang-format
  xvfb xserver-xorg-core xserver-xorg-video-dummy xdotool x11-utils x11-xserver-utils imagemagick
  ffmpeg gnuplot-nox
"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
else
  as_root="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -qq
# shellcheck disable=SC2086
$as_root apt-get install -y -qq --no-install-recommends $missing
