#!/usr/bin/env python3
"""Fails when the product's code reaches upward: a file includes one of a layer that is not
below its own, a platform-free file includes a Windows header, files or folders include each
other in a circle, or code outside registry/ calls the registry API itself.
Headers generated at configure time (BUILD_DIR/installer/...) count as files of their folder.
Usage: check_layers.py SOURCE_DIR [BUILD_DIR]"""
import pathlib
import re
import sys

# Each folder's library and the layers it links (CMakeLists.txt says the same); a folder may
# include its own files and those of every layer below it.
LAYERS = {
    "runtime/base": [],
    "runtime/system": ["runtime/base"],
    "runtime/graphics": ["runtime/system"],
    "runtime/ui": ["runtime/system"],
    "runtime": ["runtime/graphics", "runtime/ui"],
    "registry": ["runtime/system"],
    "host": ["registry"],
    "setup": ["host", "runtime"],
    "installer": ["setup", "host"],
}
PLATFORM_FREE = {"runtime/base"}
WINDOWS_HEADER = re.compile(r"^(win\w*|commctrl|richedit|shlobj|shellapi|objbase|sddl)\.h$", re.I)
REGISTRY_CALL = re.compile(r"\bReg(Open|Query|Create|Set|Enum|Delete|Close|Get)\w*\s*\(")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def below(layer, seen=None):
    seen = set() if seen is None else seen
    for lower in LAYERS[layer]:
        if lower not in seen:
            seen.add(lower)
            below(lower, seen)
    return seen


def find_cycle(graph):
    """One circle of the graph as a list of nodes, or None."""
    state = {}
    for start in sorted(graph):
        stack = [(start, iter(sorted(graph[start])))]
        path = [start]
        state[start] = "open"
        while stack:
            node, edges = stack[-1]
            nxt = next(edges, None)
            if nxt is None:
                state[node] = "done"
                stack.pop()
                path.pop()
            elif state.get(nxt) == "open":
                return path[path.index(nxt):] + [nxt]
            elif nxt not in state:
                state[nxt] = "open"
                stack.append((nxt, iter(sorted(graph.get(nxt, ())))))
                path.append(nxt)
    return None


def main(root, build=None):
    root = pathlib.Path(root)
    roots = [root] + ([pathlib.Path(build)] if build else [])
    problems = []
    files = sorted(p for top in ("runtime", "registry", "host", "setup", "installer")
                   for p in (root / top).rglob("*") if p.suffix in (".h", ".cpp"))
    units, folders = {}, {}
    for path in files:
        name = path.relative_to(root).as_posix()
        layer = path.parent.relative_to(root).as_posix()
        if layer not in LAYERS:
            problems.append(f"{name}: folder {layer} is no layer; give it a place in {__file__}")
            continue
        allowed = below(layer) | {layer}
        unit = name.rsplit(".", 1)[0]
        text = path.read_text(encoding="utf-8")
        if layer != "registry" and REGISTRY_CALL.search(text):
            problems.append(f"{name}: calls the registry API; registry/ is its one home")
        for kind, included in INCLUDE.findall(text):
            if kind == "<":
                if layer in PLATFORM_FREE and WINDOWS_HEADER.match(included):
                    problems.append(f"{name}: includes <{included}> in platform-free {layer}")
                continue
            target_layer = pathlib.PurePosixPath(included).parent.as_posix()
            if not any((r / included).is_file() for r in roots) or target_layer not in LAYERS:
                problems.append(f"{name}: includes \"{included}\", which is no file of a layer")
                continue
            if target_layer not in allowed:
                problems.append(f"{name}: {layer} includes \"{included}\" of {target_layer}, "
                                f"which is not below it")
            target_unit = included.rsplit(".", 1)[0]
            if target_unit != unit:
                units.setdefault(unit, set()).add(target_unit)
            if target_layer != layer:
                folders.setdefault(layer, set()).add(target_layer)
    for graph, what in ((units, "files"), (folders, "folders")):
        cycle = find_cycle(graph)
        if cycle:
            problems.append(f"{what} include each other in a circle: {' -> '.join(cycle)}")
    for problem in problems:
        print(problem)
    print(f"{len(files)} files checked, {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
