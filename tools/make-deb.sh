#!/bin/sh
# Builds a release and packs it as a Debian package in build-release/.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-release
(cd build-release && cpack)
ls build-release/*.deb
