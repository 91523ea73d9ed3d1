#!/usr/bin/env bash
# Builds the Debian package of the editor and the tile tool, tolvane_VERSION_ARCH.deb, into
# build-package/, installing what building needs first. Its path is the last line printed.
#
# The programs are built with Debian's hardening flags, installed by CMake into a staging folder
# and stripped, so no debug symbols are packaged; the dependencies are those of their shared
# libraries (dpkg-shlibdeps) plus Qt's X11 platform plugin, with Qt's Wayland plugin and Qt's own
# translations recommended.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-packages.sh g++ make cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools dpkg-dev

build=$PWD/build-package
# Staged where dpkg-shlibdeps expects a package's files: debian/PACKAGE/ beside debian/control.
stage=$build/debian/tolvane
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target tolvane tolvane-tiles
rm -rf "$stage"
DESTDIR=$stage cmake --install "$build" >/dev/null
mkdir -p "$stage/DEBIAN"

programs=("$stage"/usr/bin/*)
strip --remove-section=.comment --remove-section=.note --strip-unneeded "${programs[@]}"
gzip -9n "$stage"/usr/share/man/man1/*.1
doc=$stage/usr/share/doc/tolvane
install -D -m 644 packaging/debian/copyright "$doc/copyright"
# A native package (its version has no Debian revision) keeps its Debian changelog as changelog.gz.
gzip -9n <packaging/debian/changelog >"$doc/changelog.gz"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
printf 'Source: tolvane\n\nPackage: tolvane\nArchitecture: any\n' >"$build/debian/control"
depends=$(cd "$build" && dpkg-shlibdeps -O "${programs[@]#"$build/"}" | sed -n 's/^shlibs:Depends=//p')

cat >"$stage/DEBIAN/control" <<CONTROL
Package: tolvane
Version: $version
Architecture: $arch
Maintainer: The Tolvane developers <developers@tolvane.github.io>
Installed-Size: $(du -sk "$stage/usr" | cut -f1)
Depends: $depends, qt6-qpa-plugins
Recommends: qt6-wayland, qt6-translations-l10n
Section: editors
Priority: optional
Homepage: https://tolvane.github.io/
Description: editor for the boards of a tile-based maze game
 Tolvane edits the boards of a tile-based maze game: a 10 x 10 board of
 square cells with wall slots between them, and a palette of objects and
 walls. Every tile is a Windows bitmap read from one picture folder, so
 users can draw a set of their own; a sample set of 187 pictures is copied
 into that folder when the editor is first started from the desktop.
 .
 The package also holds tolvane-tiles, which draws the sample set and lists
 every picture file the editor reads with its size.
CONTROL
(cd "$stage" && find usr -type f -exec md5sum {} + | sort -k 2) >"$stage/DEBIAN/md5sums"

package=$build/tolvane_${version}_${arch}.deb
dpkg-deb --root-owner-group --build "$stage" "$package" >/dev/null
echo "$package"
