#!/usr/bin/env python3
"""Checks the translations against the sources.

Usage: check_translations.py SOURCE_DIR LUPDATE

Runs lupdate over the sources into copies of translations/*.ts, so that a shown text added or
changed since the files were last brought up to date counts as unfinished, then fails on any
entry that is unfinished, obsolete or vanished, and on any translation that loses or adds a
placeholder (%1), a mnemonic (&) or the blank at either end of its source.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

FOLDERS = ["base", "platform", "library", "link", "params", "ir", "firmware", "session", "app"]


def text_problems(source, text):
    """What a translation lost of its source: a placeholder, a mnemonic, a blank at an end."""
    problems = []
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
        problems.append(f"placeholders differ in {text!r}")
    if source.replace("&&", "").count("&") != text.replace("&&", "").count("&"):
        problems.append(f"mnemonic differs in {text!r}")
    if (source[:1] == " ") != (text[:1] == " ") or \
            source.endswith((" ", "\n")) != text.endswith((" ", "\n")):
        problems.append(f"blank at an end differs in {text!r}")
    return problems


def main():
    root = pathlib.Path(sys.argv[1]).resolve()
    lupdate = sys.argv[2]
    ts_files = sorted((root / "translations").glob("kestrel-x-editor_*.ts"))
    if not ts_files:
        print("no translations found")
        return 1
    sources = [str(p) for folder in FOLDERS for p in sorted((root / folder).rglob("*"))
               if p.suffix in (".cpp", ".h")]
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for ts in ts_files:
            copy = pathlib.Path(tmp) / ts.name
            shutil.copy(ts, copy)
            copies.append(copy)
        # The same options as the build's update_translations target (base/CMakeLists.txt).
        subprocess.run([lupdate, "-I", str(root), "-locations", "none", "-no-obsolete",
                        "-tr-function-alias", "translate+=ui_text", "-silent", *sources,
                        "-ts", *map(str, copies)], check=True)
        for copy in copies:
            for context in ET.parse(copy).getroot().iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    source = message.findtext("source") or ""
                    translation = message.find("translation")
                    where = f"{copy.name} [{name}] {source!r}"
                    kind = translation.get("type")
                    if kind:
                        problems.append(f"{where}: {kind}")
                        continue
                    # A text with %n has one form per plural of the language, each checked.
                    forms = [form.text or "" for form in translation.iter("numerusform")]
                    for text in forms or [translation.text or ""]:
                        problems.extend(f"{where}: {problem}"
                                        for problem in text_problems(source, text))
    for problem in problems:
        print(problem)
    print(f"{len(ts_files)} translations checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
