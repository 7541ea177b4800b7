#!/bin/sh
# Builds a release with the benchmarks and prints start-up against the toolkit's
# floor and the times of the core operations (figures: docs/performance.md).
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed" ||
    { [ "$(id -u)" -eq 0 ] && apt-get install -y -q libbenchmark-dev || sudo apt-get install -y -q libbenchmark-dev; }
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVUV_BENCH=ON -DBUILD_TESTING=OFF > /dev/null
cmake --build build-bench
build-bench/bench/vuv-startup-compare "${1:-31}" || true
build-bench/bench/vuv-core-bench
build-bench/bench/vuv-drawing-bench
