#!/bin/sh
# The executable's command line as a user meets it: help, version and every refusal without
# a display, the PDF report of a project without windows (never over the project itself),
# and settings that can't hold up a start.
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

# Help and version that can't be written are no success.
status=0
bare "$program" --help > /dev/full 2> /dev/null || status=$?
[ "$status" -ne 0 ] || fail "--help into a full disk exits with 0"
status=0
bare "$program" --version >&- 2> /dev/null || status=$?
[ "$status" -ne 0 ] || fail "--version with its output closed exits with 0"

# Every refusal comes before a display is needed: the program's own words, status 2.
cp "$project" "$work/same.vvz"
ln -s same.vvz "$work/link.pdf"
ln "$work/same.vvz" "$work/hard.pdf"
while IFS='|' read -r case arguments; do
    status=0
    (cd "$work" && eval "bare \"\$program\" $arguments") > /dev/null 2> "$work/refusal" || status=$?
    [ "$status" -eq 2 ] || fail "$case exits with $status"
    grep -q "^vuvuvudozizod: " "$work/refusal" || fail "$case: $(cat "$work/refusal")"
    grep -q "vuvuvudozizod --help" "$work/refusal" || fail "$case does not point to --help"
done << 'EOF'
unknown option|--bogus
two projects|a.vvz b.vvz
report without file|--pdf
report with empty file|--pdf ""
report without project|--pdf r.pdf
report over its project|--pdf same.vvz same.vvz
report over its project by another name|--pdf ./same.vvz same.vvz
report over its project by a link|--pdf link.pdf same.vvz
report over its project by a hard link|--pdf hard.pdf same.vvz
EOF
cmp -s "$project" "$work/same.vvz" || fail "the project was replaced by its report"
grep -q 'hard.pdf.*same.vvz' "$work/refusal" || fail "the refusal does not name report and project"

bare "$program" --pdf "$work/report.pdf" "$project" 2> "$work/noise" || fail "--pdf exits with $?"
[ ! -s "$work/noise" ] || fail "--pdf is not quiet: $(cat "$work/noise")"
pdffonts "$work/report.pdf" | grep -q "^DejaVuSans .* yes " || fail "DejaVu Sans is not embedded"
pdftotext "$work/report.pdf" - | grep -q "Условие выполняется." || fail "the report lacks the verdict"
status=0
bare "$program" --pdf "$work/none.pdf" "$work/none.vvz" 2> /dev/null || status=$?
[ "$status" -eq 1 ] && [ ! -e "$work/none.pdf" ] || fail "a missing project gives $status"
# Results out of date in the project: nobody can answer the question, so no report, and why.
sed 's/"building": *"residential"/"building": "production"/' "$project" > "$work/stale.vvz"
status=0
bare "$program" --pdf "$work/stale.pdf" "$work/stale.vvz" 2> "$work/stale" || status=$?
[ "$status" -eq 1 ] && [ ! -e "$work/stale.pdf" ] || fail "a stale project's report gives $status"
grep -q "Пересчитать и сделать отчет?" "$work/stale" && grep -q "stale.pdf не составлен" "$work/stale" ||
    fail "a stale project's refusal is not told: $(cat "$work/stale")"
# A settings file that is not a file holds up nothing and is left as it is.
mkdir -p "$work/pipe/Vuvuvudozizod"
mkfifo "$work/pipe/Vuvuvudozizod/Vuvuvudozizod.conf"
for arguments in --version --help "--pdf $work/piped.pdf $project"; do
    status=0
    XDG_CONFIG_HOME="$work/pipe" bare "$program" $arguments > /dev/null 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "$arguments with settings in a pipe exits with $status"
done
[ -p "$work/pipe/Vuvuvudozizod/Vuvuvudozizod.conf" ] || fail "the pipe was replaced"

# The first of the user's languages that the program has.
while read -r languages expected; do
    LANGUAGE=$languages bare "$program" --help | grep -q "^$expected: " ||
        fail "LANGUAGE=$languages does not give $expected"
done << 'EOF'
en_US:uk Використання
de:uk:ru Використання
ru:uk Использование
en Использование
EOF
echo "command line works"
