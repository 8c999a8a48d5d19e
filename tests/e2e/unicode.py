#!/usr/bin/env python3
"""Every character, in every field and every file name, as a person types and pastes them.

In a folder named with accents, Chinese and an emoji, a new map is made over a picture named
"naïve 😀.png" for a page named "José's 地図.html", its name typed in Korean. A rectangle gets
an ALT typed with accents, dashes, signs and an emoji, a TARGET pasted from the clipboard, and
other attributes in Korean and Chinese. The map is saved under such a name and its HTML source
written as UTF-8 and as Shift-JIS; the saved map holds every character, the UTF-8 source shows
them as they are and the Shift-JIS one as character references.

Usage: xvfb-run -a -s "-screen 0 1600x1000x24" tests/e2e/unicode.py \\
           --zephyrmap build/zephyrmap --cli build/zephyrmap-cli
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2elib import SAVE_LF, Session, expect, make_png, wait_for  # noqa: E402

SIZE = (200, 150)
RGB = (255, 160, 0)
SAVE_SHIFT_JIS = 0  # the first item of the save dialog's encodings

NAME = "지도 map"
ALT = "Café crème — ©2026 €5 😀"
TARGET = "𠮷野家"
OTHER = 'title="한국 图片地图"'


def test(session):
    folder = session.path("Café/中文目录 😀")
    os.makedirs(folder)
    picture = os.path.join(folder, "naïve 😀.png")
    make_png(picture, *SIZE, RGB)
    document = os.path.join(folder, "José's 地図.html")
    with open(document, "w", encoding="utf-8") as page:
        page.write("<html></html>")
    native = os.path.join(folder, "地図 é 😀.zmf")

    session.step("a new map named in Korean over a picture and for a page of such names")
    app = session.start()
    app.new_map(NAME, picture, document)
    x, y = app.find_picture(RGB, SIZE)
    app.menu("a", "r")
    app.click(x + 20, y + 20)
    app.move_pointer(x + 60, y + 50)
    app.click(x + 100, y + 80)

    session.step("ALT and other attributes typed, TARGET pasted")
    app.move_pointer(x + 60, y + 50)
    app.click(x + 60, y + 50)
    app.keys("alt+n", "ctrl+Tab")  # into the pane, then the area tab
    app.keys("alt+g", "shift+Tab")  # TARGET, then back to ALT
    app.type(ALT)
    app.keys("alt+p")  # other attributes
    app.type(OTHER)
    subprocess.run(["xclip", "-selection", "clipboard"], input=TARGET.encode(), check=True, timeout=10)
    app.keys("alt+g", "ctrl+v")
    app.keys("Tab")

    session.step("saved under a name of such characters, and read back by the command-line tool")
    app.save_native(native)
    dump = session.cli_json("dump", native)
    area = dump["areas"][0]
    expect(dump["mapName"] == NAME, f"the map's name is {dump['mapName']!r}, not {NAME!r}")
    expect(dump["imageSrc"] == picture, f"the picture is {dump['imageSrc']!r}, not {picture!r}")
    expect(area["alt"] == ALT, f"ALT is {area['alt']!r}, not {ALT!r}")
    expect(area["target"] == TARGET, f"TARGET is {area['target']!r}, not {TARGET!r}")
    expect(area["otherAttrs"] == OTHER, f"the other attributes are {area['otherAttrs']!r}, not {OTHER!r}")

    session.step("the source as UTF-8 holds every character as it is")
    utf8_source = os.path.join(folder, "source 😀.html")
    app.save_html_source(utf8_source)
    with open(utf8_source, "rb") as f:
        text = f.read().decode("utf-8")
    for piece in (f'USEMAP="#{NAME}"', f'ALT="{ALT}"', f'TARGET="{TARGET}"', "TITLE=\"한국 图片地图\""):
        expect(piece in text, f"the UTF-8 source lacks {piece!r}:\n{text}")

    session.step("the source as Shift-JIS holds what it lacks as character references")
    sjis_source = os.path.join(folder, "source sjis.html")
    app.save_html_source(sjis_source, SAVE_SHIFT_JIS, SAVE_LF)
    with open(sjis_source, "rb") as f:
        raw = f.read()
    expect(b'ALT="Caf&#233; cr&#232;me &#8212; &#169;2026 &#8364;5 &#x1F600;"' in raw,
           f"the Shift-JIS source does not hold ALT as references:\n{raw!r}")
    expect(b"&#51648;&#46020; map" in raw, f"the Shift-JIS source does not hold the name as references:\n{raw!r}")
    wait_for("the program to stay up", lambda: app.proc.poll() is None)
    app.quit()


if __name__ == "__main__":
    Session("unicode", sys.argv).run(test)
