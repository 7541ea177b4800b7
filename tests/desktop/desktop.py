"""A user at a real keyboard and mouse: clicks and key presses sent by xdotool to the
program on an X server, at the places the program's geometry probe names; and what the
desktop passes share: the program started and ended, the files it saved read back."""

import collections
import json
import os
import subprocess
import time


class Failure(Exception):
    pass


def scenario_file_lines(scenario, file_name):
    """The lines a scenario expects in the saved file `file_name`, one by one."""
    lines, inside = [], False
    with open(scenario, encoding="utf-8") as script:
        for line in script.read().splitlines():
            if line.startswith('expect-file-lines "%s"' % file_name):
                inside = True
            elif inside and line == "end":
                return lines
            elif inside:
                lines.append(line[2:] if line.startswith("| ") else line[1:])
    raise Failure("no block for %s in %s" % (file_name, scenario))


# A saved text as the program writes it: Windows-1251, every line ended by CR LF.
def file_bytes(lines):
    return "".join(line + "\r\n" for line in lines).encode("cp1251")


def wait_for_file(path):
    deadline = time.monotonic() + 5
    while not os.path.exists(path) and time.monotonic() < deadline:
        time.sleep(0.05)


def expect_file(path, expected):
    wait_for_file(path)
    if not os.path.exists(path):
        raise Failure("%s was not saved; its folder holds %r"
                      % (path, sorted(os.listdir(os.path.dirname(path)))))
    with open(path, "rb") as saved:
        found = saved.read()
    if found != expected:
        raise Failure("%s differs from what was expected:\n%r\n%r" % (path, found, expected))


# The PDF's text with every run of white space made one space.
def pdf_text(path):
    wait_for_file(path)
    return " ".join(subprocess.run(["pdftotext", "-raw", path, "-"], check=True,
                                   capture_output=True, text=True).stdout.split())


def type_wall(desk, layers_button, brick, mortar, calculate_button):
    """The wall of the typical calculation in the layer window, in either language: brick
    380 mm and mortar 20 mm typed, then calculated."""
    desk.click("TMainForm", layers_button)
    desk.expect_active("TForm2")
    desk.choose("TForm2", "ComboBox3", brick)
    desk.replace("TForm2", "Edit15", "380")
    desk.choose("TForm2", "ComboBox4", mortar)
    desk.replace("TForm2", "Edit16", "20")
    desk.click("TForm2", calculate_button)
    desk.expect("TForm2", "Edit37", "0,494")


def opener_stand_in(work):
    """A folder with a stand-in for the default program for a saved file: it only notes
    in WORK/opened.log what it was given."""
    folder = os.path.join(work, "bin")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "xdg-open"), "w") as script:
        script.write('#!/bin/sh\necho "$@" >> "%s"\n' % os.path.join(work, "opened.log"))
    os.chmod(os.path.join(folder, "xdg-open"), 0o755)
    return folder


def play(story, program, work, shots, cwd=None, **environment):
    """Starts the program with its geometry probe in WORK/probe, HOME in WORK and a stand-in
    for the default program of a saved file, plays `story(desk)` on its main window and ends
    it; 0 when the story passed, with a screenshot and the windows shown when it failed."""
    probe = os.path.join(work, "probe")
    os.makedirs(probe, exist_ok=True)
    os.makedirs(shots, exist_ok=True)
    environment = dict(os.environ, VUV_GEOMETRY_PROBE=probe, LC_ALL="ru_RU.UTF-8", HOME=work,
                       PATH=opener_stand_in(work) + os.pathsep + os.environ["PATH"],
                       **environment)
    environment.pop("QT_QPA_PLATFORM", None)
    started = time.monotonic()
    process = subprocess.Popen([program], env=environment, cwd=cwd or work)
    desk = Desktop(probe, shots)
    try:
        desk.window("TMainForm", timeout=10)
        story(desk)
    except Failure as failure:
        desk.screenshot("failure")
        print("FAILED in %s: %s (screenshots in %s)" % (story.__name__, failure, shots))
        print("windows: %r" % Desktop.placement(desk.windows()))
        print("how the windows stood before, from the oldest:")
        for seconds, placement in desk.placements:
            print("  %6.1f s %r" % (seconds - started, placement))
        return 1
    finally:
        process.kill()
        process.wait()
    print("%s passed in %.1f s; screenshots in %s"
          % (story.__name__, time.monotonic() - started, shots))
    return 0


