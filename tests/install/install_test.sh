#!/usr/bin/env bash
# Installs the engine into a scratch prefix and builds a game against it with
# pkg-config, as the README shows, then runs it headless.
#   install_test.sh BUILD_DIR GAME_SOURCE [EXTRA_FLAGS]
set -eu
build=$1
source=$2
extra=${3:-}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig:$prefix/lib/x86_64-linux-gnu/pkgconfig"
g++ -std=c++20 $extra "$source" $(pkg-config --cflags --libs zolt) -o "$prefix/game"
ZOLT_VIDEO=headless ZOLT_AUDIO=null "$prefix/game"
echo "installed, built with pkg-config, ran"
