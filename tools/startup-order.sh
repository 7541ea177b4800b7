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
profile=$(mktemp)
trap 'rm -f "$profile"' EXIT
QT_QPA_PLATFORM=offscreen valgrind -q --tool=callgrind --compress-strings=no --demangle=no \
    --callgrind-out-file="$profile" build-bench/bench/vuv-startup-probe
# Functions of the probe's own object; recursion marks ('2) and unnamed code left out.
awk '/^ob=/ { object = substr($0, 4) }
     /^fn=/ && object ~ /vuv-startup-probe$/ { name = substr($0, 4); sub(/'"'"'[0-9]+$/, "", name); print name }' \
    "$profile" | grep -v -e '^0x' -e '^(below main)$' | LC_ALL=C sort -u > app/startup-order.txt
wc -l app/startup-order.txt
