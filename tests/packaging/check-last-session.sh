#!/bin/sh
# The calculation outlives a program ended by a signal: SIGTERM (logout, shutdown, kill)
# and SIGHUP (its terminal gone) leave the recovery project, and the program still ends as
# the signal asks. Arguments: the executable, the typical calculation's project.
set -e
program="$1" project="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Whether the process has its own handler for the signal numbered $2 (Linux).
catches() {
    mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$1/status" 2> /dev/null) || return 1
    [ -n "$mask" ] && [ $(((0x$mask >> ($2 - 1)) & 1)) -eq 1 ]
}

while read -r signal number; do
    data="$work/$signal"
    XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen "$program" "$project" 2> /dev/null &
    pid=$!
    tries=0
    until catches $pid "$number"; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || break
        sleep 0.1
    done
    kill -s "$signal" $pid
    status=0
    wait $pid || status=$?
    [ "$status" -eq $((128 + number)) ] || fail "SIG$signal: the program exits with $status"
    grep -q '"rk": "2[.,]130"' "$data/Vuvuvudozizod/last-calculation.vvz" 2> /dev/null ||
        fail "SIG$signal leaves no recovery project of the calculation"
done << 'EOF'
TERM 15
HUP 1
EOF
echo "the last calculation outlives the signals"
