#!/bin/sh
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and
# runs the whole suite there, the monkey test included.
#   tools/sanitize.sh [ctest options]
#   tools/sanitize.sh monkey [SEEDS [ACTIONS]]: the long monkey run instead, seeds
#   101, 102, ... of ACTIONS actions each (default 10 x 10,000), one after another.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
[ -f build-asan/build.ninja ] ||
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVUV_SANITIZE=ON > /dev/null
# Qt's own allocations that live until exit are not ours to report.
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
if [ "$1" = monkey ]; then
    seeds="${2:-10}"
    actions="${3:-10000}"
    cmake --build build-asan --target vuvuvudozizod-monkey
    failed=0
    for n in $(seq 1 "$seeds"); do
        seed=$((100 + n))
        start=$(date +%s)
        if build-asan/tests/vuvuvudozizod-monkey --seed "$seed" --actions "$actions" \
            > build-asan/monkey-$seed.log 2>&1; then
            result="all invariants held"
        else
            result="FAILED, see build-asan/monkey-$seed.log"
            failed=1
        fi
        echo "seed $seed, $actions actions, $(($(date +%s) - start)) s: $result"
    done
    exit $failed
fi
cmake --build build-asan
cd build-asan
ctest --output-on-failure -j2 -E fuzz "$@"
