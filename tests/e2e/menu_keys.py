#!/usr/bin/env python3
"""Alt+letter opens the main menu while the focus is in the view, whichever
page the property pane shows. The pages' labels use some of the menu
letters too ("リンク先 HRE&F=", "説明文 &ALT=" on the area page;
"マップを使用するH&TML文書", "説明文 AL&T=", "左右 &HSPACE=", "上下 &VSPACE=" on the
map page); those keys belong to the page only while the focus is inside it.

Each menu is first opened by Alt alone and its letter (the menu bar's own
walk, which no label can take), to learn where its pop-up shows; then the
same menu is asked for with Alt+letter from the view.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/menu_keys.py \\
           --zephyrmap build/zephyrmap
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Failure, Session, expect, make_png, wait_for  # noqa: E402

SIZE = (200, 150)
RGB = (255, 0, 255)
# The menus by their letters, and the page whose labels share the letter.
MAP_TAB_MENUS = {"t": "ツール(&T)", "h": "ﾍﾙﾌﾟ(&H)", "v": "表示(&V)"}
AREA_TAB_MENUS = {"f": "ﾌｧｲﾙ(&F)", "a": "エリア(&A)"}


def popups(app):
    """The geometries of the program's windows other than the main window: open menus."""
    return {app.geometry(w) for w in app.windows(".") if w != app.main}


def close_menus(app):
    app.keys("Escape", "Escape")  # the pop-up, then the menu bar's walk
    wait_for("the menu to close", lambda: not popups(app), timeout=3)


def menu_geometry(app, letter):
    app.menu(letter)
    geometry = wait_for(f"the menu of letter {letter} to open", lambda: popups(app), timeout=3)
    close_menus(app)
    return geometry


def focus_view(app, origin):
    """A click on the picture where there is no area: the view takes the focus and the area page
    selects the DEFAULT area's row, so that its fields and their labels are enabled."""
    app.click(origin[0] + 10, origin[1] + 10)


def expect_menu(app, letter, caption, geometry, page):
    app.keys(f"alt+{letter}")
    end = time.monotonic() + 1.5
    while time.monotonic() < end and popups(app) != geometry:
        time.sleep(0.05)
    opened = popups(app) == geometry
    if opened:
        close_menus(app)
    else:
        app.keys("Escape")
    expect(opened, f"Alt+{letter.upper()} with the focus in the view did not open the menu {caption}: "
                   f"with the {page} page shown, a label of that page took the key")


def test(session):
    picture = session.path("picture.png")
    make_png(picture, *SIZE, RGB)
    app = session.start()
    app.new_map("keys", picture, picture)
    origin = app.find_picture(RGB, SIZE)

    session.step("learn where each menu opens")
    geometries = {letter: menu_geometry(app, letter) for letter in {**MAP_TAB_MENUS, **AREA_TAB_MENUS}}

    failures = []
    session.step("Alt+letter from the view with the map page shown")
    for letter, caption in MAP_TAB_MENUS.items():
        focus_view(app, origin)
        try:
            expect_menu(app, letter, caption, geometries[letter], "map")
        except Failure as e:
            failures.append(str(e))

    session.step("Alt+letter from the view with the area page shown")
    app.keys("alt+n", "ctrl+Tab")  # into the pane by the map name, then to the "エリア" tab
    for letter, caption in AREA_TAB_MENUS.items():
        focus_view(app, origin)
        try:
            expect_menu(app, letter, caption, geometries[letter], "area")
        except Failure as e:
            failures.append(str(e))

    session.step("quit")
    focus_view(app, origin)
    app.quit(answer="discard")
    expect(not failures, "\n  ".join(failures))


if __name__ == "__main__":
    Session("menu-keys", sys.argv).run(test)
