#!/usr/bin/env bash
# Builds Quillon for 64-bit Windows on this Debian machine and makes its
# installer, build-windows/quillon-setup.exe, and its portable zip,
# build-windows/quillon-portable.zip. With --test, then runs under Wine, on
# an X server of its own (Xvfb): the rules tests, the window tests on Windows'
# own platform plugin, the fuzz corpus through the Windows readers, and the
# installer (silent install, the installed program, silent uninstall).
#
# What does not change with Quillon's sources is built once and kept in
# ~/.cache/quillon/windows (QUILLON_CACHE overrides ~/.cache/quillon): Qt's
# modules for Windows (from Debian's qt6-base source package), libjpeg-turbo
# and GoogleTest for Windows, all in one prefix. A later run rebuilds only
# Quillon. The programs the build runs (the artwork, the figures) are built
# for this machine in build-windows/hote and called by the Windows build.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$racine/scripts/paquets.sh"

tester=0
for a in "$@"; do
  case "$a" in
    --test) tester=1 ;;
    *) echo "usage: $0 [--test]" >&2; exit 2 ;;
  esac
done

cache="${QUILLON_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillon}/windows"
prefixe="$cache/prefixe"
sources="$cache/sources"
sortie="$racine/build-windows"
hote="$sortie/hote"
chaine="$racine/scripts/windows/toolchain.cmake"
source "$racine/scripts/etapes.sh"

# What the Linux build needs (the programs the build runs are built for this
# machine), then the cross compiler, Ninja, NSIS, Wine and zip.
paquets=(cmake make g++ pkg-config dpkg-dev
         qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
         qt6-tools-dev qt6-l10n-tools qt6-svg-dev libjpeg62-turbo-dev
         g++-mingw-w64-x86-64-posix ninja-build nsis wine wine64 zip unzip
         googletest)
if [ "$tester" -eq 1 ]; then
  paquets+=(xvfb xauth x11-utils imagemagick fonts-wine fonts-liberation2 openbox xdotool poppler-utils)
fi
installer_paquets "${paquets[@]}"
if [ "$(id -u)" -eq 0 ]; then sudo_=(); else sudo_=(sudo); fi

# Debian's source packages: a deb-src line beside each bookworm deb line.
sources_debian() {
  if apt-get source --print-uris qt6-base 2>/dev/null | grep -q '\.dsc'; then
    return 0
  fi
  local liste=/etc/apt/sources.list.d/quillon-sources.sources f
  local tmp; tmp="$(mktemp)"
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    # Each stanza of type deb whose suites include bookworm, as deb-src.
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*deb/ && /(^|\n)Suites:[^\n]*bookworm/ && !/deb-src/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f" >> "$tmp"
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.* bookworm.*\)$/deb-src \1/p' /etc/apt/sources.list > "$tmp.list"
    if [ -s "$tmp.list" ]; then
      "${sudo_[@]}" install -m 644 "$tmp.list" /etc/apt/sources.list.d/quillon-sources.list
    fi
    rm -f "$tmp.list"
  fi
  if [ -s "$tmp" ]; then
    "${sudo_[@]}" install -m 644 "$tmp" "$liste"
  fi
  rm -f "$tmp"
  "${sudo_[@]}" apt-get update
}

