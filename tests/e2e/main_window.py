#!/usr/bin/env python3
"""The main window at the first start, as a person sees it: the tool bar
above the view, the property pane at its right, the status bar below. Each is
found by what hiding it through the View menu does to the view (the view is
the grey of the default background colour). The tool bar and the pane stay
hidden after a restart, and come back from the menu. A picture of the first
window is kept for people to look at (--artifacts FOLDER/main-window.png).

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/main_window.py \\
           --zephyrmap build/zephyrmap --artifacts build/tests/e2e
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import Screenshot, Session, expect, run, wait_for  # noqa: E402

VIEW_GREY = (192, 192, 192)  # the default background colour, 0xC0C0C0
TOOL_BAR_AT_LEAST = 30  # pixels: the images with their labels under them
PANE_AT_LEAST = 150
STATUS_BAR_AT_LEAST = 12
WINDOW_SIZE = (1000, 700)


def longest_run(values):
    """(start, length) of the longest run of true values."""
    best, start = (0, 0), None
    for i, v in enumerate(values + [False]):
        if v and start is None:
            start = i
        elif not v and start is not None:
            best = max(best, (start, i - start), key=lambda r: r[1])
            start = None
    return best


def view_edges(app):
    """The view's grey area relative to the main window: (left, top, right margin, bottom margin)."""
    x, y, width, height = app.geometry(app.main)
    shot = Screenshot()
    middle = y + height // 2
    left, run_width = longest_run([shot.pixel(i, middle) == VIEW_GREY for i in range(x, x + width)])
    expect(run_width > 100, "no grey view in the middle of the main window")
    column = x + left + run_width // 2
    top, run_height = longest_run([shot.pixel(column, j) == VIEW_GREY for j in range(y, y + height)])
    return left, top, width - left - run_width, height - top - run_height


def toggle(app, letter, before, what):
    """View menu item `letter`; waits until the view's edges change and returns them."""
    app.menu("v", letter)
    return wait_for(f"the view to change after toggling {what}",
                    lambda: (lambda now: now if now != before else None)(view_edges(app)), timeout=5)


def start_sized(session):
    """Starts the editor at one size. Without a window manager a maximised window keeps the size Qt
    gives it, which depends on the bars shown; a window manager would make it fill the screen."""
    app = session.start()
    app.resize(app.main, *WINDOW_SIZE)
    app.focus()
    return app


def test(session):
    session.step("first start: tool bar, pane at the right, status bar")
    app = start_sized(session)
    if session.artifacts:
        os.makedirs(session.artifacts, exist_ok=True)
        run(["import", "-window", app.main, os.path.join(session.artifacts, "main-window.png")])
    expect(app.title() == "無題 - Zephyrmap !", f"window title {app.title()!r}")
    start = view_edges(app)
    left, top, right, bottom = start
    expect(left == 0, f"the view starts {left} pixels right of the window's left edge: the pane should dock right")
    expect(right >= PANE_AT_LEAST, f"only {right} pixels right of the view: no property pane there")

    session.step("hide the tool bar, the pane and the status bar from the View menu")
    no_tool_bar = toggle(app, "t", start, "the tool bar")
    expect(top - no_tool_bar[1] >= TOOL_BAR_AT_LEAST,
           f"hiding the tool bar moved the view up by {top - no_tool_bar[1]} pixels only")
    no_pane = toggle(app, "m", no_tool_bar, "the pane")
    expect(no_pane[2] < 5 and right - no_pane[2] >= PANE_AT_LEAST,
           f"hiding the pane left {no_pane[2]} pixels right of the view (it was {right})")
    no_status = toggle(app, "s", no_pane, "the status bar")
    expect(no_pane[3] - no_status[3] >= STATUS_BAR_AT_LEAST,
           f"hiding the status bar let the view grow by {no_pane[3] - no_status[3]} pixels only")
    app.quit()

    session.step("start again: the tool bar and the pane stay hidden")
    app = start_sized(session)
    again = view_edges(app)
    expect(again[1] == no_tool_bar[1], f"after a restart the view starts at {again[1]}, with the tool bar hidden "
                                       f"it started at {no_tool_bar[1]}")
    expect(again[2] < 5, f"after a restart {again[2]} pixels lie right of the view: the pane came back")

    session.step("show the tool bar and the pane again")
    shown = toggle(app, "t", again, "the tool bar")
    shown = toggle(app, "m", shown, "the pane")
    expect(shown[1] == top and shown[2] == right,
           f"with both shown again the view is at top {shown[1]}, right margin {shown[2]}; "
           f"at the first start {top}, {right}")
    app.quit()


if __name__ == "__main__":
    Session("main-window", sys.argv).run(test)
