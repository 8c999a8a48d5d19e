"""Drives the real editor under a virtual X server, as a person would.

The tests run under `xvfb-run` with no window manager: a window manager
would add nothing the tests need and another program to install and wait
for. Without one, windows appear where they ask to be (a "maximised" window
keeps the size Qt gives it), and a window gets the keyboard only when it is
given the focus: every key sequence starts by focusing its window
(`xdotool windowfocus --sync`), which Qt takes as the window being
activated. Menus are opened with Alt alone and then their letters, which
walks the menu bar itself; Alt+letter is shared with the property pages'
labels. Where the pictures and outlines are is read off screenshots
(ImageMagick's `import`): each test's picture is of one plain colour.

Each test gets its own temporary HOME and XDG folders, so the program starts
from its default settings and never touches the user's. The program speaks
Japanese (LANGUAGE=ja, as a Japanese desktop sets it) unless the test asks for
English (LANGUAGE=en); the words the tests look for are in WORDS. Every process a test
starts is ended when the test ends, however it ends; on a failure the screen
is kept (--artifacts FOLDER) with the temporary folder and the programs' logs.
"""

import json
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import traceback
import zlib

SKIP = 77  # ctest's SKIP_RETURN_CODE for these tests
MAIN_TITLE = r" - Zephyrmap !$"
POLL = 0.05
# xdotool reads the text it types in the locale's encoding.
os.environ["LC_ALL"] = "C.UTF-8"
# Positions in the save-source dialog's lists: ShiftJIS, JIS, EUC, "UTF-8 (シグニチャコード無し)", ...;
# "CR+LF (Windows)", "LF (UNIX)", "CR (Macintosh)".
SAVE_UTF8 = 3
SAVE_LF = 1
# The program's words and keys the tests use, in each of its languages.
WORDS = {
    "ja": {"setup": "^マップの初期設定$", "save source": "^ソースコードをファイルに保存$",
           "open html": "^HTMLファイルから開く$", "save as": "^名前を付けて保存$", "encoding": "alt+j",
           "line ends": "alt+l", "untitled": "無題"},
    "en": {"setup": "^New Map$", "save source": "^Save HTML Source$", "open html": "^Open from HTML File$",
           "save as": "^Save As$", "encoding": "alt+e", "line ends": "alt+l", "untitled": "Untitled"},
}


class Failure(Exception):
    """A step that did not do what a person would expect."""


def require_tools():
    """Ends the test as skipped when the desktop tools are not there."""
    missing = [t for t in ("xdotool", "import", "xclip") if not shutil.which(t)]
    if not os.environ.get("DISPLAY"):
        missing.append("an X display (run under xvfb-run)")
    if missing:
        print("SKIP: end-to-end test needs " + ", ".join(missing))
        sys.exit(SKIP)


def run(args, timeout=10, check=True):
    try:
        done = subprocess.run(args, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired as e:
        raise Failure(f"'{' '.join(args)}' did not finish within {timeout} s") from e
    if check and done.returncode != 0:
        raise Failure(f"'{' '.join(args)}' failed ({done.returncode}): {done.stderr.decode(errors='replace')}")
    return done


def xdotool(*args, timeout=10):
    return run(["xdotool", *map(str, args)], timeout=timeout).stdout.decode().strip()


def wait_for(what, probe, timeout=10):
    """Polls `probe` until it returns something true; fails naming `what`."""
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(POLL)


def make_png(path, width, height, rgb, mark=None):
    """Writes a plain RGB PNG of one colour: a picture whose pixels are easy to find on the screen.
    `mark`, (left, top, side, rgb), adds a square of another colour that tells where the picture lies."""
    row = b"\x00" + bytes(rgb) * width
    rows = [row] * height
    if mark:
        left, top, side, mark_rgb = mark
        marked = b"\x00" + bytes(rgb) * left + bytes(mark_rgb) * side + bytes(rgb) * (width - left - side)
        rows[top:top + side] = [marked] * side
    raw = b"".join(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) +
                chunk(b"IEND", b""))


