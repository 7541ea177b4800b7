#!/bin/sh
# Lists the program's own functions that start-up and closing run (the start-up probe under
# Callgrind), one symbol a line, into app/startup-order.txt: the linker lays them out
# together, so that only their pages of code are read into memory. Run it again when
# start-up changes; a stale list costs memory, never correctness.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh valgrind
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVUV_BENCH=ON -DBUILD_TESTING=OFF > /dev/null
cmake --build build-bench --target vuv-startup-probe
profiles=$(mktemp -d)
home=$(mktemp -d) # as for a new user, as the benchmark runs it
trap 'rm -rf "$profiles" "$home"' EXIT
# Twice in one home: the first run writes the last calculation, the second finds it there.
for run in 1 2; do
    HOME="$home" XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" XDG_CACHE_HOME="$home" \
        QT_QPA_PLATFORM=offscreen valgrind -q --tool=callgrind --compress-strings=no \
        --demangle=no --callgrind-out-file="$profiles/$run" build-bench/bench/vuv-startup-probe
done
# Functions of the probe's own object; recursion marks ('2) and unnamed code left out.
awk '/^ob=/ { object = substr($0, 4) }
     /^fn=/ && object ~ /vuv-startup-probe$/ { name = substr($0, 4); sub(/'"'"'[0-9]+$/, "", name); print name }' \
    "$profiles"/* | grep -v -e '^0x' -e '^(below main)$' | LC_ALL=C sort -u > app/startup-order.txt
wc -l app/startup-order.txt
