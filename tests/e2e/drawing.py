#!/usr/bin/env python3
"""Drawing as editors do today, through the real editor: Escape gives up a
rectangle half drawn and a new one drawn elsewhere is the only one saved;
press, drag and let go draws a rectangle; a rubber band takes two areas,
which move together and come back together with one undo; Ctrl with the
wheel enlarges the picture around the pointer. The picture is larger than
the window, so that the view scrolls; a small square of another colour at
(300, 200) tells where it is on the screen.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/drawing.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Screenshot, Session, expect, make_png, wait_for, xdotool  # noqa: E402

SIZE = (1600, 1200)
RGB = (250, 220, 40)
MARK_RGB = (20, 40, 200)
MARK = (300, 200, 20)  # left, top, side


def find_mark(app, side):
    """The screen box of the marked square drawn about `side` pixels wide (a scaled picture's edges are
    blended, so a pixel or two of them is not quite the colour)."""
    region = app.geometry(app.main)

    def probe():
        box = Screenshot().box_of(MARK_RGB, region)
        return box if box and side - 3 <= box[2] - box[0] + 1 <= side else None

    return wait_for(f"the mark drawn {side} pixels wide", probe, timeout=10)


def rects(session, native):
    areas = session.cli_json("dump", native)["areas"]
    return [a["coords"] for a in areas if a["shape"] == 2]


def save(app, session, native, expected):
    app.keys("ctrl+s")
    wait_for(f"the saved map to hold {expected}", lambda: rects(session, native) == expected)


def drag(frm, to):
    xdotool("mousemove", *frm, "mousedown", 1, "mousemove", (frm[0] + to[0]) // 2, (frm[1] + to[1]) // 2,
            "mousemove", *to, "mouseup", 1)


def test(session):
    picture = session.path("picture.png")
    make_png(picture, *SIZE, RGB, mark=(*MARK, MARK_RGB))
    native = session.path("drawing.zmf")
    app = session.start()
    app.new_map("drawing", picture, picture)
    box = find_mark(app, MARK[2])
    x, y = box[0] - MARK[0], box[1] - MARK[1]  # the picture's corner on the screen
    app.save_native(native)

    session.step("a rectangle begun, given up with Escape, then one drawn elsewhere")
    app.menu("a", "r")
    app.click(x + 20, y + 20)
    app.move_pointer(x + 80, y + 70)
    app.keys("Escape")
    app.click(x + 150, y + 100)
    app.move_pointer(x + 180, y + 140)
    app.click(x + 200, y + 150)
    save(app, session, native, ["150,100,200,150"])

    session.step("press, drag and let go draws a rectangle")
    app.menu("a", "r")
    drag((x + 20, y + 20), (x + 70, y + 60))
    save(app, session, native, ["150,100,200,150", "20,20,70,60"])

    session.step("a rubber band takes both; they move together and come back with one undo")
    app.keys("Escape")
    drag((x + 10, y + 10), (x + 210, y + 160))
    time.sleep(0.2)
    drag((x + 30, y + 30), (x + 40, y + 40))
    save(app, session, native, ["160,110,210,160", "30,30,80,70"])
    app.keys("ctrl+z")
    save(app, session, native, ["150,100,200,150", "20,20,70,60"])

    session.step("Ctrl with the wheel enlarges the picture around the pointer")
    app.keys("Escape")
    pointer = (box[0] + 10, box[1] + 10)  # the mark's middle
    app.move_pointer(*pointer)
    app.focus()
    xdotool("keydown", "ctrl", "click", 4, "keyup", "ctrl")
    bigger = find_mark(app, MARK[2] * 3 // 2)
    expect(bigger[0] <= pointer[0] <= bigger[2] and bigger[1] <= pointer[1] <= bigger[3],
           f"the mark, now at {bigger}, left the pointer at {pointer}")
    app.quit()


if __name__ == "__main__":
    Session("drawing", sys.argv).run(test)
