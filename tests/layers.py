#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kazoola Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""The rooms kept apart, as the README's "How the code is laid out" says.

    tests/layers.py SOURCE_DIR 'QT_INCLUDE_DIR;...'

Fails (exit 1, one line per fault) when a file in a core/ folder includes a QtGui or QtWidgets
header or forward-declares one of their classes, or includes a header of a ui/ folder; and when
a file of game/ includes one of editor/ or the other way round. The Qt class names are the
headers in the installed QtGui and QtWidgets folders among the given include folders.
"""

import os
import re
import sys

SOURCES = (".cpp", ".h")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.M)
FORWARD = re.compile(r"^\s*(?:class|struct)\s+(Q[A-Za-z0-9_]+)\s*;", re.M)


def qt_names(include_dirs):
    names = set()
    for folder in include_dirs:
        for module in ("QtGui", "QtWidgets"):
            here = folder if os.path.basename(folder) == module else os.path.join(folder, module)
            if os.path.isdir(here):
                names.update(os.listdir(here))
    return names


def sources(top):
    for root, dirs, files in os.walk(top):
        dirs[:] = [d for d in dirs if not d.startswith(".") and not d.startswith("build")]
        for f in files:
            if f.endswith(SOURCES):
                yield os.path.relpath(os.path.join(root, f), top)


def main():
    top, include_dirs = sys.argv[1], [d for d in sys.argv[2].split(";") if d]
    gui = qt_names(include_dirs)
    if not any(n == "QWidget" for n in gui) or not any(n == "QColor" for n in gui):
        print("layers: no QtGui or QtWidgets headers found in", include_dirs)
        return 2
    files = sorted(sources(top))
    # Where each header name lives: ours are included by bare name from the include path.
    rooms = {}
    for path in files:
        rooms.setdefault(os.path.basename(path), set()).add(path)

    faults = []
    for path in files:
        parts = path.split(os.sep)
        with open(os.path.join(top, path), encoding="utf-8", errors="replace") as f:
            text = f.read()
        includes = INCLUDE.findall(text)
        if "core" in parts[:-1]:
            for name in includes:
                if os.path.basename(name) in gui and (name.startswith("Qt") or "/" not in name):
                    faults.append(f"{path}: includes the window header <{name}>")
                for other in rooms.get(os.path.basename(name), ()):
                    if "ui" in other.split(os.sep)[:-1]:
                        faults.append(f"{path}: includes {other}, a ui/ header")
            for cls in FORWARD.findall(text):
                if cls in gui:
                    faults.append(f"{path}: declares the window class {cls}")
        area = parts[0]
        if area in ("game", "editor"):
            other_area = "editor" if area == "game" else "game"
            for name in includes:
                homes = rooms.get(os.path.basename(name), set())
                if homes and all(h.split(os.sep)[0] == other_area for h in homes):
                    faults.append(f"{path}: includes {name} of {other_area}/")
    for fault in faults:
        print(fault)
    print(f"layers: {len(files)} files, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
