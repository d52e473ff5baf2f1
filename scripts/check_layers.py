#!/usr/bin/env python3
"""Lists the includes between the program's folders and fails on a bad one.

Each product folder is a layer (the table below, lowest first). A file may
include its own folder and the folders of lower layers; an include of a higher
layer, or a cycle between folders of the same layer, fails the check. The
report's own subfolders are checked the same way among themselves: the style
and the driver below the chapters, the chapters below the registration at
report/ itself. The core layers (up to report/) and the Qt-free screen rules
must not include a Qt header.

Usage: scripts/check_layers.py [source root]   (exit status 1 on a fault)
"""
import os
import re
import sys
from collections import defaultdict

# (folder prefix, layer); the longest matching prefix names a file's unit.
UNITS = [
    ("text", 0),
    ("platform/sxf_common", 0),
    ("document", 1),
    ("sxf_writer", 1),
    ("calc", 2),
    ("drawing", 3),
    ("report", 4),
    ("screens/rules", 5),  # the files of screens/rules_library.txt
    ("platform", 6),
    ("drawing/backends", 6),
    ("renderer", 6),
    ("shell", 7),
    ("screens", 8),
    ("exports", 9),
    ("app", 9),
]
CORE_LAYER_MAX = 5  # text … report and the screen rules: no Qt

# Subfolders of report/, lowest first; any other subfolder is a chapter.
REPORT_LAYERS = {"style": 0, "driver": 1, "": 3}
REPORT_CHAPTER_LAYER = 2

SKIP = {"build", ".git", "tests", "bench", "fuzz", "resources", "examples", "cmake",
        "scripts", ".ci"}
INCLUDE = re.compile(r'^\s*#\s*include\s+([<"])([^">]+)[">]')


RULES = set()


def read_rules(root):
    """The Qt-free screen sources and their headers."""
    with open(os.path.join(root, "screens", "rules_library.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line and not line.startswith("#"):
                RULES.add(line)
                RULES.add(re.sub(r"\.cpp$", ".h", line))


def unit_of(path):
    if path in RULES:
        return ("screens/rules", 5)
    best = None
    for prefix, layer in UNITS:
        if path == prefix or path.startswith(prefix + "/"):
            if best is None or len(prefix) > len(best[0]):
                best = (prefix, layer)
    return best


def report_unit(path):
    parts = path.split("/")
    sub = parts[1] if len(parts) > 2 else ""
    return "report/" + sub if sub else "report", REPORT_LAYERS.get(sub, REPORT_CHAPTER_LAYER)


def sources(root):
    for folder, dirs, files in os.walk(root):
        rel_folder = os.path.relpath(folder, root)
        if rel_folder == ".":
            dirs[:] = [d for d in dirs if d not in SKIP]
        for name in files:
            if name.endswith((".h", ".cpp")):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def find_cycles(edges):
    """Cycles of the folder graph, each as a list of folders."""
    graph = defaultdict(set)
    for a, b in edges:
        graph[a].add(b)
    cycles, state, stack = [], {}, []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(graph[node]):
            if state.get(nxt) == 1:
                cycles.append(stack[stack.index(nxt):] + [nxt])
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = 2

    for node in sorted(graph):
        if node not in state:
            visit(node)
    return cycles


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    root = os.path.abspath(root)
    read_rules(root)
    counts = defaultdict(int)
    report_counts = defaultdict(int)
    faults = []
    for path in sorted(sources(root)):
        src = unit_of(path)
        if src is None:
            continue
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
            lines = f.readlines()
        for number, line in enumerate(lines, 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            where = f"{path}:{number}"
            if m.group(1) == "<":
                if src[1] <= CORE_LAYER_MAX and re.match(r"Q[A-Za-z]|qt", m.group(2)):
                    faults.append(f"{where}: Qt header <{m.group(2)}> in Qt-free {src[0]}/")
                continue
            target = unit_of(m.group(2))
            if target is None:
                continue
            if target[0] != src[0]:
                counts[(src[0], target[0])] += 1
                if target[1] > src[1]:
                    faults.append(f"{where}: upward include {m.group(2)} ({src[0]}/ is below "
                                  f"{target[0]}/)")
            if src[0] == "report" and target[0] == "report":
                a, b = report_unit(path), report_unit(m.group(2))
                if a[0] != b[0]:
                    report_counts[(a[0], b[0])] += 1
                    if b[1] > a[1]:
                        faults.append(f"{where}: upward include {m.group(2)} ({a[0]}/ is below "
                                      f"{b[0]}/)")

    print("Includes between folders (from -> to: count):")
    for (a, b), n in sorted(counts.items()):
        print(f"  {a} -> {b}: {n}")
    print("Includes between report/ subfolders:")
    for (a, b), n in sorted(report_counts.items()):
        print(f"  {a} -> {b}: {n}")
    for edges in (counts, report_counts):
        for cycle in find_cycles(edges.keys()):
            faults.append("include cycle: " + " -> ".join(cycle))
    if faults:
        print("\nLayer faults:")
        for fault in faults:
            print("  " + fault)
        return 1
    print("\nNo upward include, no cycle.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
