#!/bin/sh
# Builds a release, packs it as a Debian package in build-release/ and checks the
# package as Debian does (lintian: no error allowed).
set -e
cd "$(dirname "$0")/.."
tools/setup.sh lintian dpkg-dev
# Paths relative to the checkout, so that a fresh clone elsewhere reuses the compiler cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# Compiled and linked with Debian's hardening flags, as a package built by Debian would be.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
# Installed under /usr, so that private libraries go where Debian keeps them
# (/usr/lib/<triplet>/vuvuvudozizod), out of the linker's search path.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" \
    -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_MODULE_LINKER_FLAGS="$LDFLAGS"
cmake --build build-release
(cd build-release && cpack)
deb=build-release/vuvuvudozizod_$(sed -n 's/^project(vuvuvudozizod VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)_amd64.deb
lintian --fail-on error "$deb"
echo "$deb"
