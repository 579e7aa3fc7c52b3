#!/usr/bin/env python3
"""Fails when the units of a folder include each other in a cycle.

A unit is X.h with X.cpp: X.cpp including Y.h and Y.h or Y.cpp including X.h is a cycle, though
no header includes itself. Each unit should see what it needs through one below it, so that the
folder reads, and builds, from the bottom up.

    scripts/check-include-cycles.py <repository> <folder>    e.g. . platform/forms
"""

import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def unit_graph(root, folder):
    """Unit -> the units it includes, all named by their path without extension."""
    graph = {}
    for source in sorted((root / folder).rglob("*")):
        if source.suffix not in (".h", ".cpp"):
            continue
        unit = source.relative_to(root).with_suffix("").as_posix()
        included = graph.setdefault(unit, set())
        for header in INCLUDE.findall(source.read_text(encoding="utf-8")):
            target = Path(header).with_suffix("").as_posix()
            if target != unit and target.startswith(folder + "/"):
                included.add(target)
    return graph


def cycles(graph):
    """Each group of units that reach one another (Tarjan's components), with one cycle in it."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(unit):
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        on_stack.add(unit)
        for other in sorted(graph.get(unit, ())):
            if other not in index:
                visit(other)
                low[unit] = min(low[unit], low[other])
            elif other in on_stack:
                low[unit] = min(low[unit], index[other])
        if low[unit] == index[unit]:
            group = set()
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.add(member)
                if member == unit:
                    break
            if len(group) > 1:
                found.append((sorted(group), cycle_within(graph, group)))

    for unit in sorted(graph):
        if unit not in index:
            visit(unit)
    return found


def cycle_within(graph, group):
    """A shortest way from the group's first unit back to itself, inside the group."""
    start = min(group)
    paths = {start: [start]}
    frontier = [start]
    while frontier:
        following = []
        for unit in frontier:
            for other in sorted(graph[unit] & group):
                if other == start:
                    return paths[unit] + [start]
                if other not in paths:
                    paths[other] = paths[unit] + [other]
                    following.append(other)
        frontier = following
    raise AssertionError("a strongly connected group without a cycle")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    root, folder = Path(sys.argv[1]), sys.argv[2].rstrip("/")
    found = cycles(unit_graph(root, folder))
    for group, cycle in found:
        print("units including one another: " + ", ".join(Path(unit).name for unit in group))
        print("  for example: " + " -> ".join(Path(unit).name for unit in cycle))
    if found:
        sys.exit(1)
    print("no include cycle among the units of %s" % folder)


if __name__ == "__main__":
    main()
