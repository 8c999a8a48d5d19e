#!/usr/bin/env python3
"""The web's own referees over the SVG form and the checker, on real pages.

For every map of the real pages in TESTDATA/realworld:
- the Nu Html Checker (npm's vnu-jar, on Debian's Java) reads a minimal
  HTML5 page holding the SVG form once, and one holding two outputs of it
  (and so of two maps of one page): no errors, but for the attributes of
  SVG 2 that its SVG 1.1 schema does not know (KNOWN_SVG2), what it finds
  in the HTML form of the same map too (a link as the page wrote it), and
  the ids the areas carry from the page, which two outputs of one map
  repeat as two copies of the image map would;
- axe-core (npm, in Debian's Chromium through puppeteer-core) runs its
  image-map rules on the real page, on a page of our HTML form and on one of
  our SVG form: the SVG form is faulted by no rule more often than the HTML
  form, and each AREA axe finds without a name on the real page is one the
  checker reports (missing-alt), each IMG of a map without ALT too
  (img-missing-alt).

The npm packages are installed into MODULES (the build folder's referees/)
when missing. Skipped (exit status 77), with a message, where the real pages,
npm, Java or Chromium are not there.

    tests/browser/referees.py --cli build/zephyrmap-cli --testdata ../shared/testdata --modules build/referees
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77
PACKAGES = ["vnu-jar", "axe-core", "puppeteer-core"]
# Attributes SVG 2 allows on a link that the checker's SVG 1.1 schema lacks.
KNOWN_SVG2 = re.compile(r"Attribute “(download|hreflang|type|ping|referrerpolicy|autofocus|on[a-z]+)” "
                        r"not allowed on element “a”")


LINK_RULES = ("area-alt", "link-name")


class Failure(Exception):
    pass


def run(args, cwd=None, timeout=600):
    return subprocess.run(args, cwd=cwd, capture_output=True, timeout=timeout)


def ensure_modules(modules):
    """The npm packages in MODULES; a reason when they cannot be had."""
    if all(os.path.isdir(os.path.join(modules, "node_modules", p)) for p in PACKAGES):
        return None
    if not shutil.which("npm"):
        return "npm is not installed (tools/ensure-packages.sh installs it)"
    os.makedirs(modules, exist_ok=True)
    done = run(["npm", "install", "--prefix", modules, "--no-audit", "--no-fund", "--silent"] + PACKAGES)
    if done.returncode != 0:
        return "npm could not install " + " ".join(PACKAGES) + ":\n" + done.stderr.decode(errors="replace")[-1500:]
    return None


def cli(options, args, folder):
    done = run([options.cli] + args, cwd=folder, timeout=120)
    if done.returncode != 0:
        raise Failure(f"zephyrmap-cli {' '.join(args)} failed: {done.stderr.decode(errors='replace')}")
    return done.stdout.decode("utf-8")


def page(body):
    return ('<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8"><title>map</title></head><body>\n' + body +
            "\n</body></html>\n")


def maps_of(options, source, folder):
    """Each map of a real page: (name, HTML form, SVG form, SVG form again)."""
    done = run([options.cli, "maps", source], cwd=folder, timeout=120)
    if done.returncode != 0:  # a page without a usable map
        return []
    listed = done.stdout.decode("utf-8")
    found = []
    for line in listed.splitlines():
        index = line.split("\t")[0]
        zmf = os.path.join(folder, f"map{len(found)}.zmf")
        cli(options, ["import", source, "--map", index, "-o", zmf], folder)
        found.append((f"{os.path.basename(source)} map {index}", cli(options, ["html", zmf], folder),
                      cli(options, ["svg", zmf], folder), cli(options, ["svg", zmf], folder)))
    return found


def vnu_errors(jar, path):
    done = run(["java", "-jar", jar, "--format", "json", path], timeout=300)
    messages = json.loads(done.stderr.decode("utf-8") or '{"messages": []}')["messages"]
    return [m["message"] for m in messages if m.get("type") == "error"]


def same_fault(error):
    """An error as it reads for an AREA and for the SVG link in its place."""
    return re.sub(r"element “(area|a)”", "element “link”", error).split(": ")[0].rstrip(".")


def carried_duplicate(error):
    """Two outputs of one map repeat the ids its areas carry from the page, as
    two copies of the image map would; the ids the writer makes never repeat."""
    match = re.match(r"Duplicate ID “(.*)”", error)
    return bool(match) and not match.group(1).startswith("zm")


def check_validator(options, jar, maps, folder):
    problems = []
    for i, (name, image_map, svg, again) in enumerate(maps):
        path = os.path.join(folder, f"vnu-{i}-html.html")
        with open(path, "w", encoding="utf-8") as f:
            f.write(page(image_map))
        html_errors = set(vnu_errors(jar, path))
        html_faults = {same_fault(e) for e in html_errors}
        if html_errors:  # what the image map's own format requires, or the page's own values
            print(f"{name}: the HTML form: " + "; ".join(sorted(html_errors)[:6]))
        for what, body in (("once", svg), ("twice", svg + "\n" + again)):
            path = os.path.join(folder, f"vnu-{i}-{what}.html")
            with open(path, "w", encoding="utf-8") as f:
                f.write(page(body))
            errors = [e for e in vnu_errors(jar, path)
                      if not KNOWN_SVG2.search(e) and same_fault(e) not in html_faults and not carried_duplicate(e)]
            if errors:
                problems.append(f"{name}, {what}: " + "; ".join(sorted(set(errors))[:6]))
    if problems:
        raise Failure("the validator finds errors in the SVG form:\n  " + "\n  ".join(problems))
    print(f"ok: the validator finds no error in the SVG form of {len(maps)} maps, once and twice")


def findings_of(options, source, folder):
    done = run([options.cli, "check", source, "--json"], cwd=folder, timeout=120)
    if done.returncode not in (0, 3):
        raise Failure(f"check {source} failed: {done.stderr.decode(errors='replace')}")
    return json.loads(done.stdout.decode("utf-8"))


def check_axe(options, modules, pages, folder):
    """axe on each real page and on our two forms of its maps."""
    runs = []
    for source, maps in pages:
        forms = {}
        for kind, at in (("html", 1), ("svg", 2)):
            path = os.path.join(folder, f"axe-{len(runs)}-{kind}.html")
            with open(path, "w", encoding="utf-8") as f:
                f.write(page("\n".join(m[at] for m in maps)))
            forms[kind] = path
        runs.append((source, forms))
    everything = [source for source, _ in runs] + [p for _, forms in runs for p in forms.values()]
    done = run(["node", os.path.join(os.path.dirname(os.path.abspath(__file__)), "axe_pages.js"), modules,
                options.chromium] + everything, timeout=900)
    if done.returncode != 0:
        raise Failure("axe could not run: " + done.stderr.decode(errors="replace")[-2000:])
    faults = json.loads(done.stdout.decode("utf-8"))
    problems = []
    for source, forms in runs:
        name = os.path.basename(source)
        ours = {kind: faults[path] for kind, path in forms.items()}
        for rule, nodes in ours["svg"].items():
            # An AREA without a name is area-alt's; the SVG link in its place is link-name's.
            peers = LINK_RULES if rule in LINK_RULES else (rule,)
            allowed = sum(len(ours["html"].get(peer, [])) for peer in peers)
            if len(nodes) > allowed:
                problems.append(f"{name}: {rule} faults the SVG form {len(nodes)} times, the HTML form "
                                f"{allowed}: {nodes[:3]}")
        original = faults[source]
        codes = [f["code"] for f in findings_of(options, source, folder)]
        areas = len(original.get("area-alt", []))
        images = len([n for n in original.get("image-alt", []) if "usemap" in n.lower()])
        if codes.count("missing-alt") < areas:
            problems.append(f"{name}: axe finds {areas} AREA without a name, the checker {codes.count('missing-alt')}")
        if codes.count("img-missing-alt") < images:
            problems.append(f"{name}: axe finds {images} IMG of a map without ALT, the checker "
                            f"{codes.count('img-missing-alt')}")
        print(f"{name}: axe on the page {sorted((r, len(n)) for r, n in original.items())}, "
              f"on our HTML form {sorted((r, len(n)) for r, n in ours['html'].items())}, "
              f"on our SVG form {sorted((r, len(n)) for r, n in ours['svg'].items())}; "
              f"the checker: {codes.count('missing-alt')} missing-alt, {codes.count('img-missing-alt')} "
              f"img-missing-alt, {codes.count('map-unused')} map-unused")
    if problems:
        raise Failure("axe:\n  " + "\n  ".join(problems))
    print(f"ok: axe on {len(runs)} real pages and our two forms of their maps")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--testdata", required=True)
    parser.add_argument("--modules", required=True)
    parser.add_argument("--chromium", default=shutil.which("chromium") or shutil.which("chromium-browser"))
    options = parser.parse_args()
    options.cli = os.path.abspath(options.cli)
    modules = os.path.abspath(options.modules)
    realworld = os.path.join(options.testdata, "realworld")
    if not os.path.isdir(realworld):
        print(f"SKIP: the referee tests need the real pages in {realworld}")
        return SKIP
    reason = ensure_modules(modules)
    if reason:
        print("SKIP: " + reason)
        return SKIP
    sources = sorted(os.path.join(realworld, f) for f in os.listdir(realworld) if f.endswith(".html"))
    with tempfile.TemporaryDirectory(prefix="zm-referees-") as folder:
        pages = [(source, maps_of(options, source, folder)) for source in sources]
        pages = [(source, maps) for source, maps in pages if maps]
        skipped = []
        if shutil.which("java"):
            check_validator(options, os.path.join(modules, "node_modules", "vnu-jar", "build", "dist", "vnu.jar"),
                            [m for _, maps in pages for m in maps], folder)
        else:
            skipped.append("the validator needs Java (Debian's default-jre-headless)")
        if options.chromium and shutil.which("node"):
            check_axe(options, modules, pages, folder)
        else:
            skipped.append("axe needs Node.js and Chromium (Debian's nodejs and chromium)")
        if len(skipped) == 2:
            print("SKIP: " + "; ".join(skipped))
            return SKIP
        for reason in skipped:
            print("left out: " + reason)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (Failure, subprocess.SubprocessError) as failure:
        print("FAIL: " + str(failure))
        sys.exit(1)
