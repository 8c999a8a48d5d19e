#!/usr/bin/env python3
"""The main round trip, by hand: new map over a picture, a rectangle and a
polygon drawn with the mouse, a link and a description typed into the area
page, the HTML source saved as UTF-8 with LF, the program closed and started
again, the page opened with "HTMLファイルから開く", and the map checked: in the
saved bytes, on the screen, in a native file read back by zephyrmap-cli, and
in the source saved a second time.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/round_trip.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Screenshot, Session, expect, is_black, make_png, wait_for  # noqa: E402

PICTURE_RGB = (255, 0, 255)
PICTURE_SIZE = (300, 200)
RECTANGLE = [(20, 20), (120, 80)]
POLYGON = [(150, 30), (280, 40), (260, 150), (170, 170)]
LINK = "e2e-link.html#top"
ALT = "Zone ±1"  # "±" is in Shift-JIS (0x81 0x7D) and in UTF-8 (0xC2 0xB1): the encoding shows

EXPECTED_HTML = ("<IMG SRC=\"picture.png\" USEMAP=\"#e2emap\" WIDTH=\"300\" HEIGHT=\"200\">\n"
                 "<MAP NAME=\"e2emap\">\n"
                 f"  <AREA SHAPE=\"rect\" COORDS=\"20,20,120,80\" HREF=\"{LINK}\" ALT=\"{ALT}\">\n"
                 "  <AREA SHAPE=\"poly\" COORDS=\"150,30,280,40,260,150,170,170\" HREF=\"\">\n"
                 "</MAP>").encode("utf-8")


def at(origin, point):
    return origin[0] + point[0], origin[1] + point[1]


def draw_rectangle(app, origin):
    app.menu("a", "r")  # エリア > 四角形
    first, second = RECTANGLE
    app.click(*at(origin, first))
    app.move_pointer(*at(origin, (70, 50)))
    app.move_pointer(*at(origin, second))
    app.click(*at(origin, second))


def draw_polygon(app, origin):
    app.menu("a", "n")  # エリア > 多角形
    previous = None
    for point in POLYGON[:-1]:
        if previous:
            app.move_pointer(*at(origin, ((previous[0] + point[0]) // 2, (previous[1] + point[1]) // 2)))
        app.click(*at(origin, point))
        previous = point
    app.move_pointer(*at(origin, (200, 160)))
    app.click(*at(origin, POLYGON[-1]), count=2)  # the double-click ends the polygon at its last vertex


def expect_outlines(app, origin, what):
    """The areas' outlines are drawn where they were made: points on the rectangle's edges and on the
    polygon's first edge, away from the handles."""
    probes = [(20, 35), (45, 20), (120, 65), (95, 80), (215, 35), (270, 95)]

    def drawn():
        shot = Screenshot()
        return all(is_black(shot, *at(origin, p)) for p in probes)

    wait_for(f"the outlines of the two areas {what}", drawn, timeout=5)


def type_link_and_description(app, origin):
    """Selects the rectangle in the view and fills its HREF and ALT on the area page."""
    app.move_pointer(*at(origin, (60, 60)))
    app.click(*at(origin, (60, 60)))
    # Into the pane through the map page's name field, then to the "エリア" tab.
    app.keys("alt+n", "ctrl+Tab")
    # TARGET has the only unshared key on the page; ALT and HREF lie before it in the tab order.
    app.keys("alt+g", "shift+Tab")
    app.type(ALT)
    app.keys("shift+Tab", "shift+Tab")
    app.type(LINK)


def check_saved_bytes(path):
    with open(path, "rb") as f:
        data = f.read()
    expect(not data.startswith(b"\xef\xbb\xbf"), "the UTF-8 file begins with a byte-order mark")
    expect(b"\r" not in data, "the file has CR bytes although LF was chosen")
    expect(ALT.encode("utf-8") in data,
           f"the description is not in UTF-8 in the file (Shift-JIS bytes present: {ALT.encode('shift_jis') in data})")
    expect(data == EXPECTED_HTML, f"the saved source differs.\nexpected:\n{EXPECTED_HTML!r}\nsaved:\n{data!r}")


def check_dump(session, native, html, picture):
    dump = session.cli_json("dump", native)
    expect(dump["mapName"] == "e2emap", f"map name {dump['mapName']!r}")
    expect(dump["imageSrc"] == picture, f"picture {dump['imageSrc']!r}, expected {picture!r}")
    expect(dump["htmlPath"] == html, f"HTML document {dump['htmlPath']!r}, expected {html!r}")
    expect((dump["width"], dump["height"]) == ("300", "200"), f"picture size {dump['width']} x {dump['height']}")
    shapes = [a["shape"] for a in dump["areas"]]
    expect(shapes == [2, 0, 3], f"area shapes {shapes}, expected rectangle, polygon, DEFAULT")
    rect, poly = dump["areas"][0], dump["areas"][1]
    (x1, y1), (x2, y2) = RECTANGLE
    expect(rect["points"] == [[x1, y1], [x2, y1], [x2, y2], [x1, y2]], f"rectangle points {rect['points']}")
    expect(poly["points"] == [list(p) for p in POLYGON], f"polygon points {poly['points']}")
    # A relative link read from a page becomes the local path it names.
    linked = os.path.join(os.path.dirname(html), LINK)
    expect(rect["href"] == linked and rect["hrefIsPath"] == 1,
           f"rectangle link {rect['href']!r} (path flag {rect['hrefIsPath']}), expected {linked!r} as a path")
    expect(rect["alt"] == ALT, f"rectangle ALT {rect['alt']!r}, expected {ALT!r}")
    expect(poly["href"] == "" and poly["alt"] == "", f"the polygon got attributes: {poly}")


def test(session):
    picture = session.path("picture.png")
    page = session.path("page.html")
    saved = session.path("map.html")
    make_png(picture, *PICTURE_SIZE, PICTURE_RGB)
    with open(page, "w") as f:
        f.write("<html><body><p>a page that uses the map</p></body></html>\n")

    session.step("start the editor and make a new map")
    app = session.start()
    app.new_map("e2emap", picture, page)
    origin = app.find_picture(PICTURE_RGB, PICTURE_SIZE)

    session.step("draw a rectangle and a polygon")
    draw_rectangle(app, origin)
    draw_polygon(app, origin)
    expect_outlines(app, origin, "after drawing")

    session.step("type a link and a description on the area page")
    type_link_and_description(app, origin)

    session.step("save the HTML source as UTF-8 with LF")
    app.save_html_source(saved)
    check_saved_bytes(saved)

    session.step("quit")
    app.quit()

    session.step("start again and open the saved page")
    app = session.start()
    app.open_html_file(saved)
    origin = app.find_picture(PICTURE_RGB, PICTURE_SIZE)
    expect_outlines(app, origin, "after reopening")
    expect(app.title() == "無題 - Zephyrmap !", f"window title {app.title()!r} after reading a page")

    session.step("save the reopened map natively and read it with zephyrmap-cli")
    native = session.path("reopened.zmf")
    app.save_native(native)
    check_dump(session, native, saved, picture)

    session.step("save the HTML source again and compare")
    again = session.path("map-again.html")
    app.save_html_source(again)
    with open(again, "rb") as f:
        data = f.read()
    expect(data == EXPECTED_HTML, f"the source saved after reopening differs.\nfirst:\n{EXPECTED_HTML!r}\nagain:\n{data!r}")

    session.step("quit again")
    app.quit()


if __name__ == "__main__":
    Session("round-trip", sys.argv).run(test)
