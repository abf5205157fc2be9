#!/usr/bin/env python3
"""Fails when the folders of src/ include each other in a circle.

Every `#include "folder/..."` in src/<folder>/ (at any depth) is an edge from that folder to the included one.
The folders must form layers, so the edges may hold no cycle; each cycle found is printed with the files whose
includes make up its edges.

Usage: check_folder_layers.py <src folder>
"""

import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]*"', re.MULTILINE)


def folder_edges(src):
    """Maps (from folder, to folder) to the files that make the edge."""
    edges = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp", ".inc") or not path.is_file():
            continue
        folder = path.relative_to(src).parts[0]
        if folder == path.name:
            continue
        for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if included != folder and (src / included).is_dir():
                files = edges.setdefault((folder, included), [])
                if path.relative_to(src).as_posix() not in files:
                    files.append(path.relative_to(src).as_posix())
    return edges


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
    src = Path(sys.argv[1])
    edges = folder_edges(src)
    cycle = find_cycle(edges)
    if cycle is None:
        for source, target in sorted(edges):
            print(f"{source} -> {target}")
        return 0
    print("The folders of src/ include each other in a circle: " + " -> ".join(cycle), file=sys.stderr)
    for source, target in zip(cycle, cycle[1:]):
        print(f"  {source} -> {target}: " + ", ".join(edges[(source, target)]), file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
