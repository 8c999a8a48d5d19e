#!/usr/bin/env python3
"""The SVG form against the image map at every pixel, in headless Chromium.

Each map below is imported with zephyrmap-cli and written both as the image
map (`html`) and as the SVG form (`svg`); a page with each, at the picture's
natural size, asks `document.elementFromPoint` at every whole pixel of the
picture and at every whole pixel along every area's outline (where the
browser's image map counts the outline in: an earlier area's edge lying
over a later area belongs to the earlier one). Both pages must give the
same link at every point. With --realworld FOLDER the maps of the real
pages there are held to the same, each with a picture drawn at its size,
on a grid of every third pixel and at every pixel along every outline.

Skipped (exit status 77) when Chromium is not installed or cannot start.

    tests/browser/every_pixel.py --cli build/zephyrmap-cli
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from map_in_browser import SKIP, Chromium, Failure, cli, png, result_of  # noqa: E402

WIDTH, HEIGHT = 200, 150

# Each map, as a row: a name and its AREA tags in list order.
MAPS = [
    ("rectangle over rectangle", """
<area shape="rect" coords="40,30,120,90" href="upper.html" alt="Upper">
<area shape="rect" coords="20,20,160,120" href="lower.html" alt="Lower">
<area shape="rect" coords="120,90,180,140" href="corner.html" alt="Corner">
"""),
    ("circle over rectangle", """
<area shape="circle" coords="90,70,37" href="circle.html" alt="Circle">
<area shape="circle" coords="150,40,25" href="small.html" alt="Small">
<area shape="rect" coords="30,20,180,130" href="lower.html" alt="Lower">
"""),
    ("polygon over rectangle", """
<area shape="poly" coords="30,20,170,45,60,130" href="triangle.html" alt="Triangle">
<area shape="poly" coords="100,10,117,62,73,30,127,30,83,62" href="star.html" alt="Star">
<area shape="rect" coords="20,10,180,140" href="lower.html" alt="Lower">
"""),
    ("NOHREF hole", """
