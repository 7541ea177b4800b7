#!/bin/sh
# Builds a release with the benchmarks and prints start-up against the toolkit's floor
# (time, Callgrind instructions and peak memory), the layer window's first opening and the
# times of the core operations (figures: docs/performance.md).
set -e
cd "$(dirname "$0")/.."
tools/setup.sh libbenchmark-dev valgrind
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVUV_BENCH=ON -DBUILD_TESTING=OFF > /dev/null
cmake --build build-bench
build-bench/bench/vuv-startup-compare "${1:-41}" || true
build-bench/bench/vuv-core-bench
build-bench/bench/vuv-drawing-bench
