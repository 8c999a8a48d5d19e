#!/usr/bin/env python3
"""Precise work at 800 %, through the real editor: a rectangle drawn with the tool's letter, the
picture enlarged eight times around a mark with Ctrl and the wheel, the rectangle's corner handle
dragged by whole picture pixels (every number saved exact), the picture moved with Space held and
the left button (the map untouched), and the rectangle's numbers typed on the area page, undone
with one Ctrl+Z.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/precise.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Screenshot, Session, expect, make_png, wait_for, xdotool  # noqa: E402

SIZE = (200, 160)  # larger than the window at 800 %, so that it scrolls
RGB = (250, 220, 40)
MARK_RGB = (20, 40, 200)
MARK = (60, 50, 5)  # left, top, side
ZOOM = 8


def find_mark(app, side, slack=0):
    """The screen box of the mark when it is drawn `side` pixels wide: enlarged pictures keep hard pixel
    edges, so at a whole factor the mark's edge is exact."""
    region = app.geometry(app.main)

    def probe():
        box = Screenshot().box_of(MARK_RGB, region)
        fits = box and all(abs(length - side) <= slack for length in (box[2] - box[0] + 1, box[3] - box[1] + 1))
        return box if fits else None

    return wait_for(f"the mark drawn {side} pixels wide", probe, timeout=10)


def rects(session, native):
    areas = session.cli_json("dump", native)["areas"]
    return [a["coords"] for a in areas if a["shape"] == 2]


def save(app, session, native, expected):
    app.keys("ctrl+s")
    wait_for(f"the saved map to hold {expected}", lambda: rects(session, native) == expected)


def test(session):
    picture = session.path("picture.png")
    make_png(picture, *SIZE, RGB, mark=(*MARK, MARK_RGB))
    native = session.path("precise.zmf")
    app = session.start()
    app.new_map("precise", picture, picture)
    box = find_mark(app, MARK[2])
    x, y = box[0] - MARK[0], box[1] - MARK[1]
    app.save_native(native)

    session.step("R chooses the rectangle tool in the view; a rectangle drawn at 100 %")
    app.click(x + 60, y + 60)  # the view takes the focus; the select tool draws nothing
    app.keys("r")
    app.click(x + 20, y + 20)
    app.move_pointer(x + 30, y + 30)
    app.click(x + 40, y + 40)
    save(app, session, native, ["20,20,40,40"])

    session.step("Ctrl with the wheel enlarges the picture eight times, the pointer kept on the mark")
    app.keys("v")
    mark = box
    for factor in (1.5, 2, 3, 4, 6, 8):  # a picture smaller than the window is centred: follow the mark
        app.move_pointer((mark[0] + mark[2]) // 2, (mark[1] + mark[3]) // 2)
        xdotool("keydown", "ctrl", "click", 4, "keyup", "ctrl")
        mark = find_mark(app, MARK[2] * factor, slack=1)
    big = find_mark(app, MARK[2] * ZOOM)
    ox, oy = big[0] - MARK[0] * ZOOM, big[1] - MARK[1] * ZOOM  # the picture's corner on the screen

    session.step("the rectangle's lower right handle dragged by five and seven picture pixels")
    app.click(ox + 30 * ZOOM, oy + 30 * ZOOM)  # selects it; its handles show
    time.sleep(0.2)
    corner = (ox + 40 * ZOOM, oy + 40 * ZOOM)
    to = (corner[0] + 5 * ZOOM, corner[1] + 7 * ZOOM)
    xdotool("mousemove", *corner, "mousedown", 1, "mousemove", corner[0] + 8, corner[1] + 8,
            "mousemove", *to, "mouseup", 1)
    save(app, session, native, ["20,20,45,47"])

    session.step("Space held with the left button moves the picture, not the rectangle")
    start = (ox + 70 * ZOOM, oy + 50 * ZOOM)
    xdotool("mousemove", *start, "keydown", "space", "mousedown", 1, "mousemove", start[0] + 20, start[1] + 10,
            "mousemove", start[0] + 60, start[1] + 40, "mouseup", 1, "keyup", "space")
    moved = find_mark(app, MARK[2] * ZOOM)
    expect((moved[0] - big[0], moved[1] - big[1]) == (60, 40),
           f"the mark went from {big[:2]} to {moved[:2]}, not 60 and 40 pixels down and right")
    save(app, session, native, ["20,20,45,47"])

    session.step("the rectangle's numbers typed on the area page; one Ctrl+Z takes them back")
    app.keys("alt+n", "ctrl+Tab")  # into the pane, then the area tab
    app.keys("alt+c", "ctrl+a")
    app.type("30, 25, 10, 12")
    app.keys("Return")
    save(app, session, native, ["30,25,40,37"])
    app.keys("ctrl+z")
    save(app, session, native, ["20,20,45,47"])
    app.quit()


if __name__ == "__main__":
    Session("precise", sys.argv).run(test)
