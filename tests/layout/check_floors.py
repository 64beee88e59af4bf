#!/usr/bin/env python3
"""Checks the program's floors from its own includes: every include goes to
the same folder or to a lower floor, and no files include each other round in
a circle (a header and its source count as one)."""
import os
import re
import sys

# Top floor first; folders on one line are one floor and do not include each
# other.
FLOORS = [
    ["app"],
    ["controls", "glom"],
    ["reading"],
    ["document"],
    ["ui"],
    ["settings", "formats", "resources"],
]
LEVEL = {folder: len(FLOORS) - i for i, row in enumerate(FLOORS) for folder in row}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def modules(root):
    """{module: set of modules it includes}; a module is folder/name."""
    graph = {}
    for folder in LEVEL:
        path = os.path.join(root, folder)
        if not os.path.isdir(path):
            continue
        for name in sorted(os.listdir(path)):
            if not name.endswith((".cpp", ".h", ".rc")):
                continue
            module = folder + "/" + os.path.splitext(name)[0]
            with open(os.path.join(path, name), encoding="utf-8", errors="replace") as f:
                text = f.read()
            targets = graph.setdefault(module, set())
            for included in INCLUDE.findall(text):
                if "/" not in included:
                    included = folder + "/" + included
                target = os.path.splitext(included)[0]
                if target != module:
                    targets.add(target)
    return graph


def upward(graph):
    found = []
    for module, targets in sorted(graph.items()):
        low = LEVEL[module.split("/")[0]]
        for target in sorted(targets):
            folder = target.split("/")[0]
            if folder == module.split("/")[0]:
                continue
            if folder not in LEVEL:
                found.append(f"{module} includes {target}, which is on no floor")
            elif LEVEL[folder] >= low:
                found.append(f"{module} (floor {low}) includes {target} (floor {LEVEL[folder]})")
    return found


def circles(graph):
    """Strongly connected groups of more than one module (Tarjan)."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in graph.get(v, ()):
            if w not in graph:
                continue
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    sys.setrecursionlimit(10000)
    for v in sorted(graph):
        if v not in index:
            visit(v)
    return groups


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    graph = modules(root)
    problems = upward(graph) + ["circle: " + " -> ".join(g) for g in circles(graph)]
    for p in problems:
        print(p)
    print(f"{len(graph)} files' includes read: {len(problems)} passing no floor rule")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