class Desktop:
    def __init__(self, probe_folder, shots_folder):
        self.probe = probe_folder
        self.shots = shots_folder
        self.request = 0
        self.shot = 0
        # The last changes of where the windows stand, to tell how a failure came about.
        self.placements = collections.deque(maxlen=12)

    @staticmethod
    def placement(windows):
        return [(w["name"], w["x"], w["y"], w["w"], w["h"]) for w in windows]

    def note_placement(self, windows):
        placement = Desktop.placement(windows)
        shown = [p for _, p in self.placements if not isinstance(p, str)]
        if not shown or shown[-1] != placement:
            self.placements.append((time.monotonic(), placement))

    # What the screen shows now, as the program describes it.
    def windows(self):
        self.request += 1
        answer = os.path.join(self.probe, "geometry.json")
        deadline = time.monotonic() + 5
        asked = 0
        while time.monotonic() < deadline:
            # Asked again now and then, in case the program was not yet listening.
            if time.monotonic() - asked > 0.5:
                self.ask()
                asked = time.monotonic()
            try:
                with open(answer) as given:
                    described = json.load(given)
                if described["request"] == self.request:
                    self.note_placement(described["windows"])
                    return described["windows"]
            except (OSError, ValueError):
                pass
            time.sleep(0.02)
        raise Failure("the program did not describe its windows (request %d)" % self.request)

    def ask(self):
        part = os.path.join(self.probe, "request.part")
        with open(part, "w") as out:
            out.write(str(self.request))
        os.replace(part, os.path.join(self.probe, "request"))

    def window(self, name, timeout=5):
        deadline = time.monotonic() + timeout
        while True:
            for window in self.windows():
                if window["name"] == name:
                    return window
            if time.monotonic() > deadline:
                raise Failure("window %s is not shown" % name)
            time.sleep(0.05)

    def control(self, window_name, name):
        window = self.window(window_name)
        found = [c for c in window["controls"] if c["name"] == name]
        if not found:
            found = [c for c in window["controls"] if c["text"] == name and c["type"] != "QLabel"]
        if len(found) != 1:
            raise Failure("%d controls %r in %s" % (len(found), name, window_name))
        return found[0]

    def wait_until(self, what, check, timeout=5):
        deadline = time.monotonic() + timeout
        while True:
            found = check()
            if found is True:
                return
            if time.monotonic() > deadline:
                raise Failure("%s: found %r" % (what, found))
            time.sleep(0.05)

    def expect(self, window_name, name, text, timeout=5):
        def check():
            shown = self.control(window_name, name)["text"]
            return True if shown == text else shown

        self.wait_until("%s %s should show %r" % (window_name, name, text), check, timeout)

    def expect_hidden(self, window_name, timeout=5):
        def check():
            names = [w["name"] for w in self.windows()]
            return True if window_name not in names else names

        self.wait_until("%s should be hidden" % window_name, check, timeout)

    def expect_active(self, window_name, timeout=5):
        def check():
            active = [w["name"] for w in self.windows() if w["active"]]
            return True if active == [window_name] else active

        self.wait_until("%s should be the active window" % window_name, check, timeout)

    def no_message_box(self):
        for window in self.windows():
            if window["name"] == "QMessageBox":
                texts = [c["text"] for c in window["controls"] if c["text"]]
                raise Failure("unexpected message box: %r" % texts)

    def save_in_dialog(self, path, save_button):
        """Types the name into the program's save dialog and confirms it with Enter; the
        dialog's button must read `save_button`, mnemonic or not."""
        dialog = self.window("QFileDialog")
        buttons = [c["text"] for c in dialog["controls"] if c["type"] == "QPushButton"]
        if save_button not in buttons and save_button.replace("&", "") not in buttons:
            raise Failure("the save dialog has no %r button: %r" % (save_button, buttons))
        self.replace("QFileDialog", "fileNameEdit", path)
        self.keys("Return")
        self.expect_hidden("QFileDialog")

    # Input, as the window system delivers it.
    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], check=True)

    def click_at(self, x, y):
        # xdotool's --sync waits for a move that never comes when the pointer is there already.
        if self.pointer() == (x, y):
            self.xdotool("click", "1")
        else:
            self.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")
        time.sleep(0.1)

    def pointer(self):
        shown = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True,
                               text=True, check=True).stdout
        place = dict(line.split("=", 1) for line in shown.split())
        return int(place["X"]), int(place["Y"])

    # As a user brings a window to the front from the task bar: through the window manager.
    def bring_to_front(self, window_name):
        window = self.window(window_name)
        if window["active"]:
            return
        self.xdotool("windowactivate", "--sync", str(self.window_id(window["title"])))
        time.sleep(0.1)
        self.expect_active(window_name)

    def window_id(self, title):
        for window_id, name in self.stacking_ids():
            if name == title:
                return window_id
        raise Failure("no window titled %r on the desktop" % title)

    def click(self, window_name, name):
        self.bring_to_front(window_name)
        control = self.control(window_name, name)
        if not control["enabled"]:
            raise Failure("%s %s is disabled" % (window_name, name))
        # A radio button or check box answers on its mark and caption, not on its whole width.
        marked = control["type"] in ("QRadioButton", "QCheckBox")
        x = control["x"] + (8 if marked else control["w"] // 2)
        y = control["y"] + control["h"] // 2
        # A user cannot click a control that another window covers.
        covering = self.covering(window_name, x, y)
        if covering:
            raise Failure("%s covers %s %s" % (covering, window_name, name))
        self.click_at(x, y)

    # The program's window stacked above `window_name` over the point, frame included.
    def covering(self, window_name, x, y):
        order = self.stacking()
        windows = self.windows()
        title = [w["title"] for w in windows if w["name"] == window_name][0]
        for window in windows:
            if window["title"] in order and title in order and \
                    order.index(window["title"]) > order.index(title) and \
                    window["x"] - 4 <= x < window["x"] + window["w"] + 4 and \
                    window["y"] - 30 <= y < window["y"] + window["h"] + 4:
                return window["name"]
        return None

    def keys(self, *names):
        self.xdotool("key", "--delay", "40", *names)
        time.sleep(0.1)

    def type(self, text):
        self.xdotool("type", "--delay", "40", text)
        time.sleep(0.1)

    def replace(self, window_name, name, text):
        self.click(window_name, name)
        self.keys("ctrl+a")
        self.type(text)

    # Opens the list with a click on its arrow and picks the item with the keyboard.
    def choose(self, window_name, name, item):
        self.bring_to_front(window_name)
        control = self.control(window_name, name)
        items = control["items"]
        index = item if isinstance(item, int) else items.index(item)
        self.click_at(control["x"] + control["w"] - 8, control["y"] + control["h"] // 2)
        self.window("QComboBoxPrivateContainer")
        self.keys("Home", *(["Down"] * index), "Return")
        self.expect(window_name, name, items[index])

    # Moves the focus with Tab, as a user does, until it reaches the control.
    def tab_to(self, window_name, name, most=20):
        for _ in range(most):
            if self.control(window_name, name)["focus"]:
                return
            self.keys("Tab")
        raise Failure("Tab never reached %s %s" % (window_name, name))

    # The window with the frame the window manager gave it: x, y, width, height.
    def frame(self, window_name):
        window = self.window(window_name)
        extents = subprocess.run(["xprop", "-id", str(self.window_id(window["title"])),
                                  "_NET_FRAME_EXTENTS"], capture_output=True, text=True).stdout
        left, right, top, bottom = [int(n) for n in extents.split("=")[1].split(",")]
        return (window["x"] - left, window["y"] - top, window["w"] + left + right,
                window["h"] + top + bottom)

    def focused(self, window_name):
        return [c["name"] or c["text"] for c in self.window(window_name)["controls"] if c["focus"]]

    def screenshot(self, name):
        self.shot += 1
        path = os.path.join(self.shots, "%02d-%s.png" % (self.shot, name))
        self.placements.append((time.monotonic(), "screenshot %s" % name))
        subprocess.run(["import", "-window", "root", path], check=True)

    # Stacking, as the window manager keeps it: the program's windows from bottom to top.
    def stacking_ids(self):
        listed = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"],
                                capture_output=True, text=True, check=True).stdout
        ids = [int(part.strip().rstrip(","), 16) for part in listed.split("#", 1)[1].split(",")]
        return [(window_id, subprocess.run(["xdotool", "getwindowname", str(window_id)],
                                           capture_output=True, text=True).stdout.strip())
                for window_id in ids]

    def stacking(self):
        return [name for _, name in self.stacking_ids()]

    def expect_above(self, upper_title, lower_title):
        order = self.stacking()
        if upper_title not in order or lower_title not in order or \
                order.index(upper_title) < order.index(lower_title):
            raise Failure("%r should be above %r; stacking from the bottom: %r"
                          % (upper_title, lower_title, order))

    def expect_not_above_others(self, title):
        window_id = subprocess.run(["xdotool", "search", "--name", "^%s$" % title],
                                   capture_output=True, text=True).stdout.split()
        for each in window_id:
            state = subprocess.run(["xprop", "-id", each, "_NET_WM_STATE"],
                                   capture_output=True, text=True).stdout
            if "_NET_WM_STATE_ABOVE" in state:
                raise Failure("%r asks the window manager to stay above other programs" % title)
