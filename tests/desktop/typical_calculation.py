"""The typical calculation as a user does it on a real desktop: Odessa, external walls,
the first type of construction, brick 380 mm and mortar 20 mm, a board, the quantity
for a height typed as "2,5" and as "2.5", the order text and the report saved; on the
way Escape on an open list, Enter on a button, Tab out of the profile's plane table, a
project opened from the dialog with a click, and a climate pasted from the clipboard.

Usage: typical_calculation.py PROGRAM WORK_FOLDER SHOTS_FOLDER REFERENCE_SCENARIO PROJECT
(on a display with a window manager; run.sh provides one)."""

import os
import shutil
import subprocess
import sys
import time

from desktop import Failure, expect_file, file_bytes, pdf_text, play, scenario_file_lines, \
    type_wall

BRICK = "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)"
MORTAR = "Раствор цементно-песчаный (1600 кг/м3)"
BOARD = "Плиты пенополистирольные (15 кг/м3)"

# Height 2,5 m by the default 20 m: 50 m2; 90 mm of board: 4,5 m3, shown whole as 5.
ORDER_LINES = ["Утеплитель ПСБ-15, толщина 90мм, площадь утепления 50м^2",
               "Расход утеплителя -  5м^3."]


def requirement(desk):
    desk.click("TMainForm", "ChooseRqmin")
    desk.expect_active("TForm3")
    # Escape on an open list closes the list, not the window.
    cities = desk.control("TForm3", "ComboBox4")
    desk.click_at(cities["x"] + cities["w"] - 8, cities["y"] + cities["h"] // 2)
    desk.window("QComboBoxPrivateContainer")
    desk.keys("Escape")
    desk.expect_hidden("QComboBoxPrivateContainer")
    desk.expect_active("TForm3")
    desk.choose("TForm3", "ComboBox4", "Одесса")
    desk.choose("TForm3", "ComboBox1", "1.    Наружные стены")
    desk.expect("TForm3", "Edit1", "2,2")
    desk.screenshot("requirement")
    # Enter on the focused button presses it.
    desk.tab_to("TForm3", "Button1")
    desk.keys("Return")
    desk.expect_hidden("TForm3")
    desk.expect("TMainForm", "Edit5", "2,200")


def coefficients(desk):
    desk.click("TMainForm", "ChooseCoefficients")
    desk.choose("TForm4", "ComboBox1", 0)
    desk.expect("TForm4", "Edit1", "23")
    desk.screenshot("coefficients")
    desk.click("TForm4", "Принять")
    desk.expect("TMainForm", "Edit3", "8,7")


def layers(desk):
    type_wall(desk, "Слои конструкции...", BRICK, MORTAR, "Расчет")
    desk.expect("TMainForm", "Edit4", "0,652")
    desk.expect("TMainForm", "Edit8", "2,042")
    desk.screenshot("layers")


def board(desk):
    desk.click("TMainForm", "- Подбор  утеплителя -")
    desk.expect_active("TForm5")
    desk.choose("TForm5", "ComboBox1", BOARD)
    desk.expect("TForm5", "Label5", "90 мм", timeout=5)
    desk.expect("TMainForm", "Label8", "Условие выполняется.")
    selection_stays_off_the_rows(desk)
    selection = desk.window("TForm5")["title"]
    layer_window = desk.window("TForm2")["title"]
    # A click into the layer window leaves the selection window over it.
    desk.click("TForm2", "Edit37")
    desk.expect_active("TForm2")
    time.sleep(0.3)
    desk.expect_above(selection, layer_window)
    desk.expect_not_above_others(selection)
    desk.screenshot("board")


def selection_stays_off_the_rows(desk):
    """The selection window, title bar included, covers no list or number field of a layer,
    nor the verdict line, its out-of-date note or "Расчет" under it."""
    frame = desk.frame("TForm5")
    row_names = ["ComboBox%d" % n for n in range(1, 13)] + \
        ["Edit%d" % n for n in list(range(1, 37)) + list(range(39, 51)) + list(range(52, 64))] + \
        ["Label79", "LayerStaleNote", "Button1"]
    for control in desk.window("TForm2")["controls"]:
        if control["name"] in row_names and overlap(frame, control):
            raise Failure("the selection window %r covers %s" % (frame, control["name"]))


def overlap(frame, control):
    x, y, w, h = frame
    return x < control["x"] + control["w"] and control["x"] < x + w and \
        y < control["y"] + control["h"] and control["y"] < y + h


def profile_keys(desk):
    """In the temperature profile window Tab leaves the plane table for the buttons."""
    desk.bring_to_front("TMainForm")
    desk.click("TMainForm", "TemperatureProfileButton")
    desk.expect_active("TemperatureProfileWindow")
    desk.click("TemperatureProfileWindow", "PlaneTable")
    desk.keys("Tab")
    if desk.focused("TemperatureProfileWindow") != ["ExportPng"]:
        raise Failure("Tab from the plane table reached %r" % desk.focused("TemperatureProfileWindow"))
    desk.screenshot("profile")
    desk.tab_to("TemperatureProfileWindow", "CloseButton")
    desk.keys("KP_Enter")
    desk.expect_hidden("TemperatureProfileWindow")


def project_open(desk):
    """The project open dialog proposes no name and opens the file the user clicks."""
    desk.bring_to_front("TMainForm")
    desk.keys("ctrl+o")
    dialog = desk.window("QFileDialog")
    if desk.control("QFileDialog", "fileNameEdit")["text"] != "":
        raise Failure("the open dialog proposes a name")
    files = max((c for c in dialog["controls"] if c["name"] == "qt_scrollarea_viewport"),
                key=lambda c: c["w"] * c["h"])
    desk.click_at(files["x"] + 60, files["y"] + 10)
    desk.expect("QFileDialog", "fileNameEdit", "typical-wall.vvz")
    opening = [c for c in desk.window("QFileDialog")["controls"] if c["text"] == "&Открыть"]
    if len(opening) != 1 or not opening[0]["enabled"]:
        raise Failure("the open button is not enabled for a picked file: %r" % opening)
    desk.screenshot("project-open-dialog")
    desk.click_at(opening[0]["x"] + opening[0]["w"] // 2, opening[0]["y"] + opening[0]["h"] // 2)
    desk.expect_hidden("QFileDialog")
    desk.expect("TMainForm", "Edit5", "2,200")


# Twelve months as a spreadsheet copies them: θe and φe split by a tab, a comma for decimals.
CLIMATE = [("-5,5", "85"), ("-4", "83"), ("0", "78"), ("7", "68"), ("14", "63"), ("17", "66"),
           ("19", "67"), ("18", "68"), ("13", "74"), ("7", "79"), ("1", "86"), ("-3", "87")]


def climate_paste(desk):
    """Twelve rows copied by another program and pasted with ctrl+v into the moisture
    window's climate table fill all twelve months."""
    rows = "".join("%s\t%s\n" % month for month in CLIMATE)
    # xclip stays behind to serve the clipboard; it ends with the X server.
    subprocess.run(["xclip", "-selection", "clipboard"], input=rows, text=True, check=True)
    desk.click("TMainForm", "Слои конструкции...")
    desk.click("TForm2", "MoistureButton")
    desk.expect_active("MoistureWindow")
    desk.click("MoistureWindow", "OutdoorTemperature1")
    desk.keys("ctrl+v")
    for month, (temperature, humidity) in enumerate(CLIMATE, 1):
        desk.expect("MoistureWindow", "OutdoorTemperature%d" % month, temperature)
        desk.expect("MoistureWindow", "OutdoorHumidity%d" % month, humidity)
    desk.no_message_box()
    desk.screenshot("moisture-pasted")


def quantity(desk, work):
    desk.click("TForm5", "---  Посчитать расход утеплителя  ---")
    desk.expect_active("TForm9")
    desk.replace("TForm9", "ComboBox1", "2,5")
    desk.expect("TForm9", "ComboBox1", "2,5")
    desk.replace("TForm9", "ComboBox1", "2.5")
    desk.expect("TForm9", "ComboBox1", "2,5")
    desk.expect("TForm9", "Panel1", ORDER_LINES[0], timeout=5)
    desk.expect("TForm9", "Label5", "5м^3")
    desk.screenshot("quantity")
    desk.click("TForm9", "Сохранить текст для заказа")
    dialog = desk.window("QFileDialog")["title"]
    time.sleep(0.3)
    desk.expect_above(dialog, desk.window("TForm9")["title"])
    desk.expect_above(dialog, desk.window("TForm5")["title"])
    desk.screenshot("order-dialog")
    order = os.path.join(work, "order")
    desk.save_in_dialog(order, "&Сохранить")
    expect_file(order + ".txt", file_bytes(ORDER_LINES))
    opened = os.path.join(work, "opened.log")
    desk.wait_until("the order text should be opened",
                    lambda: os.path.exists(opened) and order + ".txt" in open(opened).read()
                    or "not opened")
    desk.click("TForm9", "З а к а з а т ь")
    desk.expect_active("TForm10")
    desk.screenshot("contacts")
    desk.keys("Escape")
    desk.expect_hidden("TForm10")


def stopped_recalculation(desk):
    """A thickness that is not a number stops the quantity's recalculation: one error box,
    and leaving the list for another window starts nothing until the user changes a box."""
    desk.replace("TForm2", "Edit24", "9O")
    desk.replace("TForm9", "ComboBox2", "30")
    desk.window("QMessageBox")
    time.sleep(1.5)
    boxes = [w for w in desk.windows() if w["name"] == "QMessageBox"]
    if len(boxes) != 1:
        raise Failure("one bad thickness gave %d error boxes" % len(boxes))
    desk.screenshot("quantity-error")
    desk.keys("Return")
    desk.expect_hidden("QMessageBox")
    desk.click("TForm2", "Edit25")
    desk.expect_active("TForm2")
    time.sleep(1.5)
    desk.no_message_box()
    desk.replace("TForm2", "Edit24", "90")
    desk.replace("TForm9", "ComboBox2", "20")
    desk.expect("TForm9", "Panel1", ORDER_LINES[0], timeout=5)


def report(desk, work, reference):
    desk.choose("TMainForm", "ComboBox1", "НАРУЖНОЙ СТЕНЫ")
    desk.click("TMainForm", "Сохранить расчет ")
    desk.screenshot("report-dialog")
    path = os.path.join(work, "report")
    desk.save_in_dialog(path, "&Сохранить")
    expect_file(path + ".txt", file_bytes(scenario_file_lines(reference, "Расчет.txt")))
    desk.expect_active("TForm1")
    time.sleep(0.3)
    text_window = desk.window("TForm1")["title"]
    for kept_above in ("TForm5", "TForm9"):
        desk.expect_above(text_window, desk.window(kept_above)["title"])
    desk.screenshot("report")


def hand_in(desk, work):
    """The report to hand in: from the File menu by keys, and through Qt's print dialog."""
    desk.keys("Escape")
    desk.expect_hidden("TForm1")
    desk.bring_to_front("TMainForm")
    # Alt+F opens "&File" on its first item; the PDF report stands after the two project
    # items (the item restoring the last calculation is disabled in a new home folder, and
    # skipped) and the calculation's details.
    desk.keys("alt+f")
    desk.window("QMenu")
    desk.screenshot("file-menu")
    desk.keys("Down", "Down", "Down", "Return")
    path = os.path.join(work, "report")
    desk.save_in_dialog(path, "&Сохранить")
    text = pdf_text(path + ".pdf")
    for value in ("Rqmin 2,200", "Плиты пенополистирольные (15 кг/м3) 90 0,055 1,636",
                  "Итого 490 2,130", "= 2,288", "Вывод Условие выполняется."):
        if value not in text:
            raise Failure("the PDF report lacks %r: %r" % (value, text))
    desk.wait_until("the PDF opened", lambda: path + ".pdf" in open(
        os.path.join(work, "opened.log")).read())
    desk.keys("ctrl+p")
    dialog = desk.window("QPrintDialog")
    buttons = [c["text"] for c in dialog["controls"] if c["type"] == "QPushButton"]
    if "&Печать" not in buttons and "Печать" not in buttons:
        raise Failure("the print dialog does not speak Russian: buttons %r" % buttons)
    desk.screenshot("print-dialog")
    # With no printer installed the dialog prints into a PDF file in the current folder.
    desk.keys("Return")
    desk.expect_hidden("QPrintDialog")
    if "Итого 490 2,130" not in pdf_text(os.path.join(work, "documents", "Vuvuvudozizod.pdf")):
        raise Failure("the printed report lacks the totals")


def separators(desk):
    """Every field that takes the locale's separator takes it from real keys."""
    desk.replace("TMainForm", "Edit5", "2.2")
    desk.expect("TMainForm", "Edit5", "2,2")
    # The layer window brings the selection and quantity windows back with it.
    desk.replace("TForm2", "Edit1", "0.5")
    desk.expect("TForm2", "Edit1", "0,5")
    desk.replace("TForm9", "ComboBox2", "20.5")
    desk.expect("TForm9", "ComboBox2", "20,5")
    # The selection and quantity windows step aside for the layer window's own buttons.
    desk.keys("Escape")
    desk.expect_hidden("TForm9")
    desk.bring_to_front("TForm5")
    desk.keys("Escape")
    desk.expect_hidden("TForm5")
    desk.click("TForm2", "Редактировать пользовательский список")
    desk.expect_active("TForm8")
    desk.click("TForm8", "RichEdit2")
    desk.type("0.7")
    desk.expect("TForm8", "RichEdit2", "0,7")
    desk.keys("Escape")
    desk.expect_hidden("TForm8")
    desk.click("TMainForm", "ChooseRqmin")
    desk.expect_active("TForm3")
    desk.click("TForm3", "Производственные здания")
    desk.replace("TForm3", "Edit2", "1.6")
    desk.expect("TForm3", "Edit2", "1,6")
    desk.screenshot("separators")


def out_of_date_report(desk, work):
    """Rqmin typed over since the last check: the main window says so, and the PDF report
    asks first; Enter recalculates, and the report holds the new Rqmin."""
    desk.keys("Escape")
    desk.expect_hidden("TForm3")
    desk.replace("TForm2", "Edit1", "0")
    desk.bring_to_front("TMainForm")
    desk.expect("TMainForm", "StaleResultsNote", "Данные изменены: нажмите «Расчет!!!»")
    desk.screenshot("out-of-date")
    desk.bring_to_front("TForm2")
    desk.expect("TForm2", "LayerStaleNote", "Данные изменены: нажмите «Расчет!!!»")
    desk.screenshot("out-of-date-layers")
    desk.bring_to_front("TMainForm")
    desk.keys("alt+f")
    desk.window("QMenu")
    desk.keys("Down", "Down", "Down", "Return")
    box = desk.window("QMessageBox")
    buttons = [c["text"] for c in box["controls"] if c["type"] == "QPushButton"]
    if buttons != ["Пересчитать", "Отмена"]:
        raise Failure("the question's buttons are %r" % buttons)
    desk.screenshot("out-of-date-question")
    desk.keys("Return")
    desk.expect_hidden("QMessageBox")
    path = os.path.join(work, "recalculated")
    desk.save_in_dialog(path, "&Сохранить")
    text = pdf_text(path + ".pdf")
    for value in ("Источник Rqmin введено вручную в главном окне",
                  "Требуемое сопротивление Rqmin 2,2 м²·К/Вт", "Вывод Условие выполняется."):
        if value not in text:
            raise Failure("the recalculated report lacks %r: %r" % (value, text))


def main():
    program, work, shots, reference, project = sys.argv[1:6]

    def typical_calculation(desk):
        desk.screenshot("start")
        for step in (requirement, coefficients, layers, board):
            step(desk)
            desk.no_message_box()
        quantity(desk, work)
        desk.no_message_box()
        stopped_recalculation(desk)
        report(desk, work, reference)
        desk.no_message_box()
        hand_in(desk, work)
        desk.no_message_box()
        separators(desk)
        desk.no_message_box()
        out_of_date_report(desk, work)
        profile_keys(desk)
        project_open(desk)
        desk.no_message_box()
        climate_paste(desk)

    # The folder the program starts in holds one project, the first the open dialog lists.
    documents = os.path.join(work, "documents")
    os.makedirs(documents, exist_ok=True)
    shutil.copy(project, documents)
    return play(typical_calculation, program, work, shots, cwd=documents)


if __name__ == "__main__":
    sys.exit(main())