<area shape="rect" coords="60,40,140,110" nohref>
<area shape="circle" coords="40,40,15" nohref>
<area shape="rect" coords="20,20,180,130" href="lower.html" alt="Lower">
<area shape="default" href="elsewhere.html" alt="Elsewhere">
"""),
]

SCRIPT = """
<pre id="zm-out"></pre>
<script>
window.addEventListener('load', function () {
  var points = %(points)s, kind = '%(kind)s';
  var frame = document.querySelector(kind === 'svg' ? 'svg' : 'img');
  var box = frame.getBoundingClientRect();
  var width = box.width;
  // elementFromPoint sees the window only: a point beyond it is scrolled into it.
  function found(x, y) {
    var left = box.left + x, top = box.top + y;
    if (left < 0 || top < 0 || left >= window.innerWidth - 20 || top >= window.innerHeight - 20) {
      window.scrollBy(left - 50, top - 50);
      box = frame.getBoundingClientRect();
      left = box.left + x;
      top = box.top + y;
    }
    var e = document.elementFromPoint(left, top);
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
  var result = {width: width, found: points.map(function (p) { return found(p[0], p[1]); })};
  document.getElementById('zm-out').textContent = JSON.stringify(result);
});
</script>
"""


def numbers(coords):
    return [int(float(n)) for n in coords.replace(" ", ",").split(",") if n.strip()]


def outline_points(shape, coords):
    """Every whole pixel on an area's outline and the pixels beside it."""
    n = numbers(coords)
    near = set()
    if shape.startswith("rect") and len(n) >= 4:
        left, top, right, bottom = min(n[0], n[2]), min(n[1], n[3]), max(n[0], n[2]), max(n[1], n[3])
        for x in range(left, right + 1):
            near.update({(x, top), (x, bottom)})
        for y in range(top, bottom + 1):
            near.update({(left, y), (right, y)})
    elif shape.startswith("circ") and len(n) >= 3:
        cx, cy, r = n[0], n[1], n[2]
        for x in range(cx - r, cx + r + 1):
            for y in range(cy - r, cy + r + 1):
                if abs((x - cx) ** 2 + (y - cy) ** 2 - r * r) <= 2 * r + 1:
                    near.add((x, y))
    elif shape.startswith("poly") and len(n) >= 6:
        corners = list(zip(n[0::2], n[1::2]))
        for (x0, y0), (x1, y1) in zip(corners, corners[1:] + corners[:1]):
            steps = max(abs(x1 - x0), abs(y1 - y0), 1)
            for s in range(steps + 1):
                near.add((round(x0 + (x1 - x0) * s / steps), round(y0 + (y1 - y0) * s / steps)))
    return {(x + dx, y + dy) for x, y in near for dx in (-1, 0, 1) for dy in (-1, 0, 1)}


def areas_of(source):
    import re
    found = []
    for tag in re.findall(r"<area\b[^>]*>", source, re.I):
        shape = re.search(r'shape\s*=\s*"?([a-z]+)', tag, re.I)
        coords = re.search(r'coords\s*=\s*"([^"]*)"', tag, re.I)
        found.append(((shape.group(1).lower() if shape else "rect"), coords.group(1) if coords else ""))
    return found


def points_for(source, width, height, step):
    points = {(x, y) for x in range(0, width + 1, step) for y in range(0, height + 1, step)}
    for shape, coords in areas_of(source):
        points |= outline_points(shape, coords)
    return sorted((x, y) for x, y in points if 0 <= x < width and 0 <= y < height)


def write_page(folder, name, body, kind, points):
    path = os.path.join(folder, name)
    with open(path, "w", encoding="utf-8") as f:
        f.write('<!DOCTYPE html>\n<html><head><meta charset="utf-8"><title>map</title></head>'
                '<body style="margin:0">' + body + SCRIPT % {"points": json.dumps(points), "kind": kind} +
                "</body></html>\n")
    return path


def compare(browser, folder, name, image_map, svg, points):
    answers = {}
    import re
    natural = re.search(r'viewBox="0 0 (\d+) ', svg).group(1)  # the SVG shrinks with its container
    for kind, body in (("img", image_map), ("svg", svg)):
        page = write_page(folder, f"{kind}.html", f'<div style="width:{natural}px">{body}</div>', kind, points)
        dom = browser.dump(page)
        if dom is None:
            raise Failure(f"{name}: Chromium gave no page:\n{browser.last_error}")
        answers[kind] = result_of(dom)["found"]
        if answers[kind].count("none") > len(points) // 100:
            raise Failure(f"{name}: the {kind} page shows nothing at {answers[kind].count('none')} points")
    wrong = [(p, a, b) for p, a, b in zip(points, answers["img"], answers["svg"]) if a != b]
    if wrong:
        shown = ", ".join(f"({x}, {y}) image map {a}, SVG {b}" for (x, y), a, b in wrong[:12])
        raise Failure(f"{name}: {len(wrong)} of {len(points)} points differ: {shown}")
    print(f"ok: {name}: the same link at {len(points)} points")


def synthetic(options, browser, folder):
    with open(os.path.join(folder, "picture.png"), "wb") as f:
        f.write(png(WIDTH, HEIGHT))
    failures = []
    for name, areas in MAPS:
        page = (f'<!DOCTYPE html><html><body><img src="picture.png" usemap="#m" width="{WIDTH}" height="{HEIGHT}" '
                f'alt="Test"><map name="m">{areas}</map></body></html>')
        with open(os.path.join(folder, "index.html"), "w", encoding="utf-8") as f:
            f.write(page)
        cli([options.cli, "import", "index.html", "-o", "map.zmf"], folder)
        image_map = cli([options.cli, "html", "map.zmf"], folder)
        svg = cli([options.cli, "svg", "map.zmf"], folder)
        try:
            compare(browser, folder, name, image_map, svg, points_for(areas, WIDTH, HEIGHT, 1))
        except Failure as failure:
            failures.append(str(failure))
    if failures:
        raise Failure("\n".join(failures))


def realworld(options, browser, folder, pages):
    """Every map of the real pages, its picture drawn at the map's size."""
    import re
    failures, maps = [], 0
    for name in sorted(f for f in os.listdir(pages) if f.endswith(".html")):
        source = os.path.join(pages, name)
        listed = subprocess.run([options.cli, "maps", source], cwd=folder, capture_output=True, timeout=60)
        for line in listed.stdout.decode("utf-8").splitlines() if listed.returncode == 0 else []:
            index = line.split("\t")[0]
            cli([options.cli, "import", source, "--map", index, "-o", "map.zmf"], folder)
            image_map = cli([options.cli, "html", "map.zmf"], folder)
            svg = cli([options.cli, "svg", "map.zmf"], folder)
            width, height = (int(n) for n in re.search(r'viewBox="0 0 (\d+) (\d+)"', svg).groups())
            if width * height > 4000000:
                continue
            picture = f"picture-{width}x{height}.png"
            if not os.path.exists(os.path.join(folder, picture)):
                with open(os.path.join(folder, picture), "wb") as f:
                    f.write(png(width, height))
            # The picture at the map's size, in both forms.
            image_map = re.sub(r'<IMG SRC="[^"]*"', f'<IMG SRC="{picture}" WIDTH="{width}" HEIGHT="{height}"',
                               re.sub(r'(<IMG[^>]*?) (WIDTH|HEIGHT)="[^"]*"', r"\1", re.sub(
                                   r'(<IMG[^>]*?) (WIDTH|HEIGHT)="[^"]*"', r"\1", image_map, flags=re.I), flags=re.I),
                               flags=re.I)
            svg = re.sub(r'<image href="[^"]*"', f'<image href="{picture}"', svg)
            maps += 1
            try:
                compare(browser, folder, f"{name} map {index}", image_map, svg,
                        points_for(image_map, width, height, 3))
            except Failure as failure:
                failures.append(str(failure))
    if failures:
        raise Failure("\n".join(failures))
    print(f"ok: {maps} maps of the real pages")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--chromium", default=shutil.which("chromium") or shutil.which("chromium-browser"))
    parser.add_argument("--realworld", help="a folder of real pages whose maps are held to the same")
    options = parser.parse_args()
    options.cli = os.path.abspath(options.cli)
    if not options.chromium:
        print("SKIP: the browser test needs Chromium (Debian's chromium; tools/ensure-packages.sh installs it)")
        return SKIP
    with tempfile.TemporaryDirectory(prefix="zm-pixels-") as folder:
        browser = Chromium(options.chromium, folder)
        plain = os.path.join(folder, "plain.html")
        with open(plain, "w") as f:
            f.write('<!DOCTYPE html><pre id="zm-out"></pre><script>'
                    "document.getElementById('zm-out').textContent = '{\"width\": 1}';</script>")
        if browser.dump(plain) is None:
            print("SKIP: Chromium cannot run here:\n" + browser.last_error)
            return SKIP
        synthetic(options, browser, folder)
        if options.realworld and os.path.isdir(options.realworld):
            realworld(options, browser, folder, options.realworld)
        elif options.realworld:
            print(f"left out: the real pages, as {options.realworld} is not there")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (Failure, subprocess.SubprocessError) as failure:
        print("FAIL: " + str(failure))
        sys.exit(1)
