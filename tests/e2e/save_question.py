#!/usr/bin/env python3
"""The question about changes when the editor is closed: an undo after the
HTML source was saved makes the map differ from what was saved, so File >
Exit asks; "テキストファイルに出力" (the default button) with its file dialog
cancelled keeps the program and the map open; asked again,
"Zephyrmap!形式で保存" on a map without a file asks for a name, saves, and
the program ends. The saved file is read back with zephyrmap-cli.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/save_question.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Session, expect, make_png, wait_for  # noqa: E402

SIZE = (200, 150)
RGB = (255, 0, 255)
QUESTION = "^Zephyrmap !$"


def ask_to_quit(app):
    app.menu("f", "x")
    return app.wait_window(QUESTION, "the question about changes")


def test(session):
    picture = session.path("picture.png")
    make_png(picture, *SIZE, RGB)

    session.step("new map, a rectangle, the source saved, then the rectangle undone")
    app = session.start()
    app.new_map("question", picture, picture)
    x, y = app.find_picture(RGB, SIZE)
    app.menu("a", "r")
    app.click(x + 20, y + 20)
    app.move_pointer(x + 60, y + 50)
    app.click(x + 100, y + 80)
    app.save_html_source(session.path("saved.html"))
    app.keys("ctrl+z")

    session.step("File > Exit asks; the text file choice, then Cancel in its file dialog")
    question = ask_to_quit(app)
    app.keys("Return", window=question)  # "テキストファイルに出力", the default button
    dialog = app.wait_window("^ソースコードをファイルに保存$", "the save-source dialog reached from the question")
    app.keys("Escape", window=dialog)
    app.wait_gone(dialog, "the save-source dialog")
    time.sleep(0.5)  # the program would be ending now if the cancel were taken for a yes
    app.check_alive()
    expect(app.windows(QUESTION) == [], "the question is still shown after its file dialog was cancelled")

    session.step("File > Exit asks again; the native format, named in the save-as dialog")
    question = ask_to_quit(app)
    app.keys("Tab", "Tab", "space", window=question)  # "Zephyrmap!形式で保存"
    native = session.path("kept.zmf")
    dialog = app.wait_window("^名前を付けて保存$", "the save-as dialog reached from the question")
    app.type(native, window=dialog)
    app.keys("Return", window=dialog)
    wait_for("the program to end after saving", lambda: app.proc.poll() is not None, timeout=10)
    expect(app.proc.returncode == 0, f"the program ended with code {app.proc.returncode}")

    session.step("the saved map holds no rectangle: the undo is in it")
    dump = session.cli_json("dump", native)
    expect([a["shape"] for a in dump["areas"]] == [3], f"the saved map holds the areas {dump['areas']}")
    expect(dump["mapName"] == "question", f"map name {dump['mapName']!r}")


if __name__ == "__main__":
    Session("save-question", sys.argv).run(test)
