#!/bin/sh
# The executable's command line as a user meets it: help and version without a display,
# a refused option that starts nothing, and the PDF report of a project without windows.
# Arguments: the executable, the project's version, the typical calculation's project.
set -e
program="$1" version="$2" project="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$@"; }

[ "$(bare "$program" --version)" = "Vuvuvudozizod $version" ] || fail "--version"
bare "$program" --help > "$work/help" || fail "--help exits with $?"
grep -q -- "--pdf <файл>" "$work/help" || fail "--help does not name --pdf"
# Qt's own words come from its Russian translation, installed before the parsing.
grep -q "^Использование: " "$work/help" || fail "--help is not in Russian"
# Where the system speaks Ukrainian, the program does too, Qt's words included.
LC_ALL=uk_UA.UTF-8 bare "$program" --help | grep -q "^Використання: " ||
    fail "--help is not in Ukrainian on a Ukrainian system"

status=0
QT_QPA_PLATFORM=offscreen timeout 20 "$program" --bogus 2> "$work/bogus" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option exits with $status"
grep -q "«bogus»" "$work/bogus" || fail "an unknown option is not named"

bare "$program" --pdf "$work/report.pdf" "$project" || fail "--pdf exits with $?"
pdffonts "$work/report.pdf" | grep -q "^DejaVuSans .* yes " || fail "DejaVu Sans is not embedded"
pdftotext "$work/report.pdf" - | grep -q "Условие выполняется." || fail "the report lacks the verdict"
status=0
bare "$program" --pdf "$work/none.pdf" "$work/none.vvz" 2> /dev/null || status=$?
[ "$status" -eq 1 ] && [ ! -e "$work/none.pdf" ] || fail "a missing project gives $status"
echo "command line works"
