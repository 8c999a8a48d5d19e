#!/usr/bin/env python3
"""Typing after a save is not lost, and the clipboard is not trusted at exit.

A rectangle is drawn and the map saved; on the area page "X" is typed into
ALT, Ctrl+S saves, "Y" is typed with the focus still in the field, and the
focus moves on to TARGET. File > Exit must ask about the changes. The
question's "クリップボードに出力" would lose the map on this X server, which
runs no clipboard manager: the program says so and stays. Asked again,
"Zephyrmap!形式で保存" saves, and the saved map holds ALT "XY".

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/episodes.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Session, expect, make_png, wait_for  # noqa: E402

SIZE = (200, 150)
RGB = (0, 160, 255)
QUESTION = "^Zephyrmap !$"
WARNING = "^Zephyrmap!$"


def ask_to_quit(app):
    app.menu("f", "x")
    return app.wait_window(QUESTION, "the question about changes")


def test(session):
    picture = session.path("picture.png")
    make_png(picture, *SIZE, RGB)
    native = session.path("map.zmf")

    session.step("a new map with a rectangle, saved")
    app = session.start()
    app.new_map("episodes", picture, picture)
    x, y = app.find_picture(RGB, SIZE)
    app.menu("a", "r")
    app.click(x + 20, y + 20)
    app.move_pointer(x + 60, y + 50)
    app.click(x + 100, y + 80)
    app.save_native(native)

    session.step("X into ALT, Ctrl+S, then Y with the focus still there, then on to TARGET")
    app.move_pointer(x + 60, y + 50)
    app.click(x + 60, y + 50)
    app.keys("alt+n", "ctrl+Tab")  # into the pane, then the area tab
    app.keys("alt+g", "shift+Tab")  # TARGET, then back to ALT
    app.type("X")
    app.keys("ctrl+s")
    wait_for("the save to hold X", lambda: session.cli_json("dump", native)["areas"][0]["alt"] == "X")
    app.type("Y")
    app.keys("Tab")  # TARGET

    session.step("File > Exit asks; the clipboard would not outlive the program, which says so and stays")
    question = ask_to_quit(app)
    app.keys("Tab", "space", window=question)  # "クリップボードに出力"
    warning = app.wait_window(WARNING, "the warning that the clipboard would be lost")
    app.keys("Return", window=warning)
    app.wait_gone(warning, "the warning")
    time.sleep(0.5)
    app.check_alive()

    session.step("asked again, the native format saves, and the program ends")
    question = ask_to_quit(app)
    app.keys("Tab", "Tab", "space", window=question)  # "Zephyrmap!形式で保存"
    wait_for("the program to end after saving", lambda: app.proc.poll() is not None, timeout=10)
    expect(app.proc.returncode == 0, f"the program ended with code {app.proc.returncode}")
    areas = session.cli_json("dump", native)["areas"]
    expect(areas[0]["alt"] == "XY", f"the saved map holds ALT {areas[0]['alt']!r}, not 'XY'")


if __name__ == "__main__":
    Session("episodes", sys.argv).run(test)
