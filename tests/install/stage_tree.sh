#!/bin/sh
# Lays out the installed game for the install tests, anew each time:
#   stage_tree.sh install CMAKE BUILD DIR PREFIX  cmake --install with DESTDIR=DIR/dest
#   stage_tree.sh package CPACK BUILD DIR         the Debian packages made in DIR and
#                                                 unpacked with dpkg -x: the game into
#                                                 DIR/root, its debug symbols into DIR/dbgsym
set -eu
mode=$1
tool=$2
build=$3
dir=$4
rm -rf "$dir"
mkdir -p "$dir"
case $mode in
  install)
    DESTDIR="$dir/dest" "$tool" --install "$build" --prefix "$5"
    ;;
  package)
    "$tool" -G DEB --config "$build/CPackConfig.cmake" -B "$dir"
    dpkg-deb -x "$dir"/velmora_*.deb "$dir/root"
    dpkg-deb -x "$dir"/velmora-dbgsym_*.ddeb "$dir/dbgsym"
    ;;
  *)
    echo "stage_tree.sh: unknown mode $mode" >&2
    exit 2
    ;;
esac
