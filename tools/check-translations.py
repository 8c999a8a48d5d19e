#!/usr/bin/env python3
"""Checks the English translation against the tree.

lupdate runs over the sources into a copy of res/translations/zephyrmap_en.ts:
a Japanese text with no English there (new, or changed) comes out unfinished,
and an entry whose text the sources no longer hold comes out vanished; both
fail. The .ts itself must be complete: every entry translated, with the same
placeholders (%1...), menu keys (after a tab), file filter patterns and at
most one mnemonic, no Japanese left in it; lrelease must report nothing
unfinished.

Usage: tools/check-translations.py LUPDATE LRELEASE [SOURCE_DIR]
"""

import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

FOLDERS = ["app", "panes", "view", "services", "cli"]
TS = os.path.join("res", "translations", "zephyrmap_en.ts")
MESSAGE = re.compile(r"<name>(.*?)</name>|<message(?: numerus=\"yes\")?>\s*<source>(.*?)</source>\s*"
                     r"<translation( type=\"\w+\")?>(.*?)</translation>", re.S)
# The forms of a text with a count (%n), one for each form the count takes.
NUMERUS_FORM = re.compile(r"<numerusform>(.*?)</numerusform>", re.S)
# Kana, CJK ideographs and punctuation, half- and full-width forms.
JAPANESE = re.compile("[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]")


def decode(raw):
    raw = re.sub(r'<byte value="x([0-9a-f]+)"/>', lambda m: chr(int(m.group(1), 16)), raw)
    return html.unescape(raw)


def messages(path):
    """(context, source, translation type or None, translation) of every entry."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    context = None
    for m in MESSAGE.finditer(text):
        if m.group(1) is not None:
            context = decode(m.group(1))
            continue
        kind = m.group(3)[7:-1] if m.group(3) else None
        yield context, decode(m.group(2)), kind, decode(m.group(4))


def mnemonics(text):
    return re.findall(r"&(?!&)(?=\S)", text.replace("&&", ""))


def problems_of(context, source, translation):
    found = []
    if "%n" in source:
        forms = NUMERUS_FORM.findall(translation)
        if not forms or not all(forms):
            return ["no English for every form of the count"]
        if not all("%n" in form for form in forms):
            found.append("a form of the count does not hold %n")
        translation = "\n".join(forms)
    if not translation:
        return ["no English"]
    if JAPANESE.search(translation):
        found.append("Japanese left in the English")
    if sorted(set(re.findall(r"%\d", source))) != sorted(set(re.findall(r"%\d", translation))):
        found.append("placeholders differ")
    if "\t" in source and source.split("\t", 1)[1] != translation.partition("\t")[2]:
        found.append("the menu keys after the tab differ")
    if "|" in source and source.count("|") == translation.count("|"):
        if source.split("|")[1::2] != translation.split("|")[1::2]:
            found.append("the file filter's patterns differ")
    elif "|" in source:
        found.append("the file filter has another number of fields")
    if source.count("\n") != translation.count("\n") and context == "CMainFrame" and "\nUndo\n" in source:
        found.append("the tool bar labels are not one a line")
    if len(mnemonics(translation)) > 1:
        found.append("more than one mnemonic")
    return found


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    lupdate, lrelease = sys.argv[1], sys.argv[2]
    source_dir = os.path.abspath(sys.argv[3] if len(sys.argv) > 3 else os.path.join(os.path.dirname(__file__), ".."))
    ts = os.path.join(source_dir, TS)
    failures = []

    for context, source, kind, translation in messages(ts):
        if kind in ("unfinished", "vanished", "obsolete"):
            failures.append(f"{context}: {source!r} is {kind} in {TS}")
            continue
        for problem in problems_of(context, source, translation):
            failures.append(f"{context}: {source!r} -> {translation!r}: {problem}")

    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, "zephyrmap_en.ts")
        shutil.copy(ts, copy)
        done = subprocess.run([lupdate, "-I", ".", "-locations", "none", "-source-language", "ja",
                               "-target-language", "en", *FOLDERS, "-ts", copy],
                              cwd=source_dir, capture_output=True, text=True)
        if done.returncode != 0:
            failures.append(f"lupdate failed: {done.stderr}")
        for context, source, kind, _ in messages(copy):
            if kind == "unfinished":
                failures.append(f"{context}: {source!r} has no English in {TS} (new or changed in the sources)")
            elif kind in ("vanished", "obsolete"):
                failures.append(f"{context}: {source!r} is no longer in the sources: remove it from {TS}")
        done = subprocess.run([lrelease, ts, "-qm", os.path.join(tmp, "zephyrmap_en.qm")], capture_output=True,
                              text=True)
        said = done.stdout + done.stderr
        if done.returncode != 0 or not re.search(r"\b0 unfinished\b", said):
            failures.append(f"lrelease: {said.strip()}")

    for failure in failures:
        print("error: " + failure)
    if failures:
        print(f"{len(failures)} problem(s); update {TS} (lupdate -I . -locations none {' '.join(FOLDERS)} -ts {TS}) "
              "and translate what is unfinished")
        return 1
    print(f"{TS}: every text of the sources has its English")
    return 0


if __name__ == "__main__":
    sys.exit(main())
