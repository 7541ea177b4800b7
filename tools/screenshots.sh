#!/bin/sh
# Pictures of every window at the end of the typical calculation, taken on a
# virtual display, into docs/screenshots/.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
script=$(mktemp --suffix=.scn)
trap 'rm -f "$script"' EXIT
# Without a window manager the focus is the X server's business: leave it out.
{
grep -v "^expect-active" tests/scenarios/reference-typical-calculation.scn
cat <<'SHOTS'
screenshot TForm1 "docs/screenshots/text-window.png"
screenshot TForm9 "docs/screenshots/quantity-window.png"
screenshot TForm10 "docs/screenshots/contacts-window.png"
close TForm10
screenshot TForm5 "docs/screenshots/selection-window.png"
screenshot TForm2 "docs/screenshots/layer-window.png"
screenshot TMainForm "docs/screenshots/main-window.png"
click TMainForm ChooseRqmin
screenshot TForm3 "docs/screenshots/required-resistance-window.png"
click TMainForm ChooseCoefficients
screenshot TForm4 "docs/screenshots/coefficients-window.png"
click TMainForm "Информация"
screenshot TAboutBox "docs/screenshots/about-window.png"
click TForm2 "Редактировать пользовательский список"
screenshot TForm8 "docs/screenshots/user-constructions-window.png"
choose TForm2 ComboBox11 "ВОЗДУШНАЯ  ПРОСЛОЙКА"
choose TForm7 ComboBox2 1
choose TForm7 ComboBox3 0
choose TForm7 ComboBox1 "50"
screenshot TForm7 "docs/screenshots/air-gap-window.png"
click TForm3 RadioButton3
screenshot TForm6 "docs/screenshots/walls-between-flats-window.png"
SHOTS
} > "$script"
xvfb-run -a -s "-screen 0 1366x768x24" env QT_QPA_PLATFORM=xcb \
    build/tests/vuvuvudozizod-scenario "$script"
ls docs/screenshots
