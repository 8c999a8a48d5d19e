#!/usr/bin/env python3
"""The trace tool, by hand: a new map over a picture with a disc drawn on it,
"領域をトレース" chosen from the エリア menu, the pointer rested inside the
disc until its outline shows, a click, and the map saved natively. The saved
map, read back with zephyrmap-cli, holds one polygon covering the disc, and
the tool is still chosen: a second click, in the ground around the disc, is
asked about (it covers the whole picture) and refused.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/trace.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import math
import os
import struct
import sys
import time
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Screenshot, Session, expect, wait_for  # noqa: E402

SIZE = (300, 200)
GROUND = (255, 0, 255)
DISC_RGB = (40, 160, 60)
CENTRE, RADIUS = (120, 100), 60


def in_disc(x, y):
    """Whether pixel (x, y) belongs to the disc: its centre lies inside."""
    return math.hypot(x + 0.5 - CENTRE[0], y + 0.5 - CENTRE[1]) <= RADIUS


def make_picture(path):
    width, height = SIZE
    raw = b"".join(b"\x00" + b"".join(bytes(DISC_RGB if in_disc(x, y) else GROUND) for x in range(width))
                   for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def inside_polygon(points, x, y):
    """Even-odd, as the map fills its polygons."""
    inside = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def iou_with_disc(points):
    both = either = 0
    for y in range(SIZE[1]):
        for x in range(SIZE[0]):
            a, b = in_disc(x, y), inside_polygon(points, x + 0.5, y + 0.5)
            both += a and b
            either += a or b
    return both / either


def changed_pixels(before, after, region):
    left, top, width, height = region
    return sum(before.pixel(x, y) != after.pixel(x, y)
               for y in range(top, top + height, 2) for x in range(left, left + width, 2))


def test(session):
    picture = session.path("picture.png")
    make_picture(picture)

    session.step("start the editor and make a new map")
    app = session.start()
    app.new_map("traced", picture, picture)
    origin = app.find_picture(GROUND, SIZE)
    inside = (origin[0] + CENTRE[0] + 10, origin[1] + CENTRE[1] - 5)
    around_disc = (origin[0] + CENTRE[0] - RADIUS - 4, origin[1] + CENTRE[1] - RADIUS - 4, 2 * RADIUS + 8,
                   2 * RADIUS + 8)

    session.step("choose the trace tool and rest the pointer inside the disc")
    app.menu("a", "t")  # エリア > 領域をトレース
    app.move_pointer(origin[0] - 30, origin[1] + 20)  # beside the picture: nothing to trace
    time.sleep(0.5)
    before = Screenshot()
    app.move_pointer(*inside)
    wait_for("the disc's outline to show under the resting pointer",
             lambda: changed_pixels(before, Screenshot(), around_disc) > 50, timeout=5)

    session.step("click: the disc becomes a polygon area")
    app.click(*inside)
    app.refuse_message_boxes()

    session.step("a click on the ground around the disc is asked about and refused")
    app.click(origin[0] + 280, origin[1] + 10)
    question = app.wait_window("^Zephyrmap !$", "the question about a region over a quarter of the picture")
    app.keys("Return", window=question)  # いいえ, the default button
    app.wait_gone(question, "the question")

    session.step("save the map natively and read it back")
    native = session.path("traced.zmf")
    app.save_native(native)
    dump = session.cli_json("dump", native)
    shapes = [a["shape"] for a in dump["areas"]]
    expect(shapes == [0, 3], f"area shapes {shapes}, expected one polygon and DEFAULT")
    points = [tuple(p) for p in dump["areas"][0]["points"]]
    iou = iou_with_disc(points)
    expect(iou >= 0.97, f"the polygon covers the disc with IoU {iou:.3f}: {points}")
    expect(len(points) <= 40, f"the polygon has {len(points)} corners: {points}")

    session.step("quit")
    app.quit()


if __name__ == "__main__":
    Session("trace", sys.argv).run(test)
