#!/usr/bin/env bash
# Builds the Debian package of the game from this tree and prints its path as the last line.
#
#   packaging/deb.sh            builds in build-deb/ and writes build-deb/kvizar_VERSION_ARCH.deb
#
# KVIZAR_DEB_BUILD_DIR names another build directory. The package's Depends are computed from
# the binaries (dpkg-shlibdeps), plus the font packages the game draws with (scripts/deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
umask 022
source scripts/deps.sh
kvizar_install_packages "${KVIZAR_PACKAGES[@]}" dpkg-dev

version="$(dpkg-parsechangelog -l packaging/changelog -S Version)"
project_version="$(sed -n 's/^project(Kvizar VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
if [ "$version" != "$project_version" ]; then
  echo "packaging/changelog says $version, CMakeLists.txt says $project_version: make them agree" >&2
  exit 1
fi
arch="$(dpkg --print-architecture)"
build="${KVIZAR_DEB_BUILD_DIR:-build-deb}"

# Debian's hardening flags (fortified functions, read-only relocations, bind now).
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games >/dev/null
# Only what the package holds: no simulator, benchmarks or tests.
cmake --build "$build" -j"$(nproc)" --target Kvizar base kvizar-sound bank sounds icons

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
root="$work/root"
DESTDIR="$root" cmake --install "$build" >/dev/null

program_dir="$root/usr/lib/kvizar"
binaries=("$program_dir/Kvizar" "$program_dir/base" "$program_dir/kvizar-sound.so")
strip --strip-unneeded --remove-section=.comment --remove-section=.note "${binaries[@]}"
chmod 0644 "$program_dir/kvizar-sound.so"

doc="$root/usr/share/doc/kvizar"
install -d "$doc"
install -m 0644 packaging/copyright "$doc/copyright"
gzip -9n -c packaging/changelog >"$doc/changelog.gz"
gzip -9n "$root"/usr/share/man/man6/*.6

# What the binaries link against, as the libraries' packages declare it.
mkdir -p "$work/debian"
printf 'Source: kvizar\n\nPackage: kvizar\nArchitecture: any\n' >"$work/debian/control"
shlibs="$(cd "$work" && dpkg-shlibdeps -O "${binaries[@]/#$work\//}" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')"
fonts="$(printf '%s\n' "${KVIZAR_PACKAGES[@]}" | grep '^fonts-' | paste -sd, | sed 's/,/, /g')"

install -d "$root/DEBIAN"
cat >"$root/DEBIAN/control" <<CONTROL
Package: kvizar
Version: $version
Architecture: $arch
Maintainer: The Kvizar developers <team@kvizar.ru>
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $shlibs, $fonts
Section: games
Priority: optional
Homepage: http://www.kvizar.ru
Description: quiz game in Russian played like a television game show
 Kvizar asks fifteen questions, each with four answers, for a money ladder
 from 100 to 1,000,000 roubles, with two safe sums, a clock on every
 question, a talking host and three lifelines: fifty-fifty, the audience's
 vote and a call to a friend.
 .
 Nearly two thousand questions grow harder from the first question to the
 last, and a player meets none of them twice until the bank has been gone
 through. The game and its questions are in Russian.
CONTROL
# A game run by root may leave its next questions in the program directory itself.
cat >"$root/DEBIAN/postrm" <<'POSTRM'
#!/bin/sh
set -e
if [ "$1" = remove ] || [ "$1" = purge ]; then
  rm -f /usr/lib/kvizar/base.dat
fi
POSTRM
chmod 0755 "$root/DEBIAN/postrm"
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 0644 "$root/DEBIAN/md5sums"

deb="$build/kvizar_${version}_${arch}.deb"
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")"
