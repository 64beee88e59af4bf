#!/usr/bin/env python3
"""A user's tour of Tavrin: the real tavrin.exe in its own process on the
display, driven only by the mouse and the keyboard (xdotool), and checked
only by what the screen and the files show. peek.exe reports where the
program's windows are, as any program may ask; nothing reaches inside.

Every step waits for a condition (a window, a caption, pixels, a file) with
a time limit, prints one line, and the tour stops at the first step that
fails, naming it. A screenshot of each step goes to the shots folder.

    tour.py EXE PEEK WORK_DIR      (run under tests/wine/with-wine.sh)
"""
import os
import shutil
import subprocess
import sys
import time

EXE, PEEK, WORK = (os.path.abspath(a) for a in sys.argv[1:4])
RUN = os.path.join(WORK, "run")
SHOTS = os.path.join(WORK, "shots")
WINE_RUN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "wine", "wine-run.sh")
started = time.monotonic()
step_number = 0
program = None


class StepFailed(Exception):
    pass


class Skipped(Exception):
    pass


def control_of(window_class, control_id, what):
    """A control of a tool window just opened; a window without it has not
    been given its controls yet, and the step is skipped."""
    try:
        return wait_for(what, lambda: peek("control", window_class, control_id), 3)
    except StepFailed:
        raise Skipped("%s has no %s yet" % (window_class, what))


def run(*args, check=True):
    result = subprocess.run(args, capture_output=True, text=True)
    if check and result.returncode != 0:
        raise StepFailed(" ".join(args) + ": " + result.stderr.strip())
    return result


def peek(*args):
    """A window's rectangle as (x, y, width, height), the caption as text,
    or None when the window is not there."""
    result = run(WINE_RUN, PEEK, *args, check=False)
    if result.returncode != 0:
        return None
    out = result.stdout.strip()
    return out if args[0] == "caption" else tuple(int(v) for v in out.split())


def key(*names):
    run("xdotool", "key", "--delay", "40", *names)


def click(x, y):
    run("xdotool", "mousemove", str(x), str(y), "click", "1")


def click_centre(rect):
    click(rect[0] + rect[2] // 2, rect[1] + rect[3] // 2)


def menu(popup, item):
    """A menu item reached by keyboard: F10, Right to the popup, Down to open
    it and to the item (separators are skipped), Enter."""
    key("F10", *["Right"] * popup, "Down", *["Down"] * item, "Return")


class Screen:
    """One screenshot, read as RGB pixels."""

    def __init__(self, name=None):
        path = os.path.join(SHOTS, (name or "probe") + ".png")
        run("import", "-window", "root", path)
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True).stdout
        fields = ppm.split(maxsplit=4)
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = fields[4]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def region(self, rect):
        x, y, w, h = rect
        return b"".join(self.data[3 * (row * self.width + x):3 * (row * self.width + x + w)]
                        for row in range(y, y + h))

    def count(self, rect, colour):
        pixels = self.region(rect)
        wanted = bytes(colour)
        return sum(1 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == wanted)

    def marked_rows(self, rect, colour, run_length=12):
        """Rows of rect inside a block at least run_length pixels wide and 3
        rows high, all of colour: where a word is drawn inverted (a frame
        line around the text is one row high)."""
        x, y, w, h = rect
        run = bytes(colour) * run_length
        rows = set()
        for row in range(y, y + h):
            line = self.data[3 * (row * self.width + x):3 * (row * self.width + x + w)]
            at = line.find(run)
            while at >= 0 and at % 3:
                at = line.find(run, at + 1)
            if at >= 0:
                rows.add(row)
        return sorted(r for r in rows if r - 1 in rows and r + 1 in rows)


def wait_for(what, condition, timeout=10.0):
    """Polls condition until it gives something true; fails after timeout."""
    limit = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > limit:
            raise StepFailed("waited %.0f s for %s" % (timeout, what))
        time.sleep(0.1)


def slug(name):
    return "-".join("".join(c for c in word if c.isalnum()) for word in name.lower().split()[:6])


def step(name, action):
    global step_number
    step_number += 1
    begun = time.monotonic()
    try:
        result = action()
    except Skipped as why:
        print("tour: step %d skipped: %s: %s" % (step_number, name, why), flush=True)
        return None
    except StepFailed as failure:
        Screen("%02d-FAILED-%s" % (step_number, slug(name)))
        print("tour: step %d FAILED: %s: %s" % (step_number, name, failure), flush=True)
        stop_program()
        sys.exit(1)
    Screen("%02d-%s" % (step_number, slug(name)))
    print("tour: step %d ok: %s (%.1f s)" % (step_number, name, time.monotonic() - begun), flush=True)
    return result


