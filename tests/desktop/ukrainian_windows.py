"""Every window of the Ukrainian interface on a real desktop: the program starts in the
language its settings remember, with the typical project, and a user opens each window
with the mouse and keys. No button, menu item or title of a window may hold a letter
that Ukrainian does not use.

Usage: ukrainian_windows.py PROGRAM WORK_FOLDER SHOTS_FOLDER PROJECT
(on a display with a window manager; run.sh provides one)."""

import os
import subprocess
import sys
import time

from desktop import Desktop, Failure

NOT_UKRAINIAN = set("ыЭэъёЫЪЁ")
WORDED = ("QPushButton", "QRadioButton", "QCheckBox", "QToolButton", "QGroupBox")


def expect_ukrainian(desk, name):
    window = desk.window(name)
    texts = [window["title"]] + [c["text"] for c in window["controls"] if c["type"] in WORDED]
    russian = [text for text in texts if NOT_UKRAINIAN.intersection(text)]
    if russian:
        raise Failure("%s shows Russian: %r" % (name, russian))
    desk.screenshot(name)


def open_and_close(desk, owner, control, name):
    desk.click(owner, control)
    desk.expect_active(name)
    expect_ukrainian(desk, name)
    desk.keys("Escape")
    desk.expect_hidden(name)


def main():
    program, work, shots, project = sys.argv[1:5]
    probe = os.path.join(work, "probe-uk")
    settings = os.path.join(work, "config-uk", "Vuvuvudozizod")
    for folder in (probe, settings, shots):
        os.makedirs(folder, exist_ok=True)
    with open(os.path.join(settings, "Vuvuvudozizod.conf"), "w") as remembered:
        remembered.write("[interface]\nlanguage=uk\n")
    environment = dict(os.environ, VUV_GEOMETRY_PROBE=probe, LC_ALL="ru_RU.UTF-8", HOME=work,
                       XDG_CONFIG_HOME=os.path.dirname(settings))
    environment.pop("QT_QPA_PLATFORM", None)
    process = subprocess.Popen([program, project], env=environment, cwd=work)
    desk = Desktop(probe, shots)
    try:
        desk.window("TMainForm", timeout=10)
        desk.expect("TMainForm", "Label8", "Умова виконується.")
        expect_ukrainian(desk, "TMainForm")
        open_and_close(desk, "TMainForm", "ChooseRqmin", "TForm3")
        open_and_close(desk, "TMainForm", "ChooseCoefficients", "TForm4")
        open_and_close(desk, "TMainForm", "Інформація", "TAboutBox")
        open_and_close(desk, "TMainForm", "TemperatureProfileButton", "TemperatureProfileWindow")
        desk.click("TMainForm", "Шари конструкції...")
        desk.expect_active("TForm2")
        expect_ukrainian(desk, "TForm2")
        desk.click("TMainForm", "- Добір  утеплювача -")
        desk.expect_active("TForm5")
        expect_ukrainian(desk, "TForm5")
        desk.click("TForm5", "---  Підрахувати витрату утеплювача  ---")
        desk.expect_active("TForm9")
        expect_ukrainian(desk, "TForm9")
        open_and_close(desk, "TForm9", "З а м о в и т и", "TForm10")
    except Failure as failure:
        desk.screenshot("uk-failure")
        print("FAILED in Ukrainian: %s (screenshots in %s)" % (failure, shots))
        return 1
    finally:
        process.kill()
        process.wait()
    print("every window speaks Ukrainian; screenshots in %s" % shots)
    return 0


if __name__ == "__main__":
    sys.exit(main())
