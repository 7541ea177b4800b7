#!/bin/sh
# The end-to-end test on a real X server: Xvfb at 1366x768 with the openbox window
# manager, the real program driven by xdotool. Usage: run.sh PROGRAM BUILD_FOLDER
set -u
here="$(cd "$(dirname "$0")" && pwd)"
program="$(realpath "$1")"
shots="$2/desktop"
work="$(mktemp -d)"
trap 'kill $wm $server 2>/dev/null; rm -rf "$work"' EXIT
for tool in Xvfb openbox xdotool xclip xprop import python3 pdftotext; do
    command -v "$tool" >/dev/null ||
        { echo "FAILED: $tool is missing; ./test installs it (tools/setup.sh)"; exit 1; }
done
rm -rf "$shots" "$shots-first-try"
mkdir -p "$shots"

# A free display, chosen by Xvfb itself, so parallel runs never meet.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
tries=0
until [ -s "$work/display" ] && xprop -display ":$(cat "$work/display")" -root >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 300 ] || ! kill -0 $server 2>/dev/null; then
        echo "FAILED: Xvfb could not start:"
        cat "$work/xvfb.log"
        exit 1
    fi
    sleep 0.05
done
export DISPLAY=":$(cat "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
wm=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    tries=$((tries + 1))
    [ $tries -gt 300 ] && { echo "FAILED: openbox did not start"; cat "$work/openbox.log"; exit 1; }
    # On a loaded machine openbox now and then fails to open a display that answers: again.
    if ! kill -0 $wm 2>/dev/null; then
        openbox >>"$work/openbox.log" 2>&1 &
        wm=$!
    fi
    sleep 0.05
done

stories() {
    python3 "$here/typical_calculation.py" "$program" "$1" "$shots" \
        "$here/../scenarios/reference-typical-calculation.scn" \
        "$here/../packaging/typical-wall.vvz" &&
        python3 "$here/ukrainian_typical_calculation.py" "$program" "$1" "$shots" \
            "$here/../scenarios/ukrainian-typical-calculation.scn"
}

# A loaded machine now and then leaves a window where the window manager put it and no
# user would: what happened is printed above, and the stories are played once more from a
# fresh start. A fault of the program fails both times.
stories "$work/first" && exit 0
echo "The stories failed once; once more, from the start (the first failure is above)."
mv "$shots" "$shots-first-try"
mkdir -p "$shots"
stories "$work/again"
