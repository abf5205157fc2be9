#!/usr/bin/env python3
"""The layer check fails on a copy of src/ with one include across a layer, and names the file and the include.

Usage: check_folder_layers_test.py <src folder>
"""

import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

CHECK = Path(__file__).resolve().parents[2] / "tools" / "check_folder_layers.py"

# (file below src/, include added to it)
BREACHES = [
    ("todo/core/TodoLine.cpp", "<QString>"),
    ("app/core/NoteBook.h", '"controls/UiLook.h"'),
    ("app/platform/LocalFileSystem.cpp", '"todo/TodoPage.h"'),
    ("controls/SButton.cpp", '"windows/FrmMessage.h"'),
    ("platform/FileSystem.h", "<QObject>"),
    # A circle: app already includes windows.
    ("windows/FrmMessage.cpp", '"app/NotesPage.h"'),
]


def run_check(src):
    return subprocess.run([sys.executable, str(CHECK), str(src)], capture_output=True, text=True)


def main():
    src = Path(sys.argv[1])
    failures = []
    if run_check(src).returncode != 0:
        failures.append("the tree itself fails the check")
    for name, include in BREACHES:
        with tempfile.TemporaryDirectory() as folder:
            copy = Path(folder) / "src"
            shutil.copytree(src, copy)
            target = copy / name
            target.write_text(f"#include {include}\n" + target.read_text(encoding="utf-8"), encoding="utf-8")
            result = run_check(copy)
            if result.returncode == 0 or name not in result.stderr or include.strip('"<>') not in result.stderr:
                failures.append(f"{include} in {name} passed or went unnamed:\n{result.stderr}")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
