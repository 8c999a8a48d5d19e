#!/usr/bin/env python3
"""The trace tool on a picture of 6000 x 4000, by hand: a flat sky of 14.4
million pixels over a ground with a disc in it. While the pointer moves
about the sky and rests, again and again, the outline under it is traced,
and the editor goes on taking keys: each time the pointer has rested, a key
opens the エリア menu, and the time from the key to the menu is measured,
and measured again with the pointer resting on the property pane, where
nothing is traced. The times are printed, not judged (a test of the program,
not of the machine it runs on); that every menu opens, that the outline shows
and that a click on the sky asks about a region over a quarter of the
picture are judged.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/trace_large.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import math
import os
import random
import statistics
import struct
import sys
import time
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Screenshot, Session, expect, run, wait_for, xdotool  # noqa: E402

SIZE = (6000, 4000)
HORIZON = 2400
SKY = (120, 170, 230)
GROUND = (60, 90, 40)
DISC = (250, 235, 40)
CENTRE, RADIUS = (3100, 3200), 564
PRESSES = 10
REST = 0.18  # just past the editor's rest of 150 ms: the trace is under way


def make_picture(path):
    width, height = SIZE
    sky_row = b"\x00" + bytes(SKY) * width
    rows = []
    for y in range(height):
        if y < HORIZON:
            rows.append(sky_row)
            continue
        dy = y + 0.5 - CENTRE[1]
        if abs(dy) >= RADIUS:
            rows.append(b"\x00" + bytes(GROUND) * width)
            continue
        half = math.sqrt(RADIUS * RADIUS - dy * dy)
        left, right = int(math.ceil(CENTRE[0] - half - 0.5)), int(math.floor(CENTRE[0] + half - 0.5)) + 1
        rows.append(b"\x00" + bytes(GROUND) * left + bytes(DISC) * (right - left) + bytes(GROUND) * (width - right))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(b"".join(rows), 1)) + chunk(b"IEND", b""))


def shown_windows(app):
    """The program's visible windows, in one call: fast enough to time a menu by."""
    done = run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(app.proc.pid)], check=False)
    return set(done.stdout.decode().split())


def time_menu(app):
    """Seconds from the key that opens the エリア menu to its pop-up showing; the menu is closed again."""
    before = shown_windows(app)
    started = time.monotonic()
    xdotool("key", "alt+a")
    popup = wait_for("the エリア menu to open", lambda: shown_windows(app) - before, timeout=10)
    took = time.monotonic() - started
    xdotool("key", "Escape", "Escape")
    wait_for("the エリア menu to close", lambda: not (shown_windows(app) & popup), timeout=10)
    return took


def sky_box(app, region):
    """The part of the sky the view shows: its top-left corner is the picture's."""
    return wait_for("the sky to show in the view", lambda: Screenshot().box_of(SKY, region), timeout=20)


def dashes_on(shot, y, x0, x1):
    return sum(shot.pixel(x, y) == (0, 0, 0) for x in range(x0, x1))


def report(name, times):
    ms = sorted(t * 1000 for t in times)
    print(f"[trace-large] key to menu, {name}: median {statistics.median(ms):.0f} ms, "
          f"fastest {ms[0]:.0f} ms, slowest {ms[-1]:.0f} ms over {len(ms)} presses", flush=True)


def test(session):
    picture = session.path("large.png")
    session.step("draw a 6000 x 4000 picture")
    make_picture(picture)

    session.step("start the editor and make a new map over it")
    app = session.start()
    app.new_map("large", picture, picture)
    window = app.geometry(app.main)
    box = sky_box(app, window)
    origin = box[:2]
    inside = (origin[0] + 40, origin[1] + 40, box[2] - 40, box[3] - 40)
    expect(inside[2] - inside[0] > 200 and inside[3] - inside[1] > 200, f"too little sky shows: {box}")

    session.step("choose the trace tool; with the pointer off the view, on the pane, time the key")
    app.menu("a", "t")  # エリア > 領域をトレース
    app.move_pointer(window[0] + window[2] - 60, window[1] + window[3] - 60)
    app.focus()
    time.sleep(0.5)
    idle = [time_menu(app) for _ in range(PRESSES)]

    session.step("rest the pointer on the sky until its outline shows along the picture's top")
    before = Screenshot()
    app.move_pointer(origin[0] + 200, origin[1] + 150)
    expect(dashes_on(before, origin[1], origin[0] + 10, inside[2]) == 0, "dashes on the sky before any rest")
    wait_for("the sky's outline to show", lambda: dashes_on(Screenshot(), origin[1], origin[0] + 10, inside[2]) > 20,
             timeout=20)

    session.step("move and rest the pointer about the sky, timing the key after each rest")
    random.seed(32)
    busy = []
    for _ in range(PRESSES):
        app.move_pointer(random.randint(inside[0], inside[2]), random.randint(inside[1], inside[3]))
        time.sleep(REST)
        busy.append(time_menu(app))
    report("nothing traced", idle)
    report("the sky traced under the resting pointer", busy)

    session.step("a click on the sky traces the picture itself and asks about the region's size")
    started = time.monotonic()
    app.click(origin[0] + 300, origin[1] + 200)
    question = app.wait_window("^Zephyrmap !$", "the question about a region over a quarter of the picture",
                               timeout=20)
    print(f"[trace-large] click on the sky to its question: {(time.monotonic() - started) * 1000:.0f} ms", flush=True)
    app.keys("Return", window=question)  # いいえ, the default button
    app.wait_gone(question, "the question")

    session.step("quit without saving")
    app.quit(answer="discard")


if __name__ == "__main__":
    Session("trace-large", sys.argv, total_seconds=150).run(test)
