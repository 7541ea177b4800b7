#!/bin/sh
# The Debian package on a clean Debian 12: apt installs it with its dependencies into a
# minimal root (made by debootstrap in build/clean-root, kept for the next run), and the
# installed program runs there on the offscreen platform. It must print its help in
# Russian through Qt's translation, refuse an unknown option with Qt's Russian text,
# open the typical calculation's project and write its PDF report with DejaVu embedded.
# Needs root and the Debian mirror; takes minutes the first time. Not part of ./test.
# Usage: tools/check-package.sh [PACKAGE.deb]   (default: builds it with tools/make-deb.sh)
set -e
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "check-package.sh needs root (debootstrap, chroot)"; exit 1; }
tools/setup.sh debootstrap
deb="$1"
if [ -z "$deb" ]; then
    tools/make-deb.sh
    deb=$(ls -t build-release/vuvuvudozizod_*_amd64.deb | head -n 1)
fi
root="$PWD/build/clean-root"
mirror=http://deb.debian.org/debian
fail() { echo "FAIL: $*"; exit 1; }
step() { echo "== $*"; }

if [ ! -d "$root" ]; then
    step "debootstrap: a minimal Debian 12 in $root"
    mkdir -p build
    rm -rf "$root.partial"
    debootstrap --variant=minbase bookworm "$root.partial" "$mirror" > build/clean-root.log
    mv "$root.partial" "$root"
fi

mounted=""
cleanup() { [ -z "$mounted" ] || umount "$root/proc"; }
trap cleanup EXIT
# A fresh /proc of its own (never a bind of the host's /dev: the root is a scratch folder).
mountpoint -q "$root/proc" || { mount -t proc proc "$root/proc" && mounted=proc; }
in_root() {
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}
installed() { in_root dpkg-query -W -f='${Status}' "$1" 2> /dev/null | grep -q "ok installed"; }

step "back to the minimal system: an earlier run's package and what it pulled in go"
in_root apt-get purge -y -q vuvuvudozizod > /dev/null 2>&1 || true
in_root apt-get autoremove --purge -y -q > /dev/null
for package in qt6-translations-l10n fonts-dejavu-core libqt6widgets6 xdg-utils; do
    ! installed "$package" || fail "$package is in the minimal system before the package"
done

step "apt installs $(basename "$deb") and resolves its dependencies (no recommended packages)"
rm -rf "$root/tmp/check"
mkdir -p "$root/tmp/check"
cp "$deb" tests/packaging/typical-wall.vvz "$root/tmp/check/"
in_root apt-get update -q > /dev/null
in_root apt-get install -y -q --no-install-recommends "/tmp/check/$(basename "$deb")" \
    > "$root/tmp/check/apt.log" 2>&1 || { cat "$root/tmp/check/apt.log"; fail "apt install"; }
echo "packages set up: $(grep -c "^Setting up" "$root/tmp/check/apt.log")"
for package in vuvuvudozizod qt6-translations-l10n fonts-dejavu-core libqt6svg6; do
    installed "$package" || fail "$package was not installed"
done
! in_root ldd /usr/bin/vuvuvudozizod | grep "not found" || fail "a library is missing"

# Every run below is the installed program, on the offscreen platform, with no display.
run() { in_root QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/check timeout 30 "$@"; }
chmod 700 "$root/tmp/check"

step "vuvuvudozizod --version"
run vuvuvudozizod --version | tee "$root/tmp/check/version"
grep -qx "Vuvuvudozizod [0-9.]*" "$root/tmp/check/version" || fail "--version"

step "vuvuvudozizod --help (Qt's part of the text comes from its Russian translation)"
run vuvuvudozizod --help | tee "$root/tmp/check/help"
grep -q "^Использование: vuvuvudozizod \[параметры\] \[проект\]" "$root/tmp/check/help" ||
    fail "the help is not translated: qtbase_ru.qm was not loaded"

step "vuvuvudozizod --bogus: refused after the same start-up as the windows get"
status=0
run vuvuvudozizod --bogus 2> "$root/tmp/check/bogus" || status=$?
cat "$root/tmp/check/bogus"
[ "$status" -eq 2 ] || fail "an unknown option exits with $status, not 2"
grep -q "Неизвестный параметр «bogus»" "$root/tmp/check/bogus" ||
    fail "Qt's Russian translation was not loaded at start-up"

step "the same without Qt's translation file: the check above can fail"
translation=/usr/share/qt6/translations/qtbase_ru.qm
[ -f "$root$translation" ] || fail "no $translation in the installed system"
mv "$root$translation" "$root$translation.hidden"
run vuvuvudozizod --bogus 2> "$root/tmp/check/bogus-en" || true
mv "$root$translation.hidden" "$root$translation"
cat "$root/tmp/check/bogus-en"
grep -q "Unknown option 'bogus'" "$root/tmp/check/bogus-en" || fail "the control run"

step "the program starts with the typical calculation's project and keeps running"
status=0
run timeout 5 vuvuvudozizod /tmp/check/typical-wall.vvz 2> "$root/tmp/check/start" || status=$?
[ "$status" -eq 124 ] || { cat "$root/tmp/check/start"; fail "the program ended with $status"; }
echo "still running after 5 s, then stopped"

step "vuvuvudozizod --pdf report.pdf typical-wall.vvz"
pdf="$root/tmp/check/report.pdf"
run vuvuvudozizod --pdf /tmp/check/report.pdf /tmp/check/typical-wall.vvz ||
    fail "--pdf exits with $?"
pdffonts "$pdf"
pdffonts "$pdf" | grep -q "^DejaVuSans .* yes " || fail "DejaVu Sans is not embedded"
# Results computed afresh from the project's inputs; the separator is the locale's.
pdftotext -layout "$pdf" - | tr -s ' ' > "$root/tmp/check/report.txt"
for line in "Город Одесса" "Плиты пенополистирольные (15 кг/м3) 90" "Вывод Условие выполняется."; do
    grep -qF "$line" "$root/tmp/check/report.txt" || fail "the report lacks: $line"
done
grep -qE "Сравнение 2[.,]288 > 2[.,]200" "$root/tmp/check/report.txt" || fail "the report lacks R0"
echo "the report holds the typical calculation: Одесса, the board of 90 mm, R0 = 2,288 > 2,200"
installed xdg-utils && fail "xdg-utils came in although only recommended"
echo "PASS: the package installs and works on a clean Debian 12"
