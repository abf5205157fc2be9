#!/usr/bin/env python3
"""Fails when a file of src/ includes across a layer it must not cross.

- A core/ file (src/<folder>/core/) includes only standard headers, other core/ files and src/platform/.
- src/platform/ (the platform interfaces) includes only standard headers and itself.
- A platform implementation (src/<folder>/platform/) includes only src/platform/, core/ files and its own
  platform/ folder.
- The widget kit (src/controls/) includes no subsystem: only itself and src/platform/.
- The folders of src/ include each other one way: no circle.

Each violation is printed with the file and the include.

Usage: check_folder_layers.py <src folder>
"""

import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+([<"])([^>"]+)[>"]', re.MULTILINE)
# Standard C++ headers: lower-case names without an extension or a folder (<string_view>, <cstdint>).
STANDARD = re.compile(r"^[a-z_0-9]+$")

CORE_RULE = "a core/ file includes only standard headers, other core/ files and src/platform/"
INTERFACE_RULE = "src/platform/ includes only standard headers and itself"
BACKEND_RULE = "a platform implementation includes only src/platform/, core/ files and its own platform/ folder"
KIT_RULE = "the widget kit includes no subsystem"


def is_core(parts):
    return len(parts) > 2 and parts[1] == "core"


def violation(parts, bracket, included):
    """The rule a file (its path's parts below src/) breaks with an include, or None."""
    quoted = bracket == '"'
    if quoted and included.endswith(".moc"):
        return None  # the file's own generated meta-object code
    target = included.split("/")
    if is_core(parts):
        if quoted and not (is_core(target) or target[0] == "platform"):
            return CORE_RULE
        if not quoted and not STANDARD.match(included):
            return CORE_RULE
    elif parts[0] == "platform":
        if (quoted and target[0] != "platform") or (not quoted and not STANDARD.match(included)):
            return INTERFACE_RULE
    elif len(parts) > 2 and parts[1] == "platform":
        if quoted and not (is_core(target) or target[0] == "platform" or target[:2] == list(parts[:2])):
            return BACKEND_RULE
    elif parts[0] == "controls":
        if quoted and target[0] not in ("controls", "platform"):
            return KIT_RULE
    return None


def scan(src):
    """The layer violations as (file, include, rule), and the folder edges mapped to the includes making them."""
    violations, edges = [], {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp", ".inc") or not path.is_file():
            continue
        parts = path.relative_to(src).parts
        if len(parts) == 1:
            continue
        name = path.relative_to(src).as_posix()
        for bracket, included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            rule = violation(parts, bracket, included)
            if rule:
                violations.append((name, included, rule))
            folder = included.split("/")[0]
            if bracket == '"' and folder != parts[0] and "/" in included and (src / folder).is_dir():
                edges.setdefault((parts[0], folder), []).append(f"{name} ({included})")
    return violations, edges


def find_cycle(edges):
    """One cycle as a list of folders (first == last), or None."""
    graph = {}
    for source, target in edges:
        graph.setdefault(source, []).append(target)
    visiting, done = [], set()

    def visit(folder):
        if folder in visiting:
            return visiting[visiting.index(folder):] + [folder]
        if folder in done:
            return None
        visiting.append(folder)
        for target in sorted(graph.get(folder, [])):
            cycle = visit(target)
            if cycle:
                return cycle
        visiting.pop()
        done.add(folder)
        return None

    for folder in sorted(graph):
        cycle = visit(folder)
        if cycle:
            return cycle
    return None


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    violations, edges = scan(Path(sys.argv[1]))
    for name, included, rule in violations:
        print(f"{name} includes {included}: {rule}", file=sys.stderr)
    cycle = find_cycle(edges)
    if cycle:
        print("The folders of src/ include each other in a circle: " + " -> ".join(cycle), file=sys.stderr)
        for source, target in zip(cycle, cycle[1:]):
            print(f"  {source} -> {target}: " + ", ".join(edges[(source, target)]), file=sys.stderr)
    if violations or cycle:
        return 1
    for source, target in sorted(edges):
        print(f"{source} -> {target}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
