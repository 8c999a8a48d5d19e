#!/usr/bin/env python3
"""The map in a real browser: headless Chromium clicks where a person would.

A page with overlapping areas, a NOHREF hole, a self-crossing polygon and a
DEFAULT area is imported with zephyrmap-cli, then written both as the SVG
form (`svg`) and as the image map (`html`). Each is put in a page whose
script asks `document.elementFromPoint` at points inside every area and
writes what it found into the page; Chromium's --dump-dom gives the page
back after its load event. The SVG form is asked at its natural width and
at half of it (the points scaled), and once more as XHTML, which the
browser reads with its XML parser; the image map at its natural width.
Every point must find the link an image map gives it: the earlier area
where two overlap, nothing under the hole, the DEFAULT area elsewhere.

Skipped (exit status 77) when Chromium is not installed or cannot start.
Every Chromium is ended with its process group; nothing waits without a
time limit.

    tests/browser/map_in_browser.py --cli build/zephyrmap-cli
"""

import argparse
import json
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import zlib

SKIP = 77
BROWSER_SECONDS = 60
WIDTH, HEIGHT = 400, 300

# The map, in list order. Area 1 overlaps area 0's corner; area 2 is a
# pentagram whose middle is a hole (even-odd); area 3 is a NOHREF hole in
# area 4; area 5 lies wholly inside area 0, so no click reaches it.
PAGE = f"""<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>map</title></head><body>
<img src="picture.png" usemap="#test" width="{WIDTH}" height="{HEIGHT}" alt="The test picture">
<map name="test">
<area shape="rect" coords="20,20,180,140" href="a0.html" alt="Zero &amp; one">
<area shape="circle" coords="180,140,50" href="a1.html" alt="One">
<area shape="poly" coords="300,20,329,110,252,55,348,55,271,110" href="a2.html" alt="Star">
<area shape="rect" coords="40,180,160,280" nohref>
<area shape="rect" coords="20,170,200,290" href="a4.html" alt="Four">
<area shape="rect" coords="60,60,100,100" href="a5.html" alt="Hidden">
<area shape="default" href="d.html" alt="Elsewhere">
</map>
</body></html>
"""

# Points in picture pixels and what an image map gives there.
PROBES = [
    ((100, 30), "a0.html"),  # the rectangle alone
    ((50, 100), "a0.html"),
    ((210, 160), "a1.html"),  # the circle alone
    ((170, 130), "a0.html"),  # both: the earlier one
    ((80, 80), "a0.html"),  # over the hidden area 5
    ((300, 30), "a2.html"),  # a point of the star
    ((300, 70), "d.html"),  # the star's middle, a hole
    ((100, 230), "nohref"),  # the NOHREF hole blocks area 4 and the DEFAULT area
    ((30, 275), "a4.html"),
    ((190, 280), "a4.html"),
    ((350, 250), "d.html"),  # nothing else: the DEFAULT area
    ((5, 5), "d.html"),
]

# Keyboard and screen readers meet the links in list order, the DEFAULT
# area last, as in the image map (its copy beneath the others, for the
# pointer, is hidden from them); each named by its ALT.
SVG_LINKS = [
    ["a0.html", "Zero & one"],
    ["a1.html", "One"],
    ["a2.html", "Star"],
    ["a4.html", "Four"],
    ["a5.html", "Hidden"],
    ["d.html", "Elsewhere"],
]

SCRIPT = """
<pre id="zm-out"></pre>
<script>
window.addEventListener('load', function () {
  var probes = %(probes)s, kind = '%(kind)s';
  var frame = document.querySelector(kind === 'svg' ? 'svg' : 'img');
  var box = frame.getBoundingClientRect(), scale = box.width / %(width)d;
  function found(x, y) {
    var e = document.elementFromPoint(box.left + x * scale, box.top + y * scale);
    if (!e) return 'none';
    if (kind === 'svg') {
      var link = e.closest('a');
      if (link) return link.getAttribute('href');
      if (e.tagName === 'image' || e.tagName === 'svg' || !e.closest('svg')) return 'picture';
      return 'nohref';
    }
    if (e.tagName === 'AREA') return e.hasAttribute('href') ? e.getAttribute('href') : 'nohref';
    return e.tagName === 'IMG' ? 'picture' : 'other:' + e.tagName;
  }
  var links = [];
  document.querySelectorAll(kind === 'svg' ? 'svg a:not([aria-hidden="true"])' : 'area[href]').forEach(function (a) {
    links.push([a.getAttribute('href'), a.getAttribute(kind === 'svg' ? 'aria-label' : 'alt')]);
  });
  var result = {width: box.width, height: box.height, links: links,
                found: probes.map(function (p) { return found(p[0] + 0.5, p[1] + 0.5); })};
  document.getElementById('zm-out').textContent = JSON.stringify(result);
});
</script>
"""


class Failure(Exception):
    pass


