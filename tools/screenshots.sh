#!/bin/sh
# Pictures of every window at the end of the typical calculation, taken on a
# virtual display, into docs/screenshots/, and the first page of its PDF report.
set -e
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
script=$(mktemp --suffix=.scn)
report=$(mktemp -d)
trap 'rm -rf "$script" "$report"' EXIT
# Without a window manager the focus is the X server's business: leave it out.
{
grep -v "^expect-active" tests/scenarios/reference-typical-calculation.scn
cat <<SHOTS
screenshot TForm1 "docs/screenshots/text-window.png"
screenshot TForm9 "docs/screenshots/quantity-window.png"
screenshot TForm10 "docs/screenshots/contacts-window.png"
close TForm10
screenshot TForm5 "docs/screenshots/selection-window.png"
screenshot TForm2 "docs/screenshots/layer-window.png"
screenshot TMainForm "docs/screenshots/main-window.png"
answer save "$report/report.pdf"
click TMainForm "Отчет PDF..."
expect-opened "*"
click TMainForm TemperatureProfileButton
screenshot TemperatureProfileWindow "docs/screenshots/temperature-profile-window.png"
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
pdftoppm -png -r 100 -f 1 -l 1 -singlefile "$report/report.pdf" docs/screenshots/report-page-1
cp "$report/report.pdf" build/report.pdf
ls docs/screenshots