class Screenshot:
    """The whole screen as RGB bytes."""

    def __init__(self):
        data = run(["import", "-window", "root", "-depth", "8", "ppm:-"]).stdout
        magic, width, height, _, pixels = data.split(maxsplit=4)
        if magic != b"P6":
            raise Failure("the screenshot is not a PPM picture")
        self.width, self.height, self.pixels = int(width), int(height), pixels

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def box_of(self, rgb, region):
        """The smallest box (left, top, right, bottom; inclusive) holding every pixel of colour `rgb` in
        `region`, or None."""
        left, top, width, height = region
        target = bytes(rgb)
        xs, ys = [], []
        for y in range(max(0, top), min(self.height, top + height)):
            start = (y * self.width + max(0, left)) * 3
            row = self.pixels[start:start + min(width, self.width - max(0, left)) * 3]
            first = next((i for i in _find_all(row, target) if i % 3 == 0), None)
            if first is None:
                continue
            last = next(i for i in _rfind_all(row, target) if i % 3 == 0)
            xs += [left + first // 3, left + last // 3]
            ys.append(y)
        if not xs:
            return None
        return min(xs), min(ys), max(xs), max(ys)


def _find_all(data, target):
    i = data.find(target)
    while i != -1:
        yield i
        i = data.find(target, i + 1)


def _rfind_all(data, target):
    i = data.rfind(target)
    while i != -1:
        yield i
        i = data.rfind(target, 0, i + len(target) - 1)


class Session:
    """One test: its temporary folders, the programs it starts, and their end."""

    def __init__(self, name, argv, total_seconds=50, language="ja"):
        require_tools()
        self.words = WORDS[language]
        args = dict(zip(argv[1::2], argv[2::2]))
        self.name = name
        self.zephyrmap = os.path.abspath(args.get("--zephyrmap", "build/zephyrmap"))
        self.cli = os.path.abspath(args.get("--cli", "build/zephyrmap-cli"))
        self.artifacts = os.path.abspath(args["--artifacts"]) if "--artifacts" in args else None
        self.shots = os.path.abspath(args["--shots"]) if "--shots" in args else None
        self.steps = 0
        self.root = tempfile.mkdtemp(prefix=f"zm-e2e-{name}-")
        self.home = os.path.join(self.root, "home")
        self.work = os.path.join(self.root, "work")
        os.makedirs(self.work)
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                        XDG_DATA_HOME=os.path.join(self.home, ".local/share"),
                        XDG_CACHE_HOME=os.path.join(self.home, ".cache"), XDG_RUNTIME_DIR=runtime,
                        QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        for key in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_STYLE_OVERRIDE",
                    "LANGUAGE", "LANG", "LC_MESSAGES"):
            self.env.pop(key, None)
        # The desktop's first language chooses: Japanese as a Japanese desktop sets it, English for any other.
        self.env["LANGUAGE"] = "en" if language == "en" else "ja"
        self.apps = []
        # The X server resets whenever its last client leaves, and a program that connects during the reset
        # is turned away: one idle connection stays open for the whole test.
        self.keeper = subprocess.Popen(["xdotool", "sleep", str(total_seconds + 10)])
        self.total_seconds = total_seconds
        self.step_name = "start"

    @property
    def settings_file(self):
        return os.path.join(self.home, ".config", "Nimbleworks", "Zephyrmap!.conf")

    def path(self, name):
        return os.path.join(self.work, name)

    def step(self, text):
        """Starts a step; with --shots FOLDER the screen as the step begins is kept there."""
        self.step_name = text
        self.steps += 1
        print(f"[{self.name}] {text}", flush=True)
        if self.shots:
            os.makedirs(self.shots, exist_ok=True)
            run(["import", "-window", "root", os.path.join(self.shots, f"{self.name}-{self.steps:02d}.png")])

    def start(self, *args):
        app = App(self, *args)
        self.apps.append(app)
        return app

    def run(self, body):
        """Runs `body(session)`; prints the outcome and exits with the test's code."""
        def too_long(*_):
            raise Failure(f"the test did not finish within {self.total_seconds} s")

        def terminated(*_):
            raise Failure("the test was stopped from outside")

        signal.signal(signal.SIGALRM, too_long)
        signal.signal(signal.SIGTERM, terminated)
        signal.alarm(self.total_seconds)
        started = time.monotonic()
        code = 0
        try:
            body(self)
            print(f"[{self.name}] passed in {time.monotonic() - started:.1f} s")
        except Failure as e:
            code = 1
            print(f"[{self.name}] FAILED at step '{self.step_name}': {e}", flush=True)
            self.keep_evidence()
        except Exception:  # a fault of the test itself: still end the programs
            code = 1
            traceback.print_exc()
            print(f"[{self.name}] FAILED at step '{self.step_name}' with an error of the test", flush=True)
        finally:
            signal.alarm(0)
            self.end_programs()
        if code == 0:
            shutil.rmtree(self.root, ignore_errors=True)
        else:
            print(f"[{self.name}] files kept in {self.root}")
        sys.exit(code)

    def keep_evidence(self):
        folder = self.artifacts or self.root
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, f"{self.name}-failure.png")
        if run(["import", "-window", "root", path], check=False).returncode == 0:
            print(f"[{self.name}] screen at the failure: {path}")

    def end_programs(self):
        for app in self.apps:
            app.end()
        self.keeper.kill()
        self.keeper.wait()

    def cli_json(self, *args):
        done = run([self.cli, *args], check=False)
        if done.returncode != 0:
            raise Failure(f"zephyrmap-cli {' '.join(args)} failed: {done.stderr.decode(errors='replace')}")
        return json.loads(done.stdout)


