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

# The section drawing for the placement of its texts: the typical wall, then a wall of
# thin layers from both room sides, in the window and on the report's page.
cat > "$script" <<SHOTS
click TMainForm ChooseCoefficients
choose TForm4 ComboBox1 0
click TForm4 "Принять"
click TMainForm "Слои конструкции..."
choose TForm2 ComboBox3 "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)"
replace TForm2 Edit15 "380"
choose TForm2 ComboBox4 "Раствор цементно-песчаный (1600 кг/м3)"
replace TForm2 Edit16 "20"
replace TForm2 ComboBox12 "Плиты пенополистирольные (15 кг/м3)"
replace TForm2 Edit12 "0,055"
replace TForm2 Edit24 "90"
click TForm2 "Расчет"
expect TForm2 Edit37 "2,130"
click TForm2 ProfileButton
screenshot TemperatureProfileWindow "docs/screenshots/profile-typical.png"
SHOTS
xvfb-run -a -s "-screen 0 1366x768x24" env QT_QPA_PLATFORM=xcb \
    build/tests/vuvuvudozizod-scenario "$script"
cat > "$script" <<SHOTS
replace TMainForm Edit2 "23"
replace TMainForm Edit3 "8,7"
replace TMainForm Edit5 "2,200"
click TMainForm "Слои конструкции..."
choose TForm2 ComboBox1 0
replace TForm2 Edit13 "5"
choose TForm2 ComboBox2 0
replace TForm2 Edit14 "10"
choose TForm2 ComboBox3 "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)"
replace TForm2 Edit15 "250"
choose TForm2 ComboBox4 "Раствор цементно-песчаный (1600 кг/м3)"
replace TForm2 Edit16 "20"
choose TForm2 ComboBox5 0
replace TForm2 Edit17 "8"
choose TForm2 ComboBox6 0
replace TForm2 Edit18 "12"
choose TForm2 ComboBox7 0
replace TForm2 Edit19 "6"
choose TForm2 ComboBox8 0
replace TForm2 Edit20 "120"
choose TForm2 ComboBox11 1
replace TForm2 Edit23 "4"
replace TForm2 Edit24 "100"
replace TForm2 Edit12 "0,04"
click TForm2 "Расчет"
wait 400
click TForm2 "Температурный профиль..."
wait 300
screenshot TemperatureProfileWindow "docs/screenshots/profile-thin-layers.png"
click TemperatureProfileWindow InsideIsLayer1
wait 200
screenshot TemperatureProfileWindow "docs/screenshots/profile-room-side-switched.png"
answer save "$report/switched.pdf"
click TMainForm "Отчет PDF..."
expect-opened "*"
click TemperatureProfileWindow InsideIsLayer1
wait 200
answer save "$report/thin.pdf"
click TMainForm "Отчет PDF..."
expect-opened "*"
SHOTS
xvfb-run -a -s "-screen 0 1366x768x24" env QT_QPA_PLATFORM=xcb \
    build/tests/vuvuvudozizod-scenario "$script"
pdftoppm -png -r 100 -f 2 -l 2 -singlefile "$report/thin.pdf" docs/screenshots/profile-report-thin-layers

# Every window in the Ukrainian interface, at the end of the typical calculation.
mkdir -p docs/screenshots/uk
{
sed '/^language ru/,$d' tests/scenarios/ukrainian-typical-calculation.scn
cat <<SHOTS
screenshot TForm1 "docs/screenshots/uk/text-window.png"
screenshot TForm9 "docs/screenshots/uk/quantity-window.png"
click TForm9 "З а м о в и т и"
screenshot TForm10 "docs/screenshots/uk/contacts-window.png"
close TForm10
screenshot TForm5 "docs/screenshots/uk/selection-window.png"
screenshot TForm2 "docs/screenshots/uk/layer-window.png"
screenshot TMainForm "docs/screenshots/uk/main-window.png"
click TMainForm TemperatureProfileButton
screenshot TemperatureProfileWindow "docs/screenshots/uk/temperature-profile-window.png"
click TMainForm CalculationDetails
screenshot CalculationDetailsWindow "docs/screenshots/uk/calculation-details-window.png"
click TMainForm ChooseRqmin
screenshot TForm3 "docs/screenshots/uk/required-resistance-window.png"
click TMainForm ChooseCoefficients
screenshot TForm4 "docs/screenshots/uk/coefficients-window.png"
click TMainForm "Інформація"
screenshot TAboutBox "docs/screenshots/uk/about-window.png"
click TForm2 "Редагувати список користувача"
screenshot TForm8 "docs/screenshots/uk/user-constructions-window.png"
choose TForm2 ComboBox11 "ПОВІТРЯНИЙ  ПРОШАРОК"
choose TForm7 ComboBox2 1
choose TForm7 ComboBox3 0
choose TForm7 ComboBox1 "50"
screenshot TForm7 "docs/screenshots/uk/air-gap-window.png"
click TForm3 RadioButton3
screenshot TForm6 "docs/screenshots/uk/walls-between-flats-window.png"
SHOTS
} > "$script"
xvfb-run -a -s "-screen 0 1366x768x24" env QT_QPA_PLATFORM=xcb \
    build/tests/vuvuvudozizod-scenario "$script"
ls docs/screenshots
