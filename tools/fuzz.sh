#!/bin/sh
# Builds the fuzz targets with clang and runs each for SECONDS (default 15) on a
# copy of its seed corpus, two at a time. A crash or a broken invariant fails the
# run and leaves the input in build-fuzz/crashes/. Long run: tools/fuzz.sh 3600
set -e
cd "$(dirname "$0")/.."
seconds="${1:-15}"
# A fresh clone elsewhere reuses what ccache compiled from the same sources.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
if [ ! -f build-fuzz/build.ninja ]; then
    # The optimisation and line tables libFuzzer's documentation suggests: quicker
    # to compile than -O2 -g, and stack traces keep their lines.
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
        -DVUV_FUZZ=ON -DBUILD_TESTING=OFF > /dev/null
fi
cmake --build build-fuzz --target fuzzers
mkdir -p build-fuzz/crashes
# Memory stays bounded over an hour: inputs of at most 64 KiB, a small quarantine
# for freed memory, and no leak report for the caches that Qt keeps until exit.
export ASAN_OPTIONS="quarantine_size_mb=64:detect_leaks=0:malloc_context_size=10"

# Runs one target in the background; its result is in build-fuzz/<target>.status.
start() {
    target="$1"
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    seeds="fuzz/corpus/$target"
    [ "$target" = rtfdocument ] && seeds=fuzz/corpus/rtf
    cp -n $seeds/* "$corpus"/ 2>/dev/null || true
    echo "fuzzing $target for $seconds s"
    rm -f "build-fuzz/$target.status"
    {
        status=0
        build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=10 -max_len=65536 \
            -rss_limit_mb=1536 -malloc_limit_mb=1024 \
            -artifact_prefix="build-fuzz/crashes/$target-" -print_final_stats=0 "$corpus" \
            > "build-fuzz/$target.log" 2>&1 || status=$?
        echo "$status" > "build-fuzz/$target.status"
    } &
}

# Reports a finished target; fails the run when it found something.
finish() {
    target="$1"
    if [ "$(cat "build-fuzz/$target.status" 2>/dev/null)" != 0 ]; then
        tail -40 "build-fuzz/$target.log"
        exit 1
    fi
    grep -E "^Done" "build-fuzz/$target.log" | tail -1
}

# Two at a time: one a core, each still for the whole SECONDS.
set -- number rtf rtfdocument text userfiles project png
while [ $# -gt 0 ]; do
    first="$1"
    second="${2:-}"
    start "$first"
    if [ -n "$second" ]; then start "$second"; fi
    wait
    finish "$first"
    if [ -n "$second" ]; then finish "$second"; fi
    shift
    if [ $# -gt 0 ]; then shift; fi
done
