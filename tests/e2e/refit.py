#!/usr/bin/env python3
"""The picture replaced and the areas fitted, by hand: a map with a rectangle,
a circle and a polygon over a picture of coloured shapes on a mottled
ground, opened in the editor; "画像を差し替えてエリアを合わせる" chosen from the
File menu, a half-size copy of the picture picked, the refit dialog accepted
with Return, and the map saved. The saved map, read back with
zephyrmap-cli, has every coordinate halved, the copy as its picture and half
the WIDTH and HEIGHT.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/refit.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import os
import random
import struct
import sys
import time
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Session, expect, run, wait_for  # noqa: E402

SIZE = (320, 240)
AREAS = '''<AREA SHAPE="RECT" COORDS="40,60,200,180" HREF="a.html" ALT="a">
<AREA SHAPE="CIRCLE" COORDS="240,80,30" HREF="b.html" ALT="b">
<AREA SHAPE="POLY" COORDS="20,20,100,30,60,100" HREF="c.html" ALT="c">'''
HALVED = ["20,30,100,90", "120,40,15", "10,10,50,15,30,50"]


def scene():
    """Rows of (r, g, b): a mottled ground with forty coloured boxes and discs, the same at every run."""
    rng = random.Random(34)
    width, height = SIZE
    rows = [[(90 + rng.randrange(40), 110 + rng.randrange(40), 70 + rng.randrange(40)) for _ in range(width)]
            for _ in range(height)]
    for _ in range(40):
        colour = (rng.randrange(256), rng.randrange(256), rng.randrange(256))
        x, y, size = rng.randrange(width - 30), rng.randrange(height - 30), 8 + rng.randrange(20)
        disc = rng.random() < 0.5
        for dy in range(size):
            for dx in range(size):
                if not disc or (dx - size / 2 + 0.5) ** 2 + (dy - size / 2 + 0.5) ** 2 <= (size / 2) ** 2:
                    rows[y + dy][x + dx] = colour
    return rows


def halved(rows):
    """Each 2 x 2 block of pixels averaged into one, as a picture program shrinks a picture to half."""
    return [[tuple(sum(rows[2 * y + j][2 * x + i][c] for j in (0, 1) for i in (0, 1)) // 4 for c in range(3))
             for x in range(len(rows[0]) // 2)] for y in range(len(rows) // 2)]


def write_png(path, rows):
    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) +
                chunk(b"IEND", b""))


def test(session):
    rows = scene()
    picture, half = session.path("scene.png"), session.path("scene-half.png")
    write_png(picture, rows)
    write_png(half, halved(rows))
    page = session.path("page.html")
    with open(page, "w", encoding="utf-8") as f:
        f.write(f'<HTML><BODY><IMG SRC="scene.png" USEMAP="#park" WIDTH="{SIZE[0]}" HEIGHT="{SIZE[1]}">\n'
                f'<MAP NAME="park">\n{AREAS}\n</MAP></BODY></HTML>\n')
    native = session.path("park.zmf")
    done = run([session.cli, "import", page, "-o", native], check=False)
    expect(done.returncode == 0, f"import failed: {done.stderr.decode(errors='replace')}")

    session.step("open the map in the editor")
    app = session.start(native)

    session.step("File > 画像を差し替えてエリアを合わせる: pick the half-size copy")
    app.menu("f", "r")
    chooser = app.wait_window("^差し替える新しい画像の指定$", "the new picture's file dialog")
    app.choose_in_file_dialog(chooser, half)

    session.step("the refit dialog shows the areas over the copy: accept it")
    dialog = app.wait_window("^画像を差し替えてエリアを合わせる$", "the refit dialog", timeout=20)
    time.sleep(0.3)
    app.keys("Return", window=dialog)
    app.wait_gone(dialog, "the refit dialog")
    app.refuse_message_boxes()

    session.step("save the map and read it back")
    before = os.path.getmtime(native)
    app.keys("ctrl+s")
    wait_for("the map to be saved", lambda: os.path.getmtime(native) != before)
    dump = session.cli_json("dump", native)
    coords = [a["coords"] for a in dump["areas"] if a["shape"] != 3]
    expect(coords == HALVED, f"the saved coordinates are {coords}, expected {HALVED}")
    expect(dump["imageSrc"] == half, f"the picture is {dump['imageSrc']!r}, not {half!r}")
    expect((dump["width"], dump["height"]) == ("160", "120"), f"WIDTH and HEIGHT are {dump['width']} x "
                                                               f"{dump['height']}, not 160 x 120")

    session.step("quit")
    app.quit()


if __name__ == "__main__":
    Session("refit", sys.argv).run(test)