class App:
    """One running editor and its windows."""

    def __init__(self, session, *args):
        self.session = session
        self.log = open(os.path.join(session.root, f"zephyrmap-{len(session.apps) + 1}.log"), "wb")
        self.proc = subprocess.Popen([session.zephyrmap, *args], env=session.env, stdout=self.log,
                                     stderr=subprocess.STDOUT, cwd=session.work)
        self.main = self.wait_window(MAIN_TITLE, "the main window")

    # ---- Windows ----

    def windows(self, title):
        """The visible windows of this program whose names match the regular expression `title`. The names
        are compared here: xdotool's search joins --pid and --name with "or" unless told --all, and its own
        matching of a Japanese name works on bytes."""
        done = run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.proc.pid)], check=False)
        found = []
        for window in done.stdout.decode().split():
            name = run(["xdotool", "getwindowname", window], check=False).stdout.decode().strip()
            if re.search(title, name):
                found.append(window)
        return found

    def wait_window(self, title, what, timeout=10):
        """Waits for a visible window of this program whose name matches the regular expression `title`."""
        def probe():
            self.check_alive()
            return self.windows(title)

        try:
            return wait_for(f"{what} ('{title}')", probe, timeout)[0]
        except Failure as e:
            raise Failure(f"{e}{self.other_windows()}") from e

    def wait_gone(self, window, what, timeout=10):
        wait_for(f"{what} to close", lambda: window not in self.windows("."), timeout)

    def other_windows(self):
        names = [xdotool("getwindowname", w) for w in self.windows(".")]
        return "; windows shown: " + ", ".join(f"'{n}'" for n in names) if names else ""

    def geometry(self, window):
        values = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window).splitlines())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def move(self, window, x, y):
        xdotool("windowmove", "--sync", window, x, y)

    def resize(self, window, width, height):
        """Gives the window a size, as a person (or a window manager) would."""
        xdotool("windowsize", window, width, height)
        wait_for(f"the window to become {width} x {height}",
                 lambda: self.geometry(window)[2:] == (width, height), timeout=5)

    def title(self):
        return xdotool("getwindowname", self.main)

    # ---- Input ----

    def focus(self, window=None):
        self.check_alive()
        xdotool("windowfocus", "--sync", window or self.main)

    def keys(self, *keys, window=None):
        self.focus(window)
        xdotool("key", "--delay", 20, *keys)

    def type(self, text, window=None):
        self.focus(window)
        if text.isascii():
            xdotool("type", "--delay", 10, text)
            return
        # xdotool types a character the keyboard lacks by mapping a spare key to it for the moment;
        # the next such character maps the same key anew, and a program that has not yet read the
        # new mapping would take the key for the old character. One at a time, with a pause.
        # xdotool keeps the key mapped for its delay after each key, so a long one lets the program
        # read the key before the mapping goes back.
        for character in text:
            xdotool("type", "--delay", 10 if character.isascii() else 150, character)

    def menu(self, *letters):
        """Opens a menu of the main window by its letter and chooses an item by its letter."""
        self.focus()
        xdotool("key", "--delay", 40, "alt", *letters)

    def look_at_menu(self, letter):
        """Opens a menu of the main window and closes it again. Once its pop-up shows, the program has
        handled everything that came before (a clipboard change from another program, say), and the menu
        has brought its commands' enable states up to date, so that their keys work at once."""
        before = set(self.windows("."))
        self.menu(letter)
        popup = wait_for(f"the menu of letter {letter} to open",
                         lambda: [w for w in self.windows(".") if w not in before], timeout=5)[0]
        self.keys("Escape", "Escape")
        self.wait_gone(popup, f"the menu of letter {letter}")

    # The pointer is moved and clicked by one xdotool, so that the click lands where the pointer went.
    # (mousemove --sync would wait for ever when the pointer is already there.)
    def click(self, x, y, count=1):
        xdotool("mousemove", x, y, "click", "--repeat", count, "--delay", 60, 1)

    def move_pointer(self, x, y):
        xdotool("mousemove", x, y)

    # ---- The program's own dialogs ----

    def new_map(self, name, picture, document):
        """File > New: the set-up dialog filled through its labels' keys."""
        self.keys("ctrl+n")
        self.fill_map_setup(name, picture, document)

    def fill_map_setup(self, name, picture, document):
        """The set-up dialog of a new map, however it was opened, filled through its labels' keys."""
        dialog = self.wait_window(self.session.words["setup"], "the map set-up dialog")
        self.type(name, window=dialog)
        self.keys("alt+s", window=dialog)
        self.type(picture, window=dialog)
        self.keys("alt+h", window=dialog)
        self.type(document, window=dialog)
        self.keys("Return", window=dialog)
        self.wait_gone(dialog, "the map set-up dialog")

    def choose_in_file_dialog(self, dialog, path, encoding_item=None, line_end_item=None):
        """Picks the encoding and line-end items by their positions in the lists (the first item, then
        Down), then types the path."""
        if encoding_item is not None:
            self.keys(self.session.words["encoding"], "Home", *["Down"] * encoding_item, window=dialog)
        if line_end_item is not None:
            self.keys(self.session.words["line ends"], "Home", *["Down"] * line_end_item, window=dialog)
        self.keys("alt+n", window=dialog)  # the file name box
        self.keys("ctrl+a", window=dialog)
        self.type(path, window=dialog)
        self.keys("Return", window=dialog)
        self.wait_gone(dialog, f"the file dialog for {path}")

    def save_html_source(self, path, encoding_item=SAVE_UTF8, line_end_item=SAVE_LF):
        """Ctrl+L into `path`; UTF-8 without signature and LF unless told otherwise."""
        self.keys("ctrl+l")
        dialog = self.wait_window(self.session.words["save source"], "the save-source dialog")
        self.choose_in_file_dialog(dialog, path, encoding_item, line_end_item)
        wait_for(f"{path} to be written", lambda: os.path.exists(path))

    def open_html_file(self, path):
        """Ctrl+H with automatic encoding."""
        self.keys("ctrl+h")
        dialog = self.wait_window(self.session.words["open html"], "the open-from-HTML dialog")
        self.choose_in_file_dialog(dialog, path)

    def save_native(self, path):
        """Ctrl+S on a map without a file asks for a name."""
        self.keys("ctrl+s")
        dialog = self.wait_window(self.session.words["save as"], "the save-as dialog")
        self.keys("ctrl+a", window=dialog)
        self.type(path, window=dialog)
        self.keys("Return", window=dialog)
        self.wait_gone(dialog, "the save-as dialog")
        wait_for(f"{path} to be written", lambda: os.path.exists(path))

    def quit(self, answer=None):
        """File > Exit. `answer` is the button of the save-changes question to press when it is expected
        ('discard'); without one the question is a failure."""
        self.menu("f", "x")
        end = time.monotonic() + 10
        while self.proc.poll() is None:
            question = self.windows("^Zephyrmap !$")
            if question:
                if answer != "discard":
                    self.keys("Tab", "Tab", "Tab", "space", window=question[0])  # 変更を破棄, to end the program
                    raise Failure("closing asked whether to save changes, although the map had been put out")
                self.keys("Tab", "Tab", "Tab", "space", window=question[0])
                answer = None
            if time.monotonic() > end:
                raise Failure(f"the program did not end within 10 s after File > Exit{self.other_windows()}")
            time.sleep(POLL)
        if self.proc.returncode != 0:
            raise Failure(f"the program ended with code {self.proc.returncode}")

    # ---- The view ----

    def find_picture(self, rgb, size, timeout=10):
        """The screen position of the picture's top-left pixel, found by its colour in the main window."""
        region = self.geometry(self.main)

        def probe():
            self.refuse_message_boxes()
            box = Screenshot().box_of(rgb, region)
            if box and (box[2] - box[0] + 1, box[3] - box[1] + 1) == size:
                return box[0], box[1]
            return None

        return wait_for(f"the {size[0]}x{size[1]} picture to show in the view", probe, timeout)

    def refuse_message_boxes(self):
        """Fails when the program shows a message box (its captions are the product's name)."""
        if self.windows("^Zephyrmap ?!$"):
            raise Failure("the program showed a message box where none was expected (see the screen)")

    # ---- Life ----

    def check_alive(self):
        code = self.proc.poll()
        if code is not None:
            raise Failure(f"the program ended unexpectedly with code {code}")

    def end(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(3)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait(3)
        self.log.close()


def expect(condition, message):
    if not condition:
        raise Failure(message)


def is_black(shot, x, y, reach=1):
    """Whether a black outline pixel lies within `reach` pixels of (x, y)."""
    return any(shot.pixel(x + dx, y + dy) == (0, 0, 0)
               for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1))

