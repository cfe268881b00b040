#!/bin/sh
# Installs the Debian packages a make target needs, and nothing when they are
# all present. Runs apt-get as root, through sudo otherwise.
#
#   install-deps.sh game   building and running the game (make run)
#   install-deps.sh demo   the game, played and recorded on a private X server
#   install-deps.sh all    everything: the tests, the statistics, the fuzzers,
#                          the package and its checks (make test and the rest)
set -eu

# Compilers, the libraries the game links, the software renderer it draws
# with, and what our generators of its data files read.
game="
  g++ make cmake ninja-build pkg-config
  freeglut3-dev libglu1-mesa-dev libgl-dev libx11-dev libxrandr-dev libxxf86vm-dev
  libgl1-mesa-dri libglx-mesa0
  libfreetype-dev fonts-dejavu-core libpng-dev
  x11-utils
"
# A private Xorg on the dummy driver, real input, screenshots and recordings.
demo="
  xserver-xorg-core xserver-xorg-video-dummy xdotool x11-xserver-utils imagemagick ffmpeg
"
# The test suite and the other targets.
all="
  time libgtest-dev libegl-dev libegl-mesa0
  dpkg-dev desktop-file-utils man-db lintian appstream mandoc
  clang libclang-rt-14-dev clang-format
  xvfb weston xwayland gnuplot-nox
"

case "${1:-all}" in
  game) packages=$game ;;
  demo) packages="$game $demo" ;;
  all) packages="$game $demo $all" ;;
  *)
    echo "usage: $0 [game | demo | all]" >&2
    exit 2
    ;;
esac

# One dpkg-query for them all: make run asks on every start.
# shellcheck disable=SC2086
installed=$(dpkg-query -W -f='${Package} ${Status}\n' $packages 2>/dev/null |
  awk '$NF == "installed" && $(NF - 1) == "ok" {sub(/:.*/, "", $1); print $1}')
missing=""
for p in $packages; do
  echo "$installed" | grep -qx "$p" || missing="$missing $p"
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
