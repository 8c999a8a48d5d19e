#!/usr/bin/env python3
"""An area copied in one running editor and pasted in another, through the
system clipboard: Ctrl+C on the selected rectangle in the first; in the
second, Ctrl+V (paste without attributes) and Ctrl+Shift+V (paste with
attributes), each placed by a click where the pointer stands. The block on
the clipboard is read with xclip, and the second editor's map is saved and
read back with zephyrmap-cli. Then the whole map goes across as HTML text:
Ctrl+D in the first, Ctrl+B with the HTML document named in the second.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/two_instances.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Screenshot, Session, expect, is_black, make_png, run, wait_for  # noqa: E402

SIZE = (300, 200)
FIRST_RGB = (255, 0, 255)
SECOND_RGB = (0, 255, 255)
RECTANGLE = [(40, 30), (140, 90)]  # 100 x 60, centre (90, 60)
LINK = "linked.html"
AREA_TYPE = "application/x-zephyrmap-area"
# Where the two pastes are placed in the second map, and the rectangles they give.
PLAIN_AT = (150, 100)
PLAIN = [[100, 70], [200, 70], [200, 130], [100, 130]]
WITH_ATTRIBUTES_AT = (230, 165)
WITH_ATTRIBUTES = [[180, 135], [280, 135], [280, 195], [180, 195]]


def at(origin, point):
    return origin[0] + point[0], origin[1] + point[1]


def start_with_map(session, name, rgb, window_x):
    picture = session.path(f"{name}.png")
    page = session.path(f"{name}.html")
    make_png(picture, *SIZE, rgb)
    with open(page, "w") as f:
        f.write("<html><body></body></html>\n")
    app = session.start()
    app.move(app.main, window_x, 0)  # side by side: without a window manager both would open at 0,0
    app.new_map(name, picture, page)
    return app, app.find_picture(rgb, SIZE)


def clipboard_targets():
    done = run(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"], check=False)
    return done.stdout.decode(errors="replace").split() if done.returncode == 0 else []


def check_block(block):
    """The copied rectangle as the other program reads it: header, texts, path flag, points, final 0."""
    expect(len(block) == 41 + len(LINK) + 8 * 4, f"the clipboard block has {len(block)} bytes")
    marker, h, a, t, o, n, shape, nohref = struct.unpack_from("<8i", block)
    expect((marker, h, a, t, o, n, shape, nohref) == (1, len(LINK), 0, 0, 0, 4, 2, 0),
           f"clipboard header {(marker, h, a, t, o, n, shape, nohref)}")
    expect(block[32:32 + h + 1] == LINK.encode() + b"\0", f"clipboard HREF {block[32:32 + h + 1]!r}")
    points = struct.unpack_from("<8i", block, 40 + h)
    (x1, y1), (x2, y2) = RECTANGLE
    expect(list(points) == [x1, y1, x2, y1, x2, y2, x1, y2], f"clipboard points {points}")
    expect(block[-1:] == b"\0", "the clipboard block does not end with a 0 byte")


def test(session):
    session.step("start two editors, each with a new map")
    first, first_origin = start_with_map(session, "first", FIRST_RGB, 0)
    second, second_origin = start_with_map(session, "second", SECOND_RGB, 800)

    session.step("draw a rectangle in the first and give it a link")
    first.menu("a", "r")
    first.click(*at(first_origin, RECTANGLE[0]))
    first.move_pointer(*at(first_origin, (90, 60)))
    first.click(*at(first_origin, RECTANGLE[1]))
    first.keys("alt+n", "ctrl+Tab", "alt+g", "shift+Tab", "shift+Tab", "shift+Tab")  # to HREF on the area page
    first.type(LINK)

    session.step("copy the rectangle in the first (select it in the view, Ctrl+C)")
    first.click(*at(first_origin, (60, 40)))  # the view takes the focus; the rectangle stays selected
    first.keys("ctrl+c")
    wait_for("the area on the clipboard", lambda: AREA_TYPE in clipboard_targets(), timeout=5)
    check_block(run(["xclip", "-selection", "clipboard", "-t", AREA_TYPE, "-o"]).stdout)

    session.step("paste it twice in the second: Ctrl+V, then Ctrl+Shift+V")
    second.look_at_menu("e")  # 編集: the paste commands are there now
    for keys, target in (("ctrl+v", PLAIN_AT), ("ctrl+shift+v", WITH_ATTRIBUTES_AT)):
        second.move_pointer(*at(second_origin, target))
        second.keys(keys)
        second.click(*at(second_origin, target))  # the pasted outline is placed where it stands
    # Points on the edges, away from the handles of the second rectangle, which is selected.
    edges = ((100, 100), (150, 70), (180, 150), (250, 195))
    wait_for("the pasted outlines in the second editor",
             lambda: all(is_black(Screenshot(), *at(second_origin, p)) for p in edges), timeout=5)

    session.step("save the second map and read it with zephyrmap-cli")
    native = session.path("second.zmf")
    second.save_native(native)
    dump = session.cli_json("dump", native)
    areas = dump["areas"]
    expect([a["shape"] for a in areas] == [2, 2, 3], f"the second map holds shapes {[a['shape'] for a in areas]}")
    plain, with_attributes = areas[0], areas[1]
    expect(plain["points"] == PLAIN, f"Ctrl+V placed the rectangle at {plain['points']}, expected {PLAIN}")
    expect(plain["href"] == "" and plain["hrefIsPath"] == 0,
           f"Ctrl+V kept the link {plain['href']!r}: it pastes without attributes")
    expect(with_attributes["points"] == WITH_ATTRIBUTES,
           f"Ctrl+Shift+V placed the rectangle at {with_attributes['points']}, expected {WITH_ATTRIBUTES}")
    expect(with_attributes["href"] == LINK, f"Ctrl+Shift+V lost the link: {with_attributes['href']!r}")

    session.step("the first's HTML source through the clipboard: Ctrl+D there, Ctrl+B here")
    first.keys("ctrl+d")
    note = first.wait_window("^Zephyrmap !$", "the note that the source was copied")
    first.keys("Return", window=note)
    first.wait_gone(note, "the note")
    wait_for("the source on the clipboard", lambda: "text/plain" in " ".join(clipboard_targets()), timeout=5)
    second.look_at_menu("f")  # ﾌｧｲﾙ: "クリップボードから開く" is there now
    second.keys("ctrl+b")
    dialog = second.wait_window("^マップを使用するHTML文書$", "the dialog asking for the HTML document")
    first_page = session.path("first.html")
    second.type(first_page, window=dialog)
    second.keys("Return", window=dialog)
    second.wait_gone(dialog, "the dialog asking for the HTML document")
    second.find_picture(FIRST_RGB, SIZE)  # the first map's picture now shows in the second editor
    read = session.path("read-from-clipboard.zmf")
    second.save_native(read)
    dump = session.cli_json("dump", read)
    (x1, y1), (x2, y2) = RECTANGLE
    expect(dump["mapName"] == "first" and dump["htmlPath"] == first_page,
           f"the map read from the clipboard is {dump['mapName']!r} for {dump['htmlPath']!r}")
    expect([a["points"] for a in dump["areas"][:1]] == [[[x1, y1], [x2, y1], [x2, y2], [x1, y2]]],
           f"the map read from the clipboard holds {dump['areas']}")
    linked = session.path(LINK)
    expect(dump["areas"][0]["href"] == linked, f"its link is {dump['areas'][0]['href']!r}, expected {linked!r}")

    session.step("quit both")
    second.quit()
    first.quit()


if __name__ == "__main__":
    Session("two-instances", sys.argv).run(test)
