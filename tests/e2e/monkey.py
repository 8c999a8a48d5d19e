#!/usr/bin/env python3
"""A monkey over the real editor: random clicks, drags, keys and menu letters
for two minutes (--seconds N), every dialog or message that comes up sent
away with Escape, and Ctrl+S after every 50 events. The editor must never
die, and every file it saves must read back with zephyrmap-cli.

The external programs are set to /bin/true beforehand, so that previews and
the help page start nothing. File > Exit is the one way the monkey may end
the program; it then starts it again on the last saved file. A failure
prints the seed (--seed N repeats a run) and the last events.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/monkey.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli [--seconds 120] [--seed N]
"""

import collections
import os
import random
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Failure, Session, expect, make_png, run, xdotool  # noqa: E402

SIZE = (320, 240)
RGB = (40, 200, 120)
SAVE_EVERY = 50
KEYS = ["Delete", "ctrl+Delete", "ctrl+z", "ctrl+y", "Left", "Right", "Up", "Down", "shift+Left", "Escape", "Tab",
        "shift+Tab", "Return", "BackSpace", "space", "ctrl+c", "ctrl+x", "ctrl+v", "ctrl+shift+v", "ctrl+d",
        "ctrl+l", "ctrl+n", "ctrl+h", "ctrl+b", "ctrl+o", "F5", "F6", "ctrl+p", "a", "b", "x", "1", "underscore",
        "ctrl+a", "Home", "End", "Page_Down"]
# Menus: Edit, Area, Tools and View, with any letter; File only for what does not end the program.
MENUS = ["e", "a", "t", "v"]
# The panes, and the tool bar, that float as windows of their own once dragged off.
DOCKS = "^(マッププロパティ|マップの検査|メイン)$"
FILE_LETTERS = ["n", "h", "c", "t", "u", "b", "o", "s", "a"]


def write_settings(session):
    """The external programs do nothing: a preview or the help page starts no browser."""
    os.makedirs(os.path.dirname(session.settings_file), exist_ok=True)
    with open(session.settings_file, "w") as f:
        f.write("[Settings]\n")
        for key in ("Browser", "Editor", "IMG_App", "HTML_App", "HTML_Editor", "IMG_Editor"):
            f.write(f"{key}=/bin/true\n")
        f.write("IMG_App_default=0\nHTML_App_default=0\n")


class Monkey:
    def __init__(self, session, seed, seconds):
        self.session = session
        self.random = random.Random(seed)
        self.seed = seed
        self.seconds = seconds
        self.recent = collections.deque(maxlen=40)
        self.saved = []
        self.picture = session.path("picture.png")
        self.native = session.path("monkey.zmf")
        self.app = None

    def start(self, *args):
        self.app = self.session.start(*args)
        self.app.move(self.app.main, 0, 0)

    def region(self):
        x, y, w, h = self.app.geometry(self.app.main)
        return x, y + 60, w, h - 60  # below the menu bar: its items are chosen by letters

    def others(self):
        """Dialogs, messages and menus: every window but the main one, its docked panes, which a
        double-click on their title sets floating, and its tool bar, which a drag can float."""
        docks = self.app.windows(DOCKS)
        return [w for w in self.app.windows(".") if w != self.app.main and w not in docks]

    def dismiss_others(self):
        """Escape to whatever the program put up, until only the main window is left."""
        for _ in range(8):
            others = self.others()
            if not others:
                return
            for window in others:
                run(["xdotool", "windowfocus", "--sync", window, "key", "Escape"], check=False)
            time.sleep(0.05)
        raise Failure(f"windows stay open after Escape:{self.app.other_windows()}")

    def event(self):
        kind = self.random.choice(["click", "click", "drag", "key", "key", "key", "menu", "double"])
        x, y, w, h = self.region()
        px, py = x + self.random.randrange(w), y + self.random.randrange(h)
        if kind == "click":
            self.recent.append(f"click {px},{py}")
            xdotool("mousemove", px, py, "click", 1)
        elif kind == "double":
            self.recent.append(f"double-click {px},{py}")
            xdotool("mousemove", px, py, "click", "--repeat", 2, "--delay", 40, 1)
        elif kind == "drag":
            qx, qy = x + self.random.randrange(w), y + self.random.randrange(h)
            self.recent.append(f"drag {px},{py} to {qx},{qy}")
            xdotool("mousemove", px, py, "mousedown", 1, "mousemove", (px + qx) // 2, (py + qy) // 2, "mousemove",
                    qx, qy, "mouseup", 1)
        elif kind == "key":
            key = self.random.choice(KEYS)
            self.recent.append(f"key {key}")
            xdotool("key", key)
        else:
            menu = self.random.choice(MENUS + ["f"])
            letter = self.random.choice(FILE_LETTERS if menu == "f" else "abcdefghijklmnopqrstuvwxyz0123")
            self.recent.append(f"menu {menu} {letter}")
            self.app.menu(menu, letter)
        time.sleep(0.02)

    def save(self):
        """Ctrl+S; a map without a file (after Ctrl+N, say) is given a new name."""
        self.recent.append("save")
        self.app.keys("ctrl+s")
        time.sleep(0.2)
        for window in self.others():
            name = xdotool("getwindowname", window)
            if name == "名前を付けて保存":
                path = self.session.path(f"monkey-{len(self.saved)}.zmf")
                self.app.keys("ctrl+a", window=window)
                self.app.type(path, window=window)
                self.app.keys("Return", window=window)
                self.saved.append(path)
                time.sleep(0.3)
        self.dismiss_others()
        for path in set(self.saved + [self.native]):
            if os.path.exists(path):
                done = run([self.session.cli, "dump", path], check=False)
                expect(done.returncode == 0, f"the saved file {path} does not read back: {done.stderr.decode()}")

    def ended(self):
        """The program may end by File > Exit only: then it starts again."""
        code = self.app.proc.poll()
        if code is None:
            return False
        expect(code == 0, f"the editor died with code {code}")
        self.recent.append("(ended by File > Exit; started again)")
        self.start(self.native)
        return True

    def go(self):
        end = time.monotonic() + self.seconds
        events = 0
        try:
            while time.monotonic() < end:
                self.app.focus()
                self.event()
                events += 1
                if self.ended():
                    continue
                self.dismiss_others()
                if events % SAVE_EVERY == 0:
                    self.save()
                self.ended()
        except Failure as e:
            raise Failure(f"{e}\nseed {self.seed}, after {events} events; the last ones:\n  " +
                          "\n  ".join(self.recent)) from e
        print(f"[monkey] {events} events, {len(self.saved) + 1} files saved and read back, seed {self.seed}")


def test(session, seed, seconds):
    write_settings(session)
    make_png(session.path("picture.png"), *SIZE, RGB)
    monkey = Monkey(session, seed, seconds)
    session.step(f"a new map, saved, then {seconds} s of random events (seed {seed})")
    monkey.start()
    monkey.app.new_map("monkey", monkey.picture, monkey.picture)
    monkey.app.save_native(monkey.native)
    monkey.go()


if __name__ == "__main__":
    options = dict(zip(sys.argv[1::2], sys.argv[2::2]))
    seconds = int(options.get("--seconds", 120))
    seed = int(options.get("--seed", time.time_ns() % 1000000))
    Session("monkey", sys.argv, total_seconds=seconds + 60).run(lambda s: test(s, seed, seconds))
