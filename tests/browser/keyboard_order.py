#!/usr/bin/env python3
"""The SVG form for the keyboard and screen readers, in headless Chromium.

The map of map_in_browser.py (a linked DEFAULT area among overlapping
areas and a NOHREF hole) is written as the image map and as the SVG form;
Chromium, driven through its DevTools protocol, presses Tab through each
page and reads its accessibility tree. The SVG form must be met in the
image map's order, the DEFAULT area's link last, and name the links by
their ALT and the whole by the IMG's ALT, as the image map does.

Skipped (exit status 77) when Chromium is not installed or cannot start.

    tests/browser/keyboard_order.py --cli build/zephyrmap-cli
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from devtools import DevTools, DevToolsError  # noqa: E402
from map_in_browser import HEIGHT, PAGE, SKIP, WIDTH, Failure, cli, png  # noqa: E402

PICTURE_NAME = "The test picture"


def tab_order(browser, session, links):
    """The hrefs focused by pressing Tab once per link and once more."""
    order = []
    for _ in range(links + 1):
        browser.press_tab(session)
        order.append(browser.evaluate(session, "document.activeElement && document.activeElement.getAttribute('href')"))
    return order


def named_nodes(browser, session):
    """(role, name) of every node of the accessibility tree that is not ignored."""
    tree = browser.call("Accessibility.getFullAXTree", {}, session)
    return [(n["role"]["value"], n.get("name", {}).get("value", "")) for n in tree["nodes"] if not n.get("ignored")]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--chromium", default=shutil.which("chromium") or shutil.which("chromium-browser"))
    options = parser.parse_args()
    options.cli = os.path.abspath(options.cli)
    if not options.chromium:
        print("SKIP: the browser test needs Chromium (Debian's chromium; tools/ensure-packages.sh installs it)")
        return SKIP
    with tempfile.TemporaryDirectory(prefix="zm-keyboard-") as folder:
        with open(os.path.join(folder, "picture.png"), "wb") as f:
            f.write(png(WIDTH, HEIGHT))
        with open(os.path.join(folder, "index.html"), "w", encoding="utf-8") as f:
            f.write(PAGE)
        cli([options.cli, "import", "index.html", "-o", "map.zmf"], folder)
        pages = {}
        for kind in ("html", "svg"):
            pages[kind] = os.path.join(folder, f"{kind}.html")
            with open(pages[kind], "w", encoding="utf-8") as f:
                f.write('<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8"><title>map</title></head>'
                        "<body>" + cli([options.cli, kind, "map.zmf"], folder) + "</body></html>\n")
        try:
            browser = DevTools(options.chromium, os.path.join(folder, "profile"))
            session = browser.open("file://" + pages["html"])
        except (DevToolsError, OSError) as error:
            print(f"SKIP: Chromium cannot run here: {error}")
            return SKIP
        try:
            expected = tab_order(browser, session, 6)
            svg = browser.open("file://" + pages["svg"])
            got = tab_order(browser, svg, 6)
            if got != expected:
                raise Failure(f"Tab meets the SVG form's links as {got}, the image map's as {expected}")
            print(f"ok: Tab meets the links in the image map's order: {got}")
            nodes = named_nodes(browser, svg)
            links = [name for role, name in nodes if role == "link"]
            wanted = ["Zero & one", "One", "Star", "Four", "Hidden", "Elsewhere"]
            if links != wanted:
                raise Failure(f"screen readers meet the links {links}, not {wanted}")
            roots = [name for role, name in nodes if role in ("SvgRoot", "graphics-document", "group", "img")]
            if PICTURE_NAME not in roots:
                raise Failure(f"the SVG is not named by the IMG's ALT: {nodes}")
            print(f"ok: the links {links} in the SVG named \"{PICTURE_NAME}\"")
        finally:
            browser.close()
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (Failure, DevToolsError, subprocess.SubprocessError) as failure:
        print("FAIL: " + str(failure))
        sys.exit(1)
