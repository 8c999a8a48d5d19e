#!/usr/bin/env python3
"""The editor in English, on a desktop whose language is English
(LANGUAGE=en): the menu bar reads File, Edit, Area, Tools, View, Help, and a
map is made, saved and opened again through those menus and their English
letters, then checked with zephyrmap-cli.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/english.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Screenshot, Session, expect, is_black, make_png, wait_for, xdotool  # noqa: E402

PICTURE_RGB = (0, 160, 255)
PICTURE_SIZE = (240, 160)
RECTANGLE = [(30, 20), (130, 90)]
MENUS = [("f", "File"), ("e", "Edit"), ("a", "Area"), ("t", "Tools"), ("v", "View"), ("h", "Help")]


def at(origin, point):
    return origin[0] + point[0], origin[1] + point[1]


def menu_names(app):
    """Each menu of the menu bar opened by its English letter; the names its pop-ups carry."""
    names = []
    for letter, _ in MENUS:
        before = set(app.windows("."))
        app.menu(letter)
        popup = wait_for(f"the menu of letter {letter} to open",
                         lambda: [w for w in app.windows(".") if w not in before], timeout=5)[0]
        names.append(xdotool("getwindowname", popup))
        app.keys("Escape", "Escape")
        app.wait_gone(popup, f"the menu of letter {letter}")
    return names


def draw_rectangle(app, origin):
    app.menu("a", "r")  # Area > Rectangle
    first, second = RECTANGLE
    app.click(*at(origin, first))
    app.move_pointer(*at(origin, (80, 50)))
    app.move_pointer(*at(origin, second))
    app.click(*at(origin, second))


def expect_outline(app, origin, what):
    probes = [(30, 35), (55, 20), (130, 75), (105, 90)]  # on the edges, away from the handles
    wait_for(f"the rectangle's outline {what}",
             lambda: all(is_black(Screenshot(), *at(origin, p)) for p in probes), timeout=5)


def save_as_through_the_menu(app, path):
    app.menu("f", "a")  # File > Save As...
    dialog = app.wait_window("^Save As$", "the save-as dialog")
    app.keys("ctrl+a", window=dialog)
    app.type(path, window=dialog)
    app.keys("Return", window=dialog)
    app.wait_gone(dialog, "the save-as dialog")
    wait_for(f"{path} to be written", lambda: os.path.exists(path))


def open_through_the_menu(app, path):
    app.menu("f", "o")  # File > Open...
    dialog = app.wait_window("^Open a Zephyrmap File$", "the open dialog")
    app.keys("ctrl+a", window=dialog)
    app.type(path, window=dialog)
    app.keys("Return", window=dialog)
    app.wait_gone(dialog, "the open dialog")


def test(session):
    picture = session.path("picture.png")
    page = session.path("page.html")
    native = session.path("english.zmf")
    make_png(picture, *PICTURE_SIZE, PICTURE_RGB)
    with open(page, "w") as f:
        f.write("<html><body><p>a page that uses the map</p></body></html>\n")

    session.step("start the editor in English")
    app = session.start()
    expect(app.title() == "Untitled - Zephyrmap !", f"window title {app.title()!r}")

    session.step("read the menu bar")
    names = menu_names(app)
    expect(names == [name for _, name in MENUS], f"the menus read {names}")

    session.step("File > New Map, then Area > Rectangle")
    app.menu("f", "n")
    app.fill_map_setup("englishmap", picture, page)
    origin = app.find_picture(PICTURE_RGB, PICTURE_SIZE)
    draw_rectangle(app, origin)
    expect_outline(app, origin, "after drawing")

    session.step("File > Save As")
    save_as_through_the_menu(app, native)
    expect(app.title() == "english.zmf - Zephyrmap !", f"window title {app.title()!r} after saving")

    session.step("File > Save HTML Source to File, in UTF-8 with LF")
    html = session.path("map.html")
    app.menu("f", "t")
    dialog = app.wait_window("^Save HTML Source$", "the save-source dialog")
    app.choose_in_file_dialog(dialog, html, 3, 1)
    wait_for(f"{html} to be written", lambda: os.path.exists(html))
    with open(html, "rb") as f:
        source = f.read()
    expect(b'<AREA SHAPE="rect" COORDS="30,20,130,90"' in source, f"the saved source: {source!r}")

    session.step("File > Exit")
    app.quit()

    session.step("start again and File > Open the saved map")
    app = session.start()
    open_through_the_menu(app, native)
    origin = app.find_picture(PICTURE_RGB, PICTURE_SIZE)
    expect_outline(app, origin, "after opening")
    expect(app.title() == "english.zmf - Zephyrmap !", f"window title {app.title()!r} after opening")
    dump = session.cli_json("dump", native)
    expect(dump["mapName"] == "englishmap", f"map name {dump['mapName']!r}")
    (x1, y1), (x2, y2) = RECTANGLE
    expect(dump["areas"][0]["points"] == [[x1, y1], [x2, y1], [x2, y2], [x1, y2]],
           f"the rectangle read back: {dump['areas'][0]}")

    session.step("quit")
    app.quit()


if __name__ == "__main__":
    Session("english", sys.argv, language="en").run(test)
