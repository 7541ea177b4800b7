#!/bin/sh
# Runs one test executable of the Windows build under wine for CTest. Qt Test's own output
# reaches a file rather than wine's pipe: it is asked for one and shown afterwards.
program="$1"
shift
# Wine keeps the host's QT_ variables from Windows programs; WINEQT_ ones reach them as QT_.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$name=\"\$$name\""
done
case "$(basename "$program")" in
tst_*)
    out="$(mktemp --suffix=.txt)"
    status=0
    /usr/lib/wine/wine64 "$program" "$@" -o "Z:$out,txt" || status=$?
    tr -d '\r' < "$out"
    rm -f "$out"
    exit $status
    ;;
*) exec /usr/lib/wine/wine64 "$program" "$@" ;;
esac