def png(width, height):
    """A plain grey picture."""
    raw = b"".join(b"\x00" + b"\x80" * (width * 3) for _ in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def cli(args, folder):
    done = subprocess.run(args, cwd=folder, capture_output=True, timeout=60)
    if done.returncode != 0:
        raise Failure(f"{' '.join(args)} failed ({done.returncode}): {done.stderr.decode(errors='replace')}")
    return done.stdout.decode("utf-8")


class Chromium:
    def __init__(self, binary, folder):
        self.binary = binary
        self.folder = folder
        self.runs = 0

    def dump(self, page):
        """The page's DOM after its load event; None when the browser gave nothing."""
        self.runs += 1
        profile = os.path.join(self.folder, f"profile-{self.runs}")  # fresh every time
        args = [self.binary, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--disable-extensions", "--mute-audio", f"--user-data-dir={profile}", "--dump-dom",
                "file://" + page]
        process = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, start_new_session=True)
        try:
            out, err = process.communicate(timeout=BROWSER_SECONDS)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.communicate()
            raise Failure(f"Chromium did not finish {page} within {BROWSER_SECONDS} s")
        finally:
            try:  # its helpers too, should any outlive it
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        if process.returncode != 0 or not out:
            self.last_error = err.decode(errors="replace")[-2000:]
            return None
        return out.decode("utf-8", errors="replace")


def result_of(dom):
    match = re.search(r'<pre id="zm-out">(.*?)</pre>', dom, re.S)
    if not match or not match.group(1):
        raise Failure("the page's script wrote nothing:\n" + dom[-2000:])
    return json.loads(match.group(1).replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">"))


def write_page(folder, name, body, kind, xhtml=False):
    script = SCRIPT % {"probes": json.dumps([p for p, _ in PROBES]), "kind": kind, "width": WIDTH}
    if xhtml:
        script = script.replace("<script>", "<script><![CDATA[").replace("</script>", "]]></script>")
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n<html xmlns="http://www.w3.org/1999/xhtml"><head>'
                '<title>svg</title></head>')
    else:
        head = '<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>map</title></head>'
    path = os.path.join(folder, name)
    with open(path, "w", encoding="utf-8") as f:
        f.write(head + '<body style="margin:0">' + body + script + "</body></html>\n")
    return path


def check(name, got, width, links=None):
    problems = []
    if abs(got["width"] - width) > 0.5:
        problems.append(f"shown {got['width']} px wide, not {width}")
    for ((x, y), expected), found in zip(PROBES, got["found"]):
        if found != expected:
            problems.append(f"at ({x}, {y}) found {found}, not {expected}")
    if links is not None and got["links"] != links:
        problems.append(f"links in the order {got['links']}, not {links}")
    if problems:
        raise Failure(name + ":\n  " + "\n  ".join(problems))
    print(f"ok: {name}: {len(PROBES)} points at {width} px")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--chromium", default=shutil.which("chromium") or shutil.which("chromium-browser"))
    options = parser.parse_args()
    options.cli = os.path.abspath(options.cli)
    if not options.chromium:
        print("SKIP: the browser test needs Chromium (Debian's chromium; tools/ensure-packages.sh installs it)")
        return SKIP
    with tempfile.TemporaryDirectory(prefix="zm-browser-") as folder:
        browser = Chromium(options.chromium, folder)
        plain = os.path.join(folder, "plain.html")  # can Chromium run a script at all?
        with open(plain, "w") as f:
            f.write('<!DOCTYPE html><pre id="zm-out"></pre><script>'
                    "document.getElementById('zm-out').textContent = '{\"width\": 1}';</script>")
        if browser.dump(plain) is None:
            print("SKIP: Chromium cannot run here:\n" + browser.last_error)
            return SKIP
        with open(os.path.join(folder, "picture.png"), "wb") as f:
            f.write(png(WIDTH, HEIGHT))
        with open(os.path.join(folder, "index.html"), "w", encoding="utf-8") as f:
            f.write(PAGE)
        cli([options.cli, "import", "index.html", "-o", "map.zmf"], folder)
        svg = cli([options.cli, "svg", "map.zmf"], folder)
        image_map = cli([options.cli, "html", "map.zmf"], folder)
        pages = [
            ("SVG at its natural width", write_page(folder, "svg.html", f'<div style="width:{WIDTH}px">{svg}</div>',
                                                    "svg"), WIDTH, SVG_LINKS),
            ("SVG at half its width", write_page(folder, "half.html",
                                                 f'<div style="width:{WIDTH // 2}px">{svg}</div>', "svg"),
             WIDTH // 2, SVG_LINKS),
            ("SVG read as XML", write_page(folder, "svg.xhtml", f"<div>{svg}</div>", "svg", xhtml=True), WIDTH,
             SVG_LINKS),
            ("the image map", write_page(folder, "map.html", image_map, "img"), WIDTH, None),
        ]
        for name, page, width, links in pages:
            dom = browser.dump(page)
            if dom is None:
                raise Failure(f"{name}: Chromium gave no page:\n{browser.last_error}")
            check(name, result_of(dom), width, links)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print("FAIL: " + str(failure))
        sys.exit(1)