# Unpacks Debian's source package $1 into $sources/$1 (once).
source_paquet() {
  local nom="$1"
  if [ ! -f "$sources/$nom.ok" ]; then
    {
      sources_debian
      rm -rf "${sources:?}/$nom" && mkdir -p "$sources/$nom"
      (cd "$sources/$nom" && apt-get source "$nom")
      touch "$sources/$nom.ok"
    } >&2
  fi
  find "$sources/$nom" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# Qt for Windows: Core, Gui, Widgets, PrintSupport, Test, the Windows
# platform plugin and the image formats; Debian's Qt 6.4.2 gives the host
# tools (moc, rcc, uic). About 25 minutes on two free cores, once.
if [ ! -f "$prefixe/.qt-ok" ]; then
  qtbase="$(source_paquet qt6-base)"
  construction="$cache/qtbase-build"
  # Debian's Qt sources leave out the tablet header of Wacom's interface (its
  # licence forbids changes), which the Windows platform plugin includes:
  # Wine's declarations of the same interface (libwine-dev) stand in for it.
  wintab="$qtbase/src/3rdparty/wintab"
  if [ ! -f "$wintab/pktdef.h" ]; then
    paquet_wine="$(mktemp -d)"
    (cd "$paquet_wine" && apt-get download libwine-dev >&2 && dpkg-deb -x libwine-dev_*.deb .)
    mkdir -p "$wintab"
    {
      printf '%s\n' '#ifndef WINELIB_NAME_AW' '# ifdef UNICODE' '#  define WINELIB_NAME_AW(n) n##W' \
        '# else' '#  define WINELIB_NAME_AW(n) n##A' '# endif' '#endif' \
        '#ifndef DECL_WINELIB_TYPE_AW' '# define DECL_WINELIB_TYPE_AW(t) typedef WINELIB_NAME_AW(t) t;' '#endif' \
        '#ifndef API' '# define API WINAPI' '#endif'
      cat "$paquet_wine/usr/include/wine/wine/windows/wintab.h"
    } > "$wintab/wintab.h"
    cp "$paquet_wine/usr/include/wine/wine/windows/pktdef.h" "$wintab/pktdef.h"
    rm -rf "$paquet_wine"
  fi
  cmake -S "$qtbase" -B "$construction" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$chaine" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefixe" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
    -DFEATURE_icu=OFF -DFEATURE_openssl=OFF
  cmake --build "$construction" -j2
  cmake --install "$construction"
  touch "$prefixe/.qt-ok"
  rm -rf "$construction"
fi
etape "Qt for Windows:"

# libjpeg-turbo for Windows (the picture viewer's reader), static.
if [ ! -f "$prefixe/.jpeg-ok" ]; then
  jpeg="$(source_paquet libjpeg-turbo)"
  construction="$cache/jpeg-build"
  cmake -S "$jpeg" -B "$construction" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$chaine" \
    -DCMAKE_INSTALL_PREFIX="$prefixe" -DCMAKE_BUILD_TYPE=Release \
    -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF
  cmake --build "$construction" -j2
  cmake --install "$construction"
  touch "$prefixe/.jpeg-ok"
  rm -rf "$construction"
fi

# GoogleTest for Windows, from Debian's googletest sources, static.
if [ ! -f "$prefixe/.gtest-ok" ]; then
  construction="$cache/gtest-build"
  cmake -S /usr/src/googletest -B "$construction" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$chaine" \
    -DCMAKE_INSTALL_PREFIX="$prefixe" -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF
  cmake --build "$construction" -j2
  cmake --install "$construction"
  touch "$prefixe/.gtest-ok"
  rm -rf "$construction"
fi
etape "libjpeg and GoogleTest for Windows:"

if [ "${QUILLON_WINDOWS_CACHE_SEUL:-0}" = 1 ]; then
  exit 0
fi

# The programs the build runs, built for this machine.
cmake -S "$racine" -B "$hote" -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF -DQUILLON_BENCH=OFF > /dev/null
cmake --build "$hote" -j2 --target quillon_artwork quillon_figures
etape "the build machine's tools:"

# Quillon for Windows, with its tests, from the same sources and CMake files.
cmake -S "$racine" -B "$sortie" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefixe/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_PREFIX_PATH="$prefixe" -DCMAKE_BUILD_TYPE=Release \
  -DQUILLON_OUTILS_HOTE="$hote/bin" -DQUILLON_BENCH=OFF -DQUILLON_TESTS="$([ "$tester" -eq 1 ] && echo ON || echo OFF)" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake > /dev/null
cmake --build "$sortie" -j2
etape "Quillon for Windows:"

# The folder the installer and the zip hold, stripped.
installe="$sortie/installe"
rm -rf "$installe"
cmake --install "$sortie" --prefix "$installe" > /dev/null
find "$installe" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
# Each installed file, for the installer to add and its uninstaller to remove.
fichiers="$sortie/fichiers.nsh"
effacer="$sortie/effacer.nsh"
: > "$fichiers"
: > "$effacer"
(cd "$installe" && find . -type d | sort) | while read -r d; do
  d="${d#./}"; [ "$d" = . ] && d=""
  w="${d//\//\\}"
  echo "SetOutPath \"\$INSTDIR${w:+\\$w}\"" >> "$fichiers"
  (cd "$installe/${d:-.}" && find . -maxdepth 1 -type f | sort) | while read -r f; do
    f="${f#./}"
    echo "File \"$installe/${d:+$d/}$f\"" >> "$fichiers"
    echo "Delete \"\$INSTDIR${w:+\\$w}\\$f\"" >> "$effacer"
  done
done
(cd "$installe" && find . -mindepth 1 -type d | sort -r) | while read -r d; do
  d="${d#./}"
  echo "RMDir \"\$INSTDIR\\${d//\//\\}\"" >> "$effacer"
done
taille_ko=$(du -sk "$installe" | cut -f1)
makensis -V2 -DSOURCE="$installe" -DSORTIE="$sortie/quillon-setup.exe" \
  -DVERSION="$(sed -n 's/^project(Quillon VERSION \([0-9.]*\).*/\1/p' "$racine/CMakeLists.txt")" \
  -DFICHIERS="$fichiers" -DEFFACER="$effacer" -DTAILLE_KO="$taille_ko" \
  "$racine/packaging/windows/quillon.nsi"
rm -f "$sortie/quillon-portable.zip"
(cd "$installe/.." && cp -r installe Quillon && zip -qr "$sortie/quillon-portable.zip" Quillon && rm -rf Quillon)
etape "installer and zip:"
echo "Made $sortie/quillon-setup.exe ($(( $(stat -c %s "$sortie/quillon-setup.exe") / 1024 )) KiB; installed: $taille_ko KiB) and $sortie/quillon-portable.zip."

if [ "$tester" -eq 1 ]; then
  "$racine/scripts/windows/tester.sh" "$sortie" "$prefixe"
  etape "tests under Wine:"
fi
etapes_dites "Windows build done in"
