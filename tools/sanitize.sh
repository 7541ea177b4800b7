#!/bin/sh
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and
# runs the whole suite there, the monkey test included.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
[ -f build-asan/build.ninja ] ||
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVUV_SANITIZE=ON > /dev/null
cmake --build build-asan
cd build-asan
# Qt's own allocations that live until exit are not ours to report.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 -E fuzz "$@"