def start_program(*arguments):
    global program
    program = subprocess.Popen([WINE_RUN, "tavrin.exe", *arguments], cwd=RUN,
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    wait_for("the frame and the About window",
             lambda: peek("client", "TAV") and peek("client", "TAV_ABOUT"), 20)


def stop_program():
    if program and program.poll() is None:
        program.kill()
        program.wait()


def reader_changes(timeout=5.0):
    """The Reader's picture changes: it is stepping through the words."""
    rect = peek("client", "DRAWCLASS")
    first = Screen().region(rect)
    return wait_for("the Reader to show another word", lambda: Screen().region(rect) != first, timeout)


def navigator_mark():
    """The rows of the Navigator where a word is drawn inverted (the text
    colour as background)."""
    rect = peek("client", "NAVCLASS")
    return Screen().marked_rows(rect, (0, 0, 0))


def settings_fields():
    with open(os.path.join(RUN, "tav.dat"), "rb") as f:
        line = f.read().decode("latin-1")
    fields = line.split(" ", 45)
    return [int(v) for v in fields[:45]] + [fields[45].rstrip("\n")]


# The steps.

def fresh_start():
    shutil.rmtree(WORK, ignore_errors=True)
    os.makedirs(RUN)
    os.makedirs(SHOTS)
    shutil.copy(EXE, RUN)
    words = ["word%d" % i + (".\r\n" if i % 10 == 9 else " ") for i in range(3000)]
    with open(os.path.join(RUN, "sample.txt"), "w", newline="") as f:
        f.write("".join(words))
    if os.path.exists(os.path.join(RUN, "tav.dat")):
        raise StepFailed("tav.dat is there before the first start")
    start_program()


def dismiss_about():
    key("space")
    wait_for("the About window to go", lambda: not peek("client", "TAV_ABOUT"))


def open_by_menu():
    menu(0, 0)
    box = wait_for("the Open dialog's file name box",
                   lambda: peek("open-dialog", "1152") or peek("open-dialog", "1148"))
    click(box[0] + 10, box[1] + box[3] // 2)
    run("xdotool", "type", "--delay", "20", "sample.txt")
    key("Return")
    wait_for("the caption to name sample.txt", lambda: "sample.txt" in (peek("caption") or ""))


def open_reading_windows():
    menu(1, 2)  # Run: Start, Stop, Reader
    wait_for("the Reader", lambda: peek("client", "DRAWCLASS"))
    menu(2, 0)  # Perception: Navigator
    wait_for("the Navigator", lambda: peek("client", "NAVCLASS"))
    tile()


def tile():
    menu(3, 2)  # Window: Cascade, Horizontally, Vertically
    time.sleep(0.3)  # let the tiled windows paint before pixels are read
    return True


def start_reading():
    click_centre(peek("client", "DRAWCLASS"))
    reader_changes()


def stop_reading():
    click_centre(peek("client", "DRAWCLASS"))
    return wait_for("a word marked in the Navigator", navigator_mark)


def pick_in_navigator(first_mark):
    nav = peek("client", "NAVCLASS")
    # The first word of a line three lines away from the marked one.
    away = 48 if first_mark[0] < nav[1] + nav[3] // 2 else -48
    target = first_mark[0] + away
    click(nav[0] + 12, target)
    wait_for("the mark on the clicked line",
             lambda: [r for r in navigator_mark() if abs(r - target) < 8])


def resume_and_stop():
    start_reading()
    reader = peek("client", "DRAWCLASS")
    click_centre(reader)

    def still():
        first = Screen().region(reader)
        time.sleep(0.3)  # several words' time at the rate in use
        return Screen().region(reader) == first
    wait_for("the Reader to stop", still)


def set_rate():
    menu(2, 1)  # Perception: Navigator, Speed
    control_of("SPEEDCLASS", "1020", "rate bar")
    speed = peek("client", "SPEEDCLASS")
    before = Screen().region(speed)
    # End and Up mean the same whether the window or its rate bar has the
    # keyboard: 3000, then 2 down.
    key("End", "Up", "Up")
    wait_for("the rate box to change", lambda: Screen().region(peek("client", "SPEEDCLASS")) != before)


def pick_colours():
    menu(2, 3)  # Perception: ..., Colour
    control_of("COLORCLASS", "1006", "Text color button")
    colour = peek("client", "COLORCLASS")
    x, y, w, h = colour
    sw, sh = 2 * (w // 10), h // 4
    click(x + (10 + sw) // 2, y + (10 + sh) // 2)  # black, for the background
    click_centre(peek("control", "COLORCLASS", "1006"))
    click(x + (2 * sw + 10 + 3 * sw + 10) // 2, y + (10 + sh) // 2)  # yellow, for the text
    tile()

    def reader_black_and_yellow():
        reader = peek("client", "DRAWCLASS")
        screen = Screen()
        return (screen.pixel(reader[0] + 2, reader[1] + 2) == (0, 0, 0) and
                screen.count(reader, (255, 255, 0)) > 20)
    wait_for("the Reader in yellow on black", reader_black_and_yellow)


def choose_face():
    menu(2, 2)  # Perception: ..., Font
    control_of("FONTSCLASS", "1001", "family list")
    tile()
    reader = peek("client", "DRAWCLASS")
    before = Screen().region(reader)
    # A click in the family list picks a face, and Down moves on to others.
    click_centre(peek("control", "FONTSCLASS", "1001"))
    key("Down", "Down")
    wait_for("the Reader in another face", lambda: Screen().region(peek("client", "DRAWCLASS")) != before)


def switch_preferences():
    menu(2, 4)  # Perception: ..., Preferences
    on_exit = control_of("PREFCLASS", "5052", "Save preferences on exit")
    before = Screen().region(on_exit)
    click_centre(on_exit)
    wait_for("its box checked", lambda: Screen().region(peek("control", "PREFCLASS", "5052")) != before)
    positions = peek("control", "PREFCLASS", "5051")
    before = Screen().region(positions)
    click_centre(positions)
    wait_for("its box checked", lambda: Screen().region(peek("control", "PREFCLASS", "5051")) != before)


TOOL_CLASSES = ["NAVCLASS", "DRAWCLASS", "SPEEDCLASS", "FONTSCLASS", "COLORCLASS", "PREFCLASS"]


def exit_by_menu():
    places = {c: peek("window", c) for c in TOOL_CLASSES}
    key("F10", "Down", "Up", "Return")  # File: up from Open wraps to Exit
    wait_for("the program to end", lambda: program.poll() is not None)
    return places


def start_again(places, features):
    start_program()
    key("space")
    wait_for("the About window to go", lambda: not peek("client", "TAV_ABOUT"))
    if "saving" not in features:
        raise Skipped("nothing was saved at exit")
    s = settings_fields()
    expected = {"save on exit": (s[10], 1), "save window positions": (s[11], 1)}
    if "speed" in features:
        expected["rate"] = (s[0], 2998)
    if "colour" in features:
        expected["text colour"] = (tuple(s[2:5]), (255, 255, 0))
        expected["background"] = (tuple(s[5:8]), (0, 0, 0))
    if "fonts" in features:
        expected["face changed"] = (s[45] != "Times New Roman", True)
    wrong = ["%s %s, not %s" % (k, v[0], v[1]) for k, v in expected.items() if v[0] != v[1]]
    if wrong:
        raise StepFailed("tav.dat: " + "; ".join(wrong))
    # A tool window comes back within the MDI client's edge (2 pixels) of its
    # place: the saved offsets are taken from the frame without that edge.
    def near(a, b):
        return a and b and all(abs(p - q) <= 3 for p, q in zip(a, b))
    for c, place in places.items():
        if place:
            wait_for("%s back at %s" % (c, place), lambda: near(peek("window", c), place), 5)


def start_with_book():
    """Exit, and start again with a book named on the command line: the
    About window greets, the caption names the book, and the Navigation
    window, when it comes back, shows the book instead of the welcome text."""
    navigator = peek("client", "NAVCLASS")
    welcome = Screen().region(navigator) if navigator else None
    key("F10", "Down", "Up", "Return")
    wait_for("the program to end", lambda: program.poll() is not None)
    shutil.copy(os.path.join(RUN, "sample.txt"), os.path.join(RUN, "my book.txt"))
    start_program("my book.txt")
    wait_for("the caption to name my book.txt",
             lambda: peek("caption") == "Tavrin - File [ my book.txt ]")
    dismiss_about()
    if welcome:
        wait_for("the Navigator to show the book",
                 lambda: Screen().region(peek("client", "NAVCLASS")) != welcome)


def main():
    step("start with no tav.dat", fresh_start)
    step("dismiss the About window with a key", dismiss_about)
    step("File, Open by keyboard, the path typed", open_by_menu)
    step("open the Reader and the Navigation window", open_reading_windows)
    step("start reading with a click", start_reading)
    first_mark = step("stop with a click: the Navigator marks a word", stop_reading)
    step("click a word in the Navigator", lambda: pick_in_navigator(first_mark))
    step("resume from it, and stop", resume_and_stop)
    # What the settings file must hold at the next start, by the steps done.
    done = set()
    for feature, name, action in [
            ("speed", "set the rate with the Speed window's keys", set_rate),
            ("colour", "black background and yellow text by swatches", pick_colours),
            ("fonts", "another face in the Fonts window", choose_face),
            ("saving", "switch on saving preferences and window places", switch_preferences)]:
        if step(name, lambda: action() or True):
            done.add(feature)
    places = step("exit through the menu", exit_by_menu)
    step("start again: rate, colours, face and places came back", lambda: start_again(places, done))
    step("start with a book named on the command line", start_with_book)
    key("F10", "Down", "Up", "Return")
    wait_for("the program to end", lambda: program.poll() is not None)
    os.remove(os.path.join(SHOTS, "probe.png"))
    print("tour: all %d steps passed in %.1f s" % (step_number, time.monotonic() - started))


if __name__ == "__main__":
    main()
