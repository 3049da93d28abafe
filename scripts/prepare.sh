#!/usr/bin/env bash
# Installs the Debian packages the build, the program and its tests need
# (qt6-tools-dev and qt6-l10n-tools: lupdate and lrelease for the translations),
# then configures and builds in ./build with two jobs. The Debian package of
# Quillon is built with dpkg-dev (its library dependencies) and its test
# checks the desktop entry and the AppStream metainfo with desktop-file-utils
# and appstream. The placement of windows is tested under openbox; the
# pupil's report is read back with poppler-utils; the windows of a program
# started again are found with x11-utils.
set -euo pipefail

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
paquets=(cmake make g++ pkg-config
         qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
         qt6-tools-dev qt6-l10n-tools
         libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
         xvfb xauth x11-utils openbox fonts-wine fonts-liberation2
         qt6-svg-dev libxcb1-dev
         dpkg-dev desktop-file-utils appstream poppler-utils
         clang libclang-rt-14-dev)

source "$racine/scripts/paquets.sh"
installer_paquets "${paquets[@]}"

cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$racine/build" -j2
