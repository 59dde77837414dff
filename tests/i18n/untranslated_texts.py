#!/usr/bin/env python3
"""Finds shown texts that bypass the translation system.

Reads the sources of the folders whose texts a user reads and reports every string literal
with words in it that is handed to a widget, a box, a menu or the status line without going
through tr(), ui_text() (QCoreApplication::translate) or a QT_TRANSLATE_NOOP constant. A text
that must stay as it is (a product name, a technical token) carries `// as is` on its line.
Exit status 1 when any is found.
"""
import pathlib
import re
import sys

FOLDERS = ["app", "base", "platform", "library", "link", "params", "ir", "firmware", "session"]
# Calls whose (first) argument a user reads.
SHOWN = re.compile(
    r"\b(setText|setWindowTitle|setToolTip|setAccessibleName|setAccessibleDescription|"
    r"setStatusTip|setWhatsThis|setPlaceholderText|setTitle|setLabelText|addAction|addMenu|"
    r"addItem|addItems|setHeaderLabels|setTabText|showMessage|set_text|message|confirm|choose|"
    r"show_status_text|set_status|set_step|set_device_name_text|warning|information|critical|"
    r"question|getOpenFileName|getSaveFileName|open_file|save_file|make_label|make_button|"
    r"make_menu|make_item|add_row_label|set_translated|"
    r"QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|QMenu|QToolButton)\s*\("
)
# Wrappers that translate, or mark a text for translation where it is shown.
TRANSLATED = re.compile(
    r"\b(tr|ui_text|QCoreApplication::translate|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP)\s*\("
)
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
WORDS = re.compile(r"[A-Za-z]{2,}")
# Object, property and context names ("btnUpload", "toolTip", "Link") are no texts.
IDENTIFIER = re.compile(r"^([a-z][A-Za-z0-9_]*|kx::\w+|Base|Library|Link|Params|Ir|Firmware|Session|HelpMenu|About)$")


def call_arguments(text, start):
    """The text between the call's parentheses (start is just past the opening one)."""
    depth = 1
    i = start
    in_string = False
    while i < len(text) and depth:
        c = text[i]
        if in_string:
            if c == "\\":
                i += 1
            elif c == '"':
                in_string = False
        elif c == '"':
            in_string = True
        elif c == "(":
            depth += 1
        elif c == ")":
            depth -= 1
        i += 1
    return text[start : i - 1]


def strip_translated(args):
    """The arguments with every translating wrapper's own arguments taken out."""
    out = args
    while True:
        m = TRANSLATED.search(out)
        if not m:
            return out
        inner = call_arguments(out, m.end())
        out = out[: m.start()] + out[m.end() + len(inner) + 1 :]


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    return re.sub(r'//(?![^"\n]*"\s*[,)]).*', "", text)


def scan(root):
    found = []
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            raw = path.read_text(encoding="utf-8")
            raw_lines = raw.split("\n")
            text = re.sub(r"//.*", "", raw)  # comments say nothing a user reads
            for m in SHOWN.finditer(text):
                args = call_arguments(text, m.end())
                rest = strip_translated(args)
                line = text.count("\n", 0, m.start()) + 1
                span = raw_lines[line - 1 : line + args.count("\n")]
                if any("// as is" in l for l in span):
                    continue
                for lit in LITERAL.findall(rest):
                    if WORDS.search(lit) and not IDENTIFIER.match(lit):
                        found.append(f"{path.relative_to(root)}:{line}: {m.group(1)}(\"{lit}\")")
                        break
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    found = scan(root)
    for entry in found:
        print(entry)
    if found:
        print(f"{len(found)} shown texts do not go through the translation system")
        return 1
    print("every shown text goes through the translation system")
    return 0


if __name__ == "__main__":
    sys.exit(main())
