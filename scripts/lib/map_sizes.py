"""Where the bytes of a linked program come from, largest first.

Usage: map_sizes.py [--top N] [--nm NM] [--symbols EXE] MAP...

For each GNU ld map file (-Wl,-Map): bytes per output section, per library or object file and
per input section (with -ffunction-sections that is one function or one datum each; an input
section of the same name in several objects, such as one template instantiated twice, counts
once with the sum). With --symbols: the largest functions and data of an unstripped program by
its symbol table (a link-time optimised program keeps no input sections per function).
scripts/code-size links the installer both ways and runs this. Sizes are as placed by the
linker, before each output section is padded to the file alignment; resources (.rsrc) come from
windres in one piece.
"""
import argparse
import re
import subprocess
from collections import defaultdict

OUTPUT = re.compile(r"^(\.\S+)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)")
# An input section: " .name 0xADDRESS 0xSIZE object", or the name alone on its line when it is
# long, and the rest on the next.
INPUT = re.compile(r"^ (\.\S+)(?:\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*))?$")
PLACEMENT = re.compile(r"^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
FILL = re.compile(r"^ \*fill\*\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)")


def short_object(path):
    """libstdc++.a(tree.o), libquorrel_setup.a(setup_dialog.cpp.obj), crt2.o."""
    match = re.match(r"^(?:.*/)?([^/(]+)(?:\((.*)\))?$", path.strip())
    if not match:
        return path
    archive, member = match.groups()
    return f"{archive}({member})" if member else archive


def placed_sections(lines):
    """Yields (output section, input section, size, object) for each placed input section."""
    output = None
    pending = None
    in_map = False
    for line in lines:
        if not in_map:
            in_map = line.startswith("Linker script and memory map")
            continue
        match = OUTPUT.match(line)
        if match:
            output, pending = match.group(1), None
            continue
        match = FILL.match(line)
        if match:
            if output:
                yield output, "*fill*", int(match.group(2), 16), "(padding)"
            continue
        if pending is not None:
            name, pending = pending, None
            match = PLACEMENT.match(line)
            if match:
                if output and int(match.group(2), 16):
                    yield output, name, int(match.group(2), 16), short_object(match.group(3))
                continue
        match = INPUT.match(line)
        if match:
            name, _, size, obj = match.groups()
            if size is None:
                pending = name
            elif output and int(size, 16):
                yield output, name, int(size, 16), short_object(obj)


def demangled(names):
    """Section names like .text$_ZN... read as .text$ Name(...); c++filt leaves others alone."""
    raw = [n.split("$", 1)[1] if "$" in n else n for n in names]
    try:
        out = subprocess.run(["c++filt"], input="\n".join(raw), capture_output=True, text=True,
                             check=True).stdout.splitlines()
    except (OSError, subprocess.CalledProcessError):
        return names
    return [f"{n.split('$', 1)[0]}$ {d}" if d != r else n for n, r, d in zip(names, raw, out)]


STRING = "std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> >"


def print_table(title, items, top):
    items = sorted(((k.replace(STRING, "std::string"), v) for k, v in items), key=lambda kv: -kv[1])
    total = sum(v for _, v in items)
    print(f"\n{title} (total {total:,})")
    for key, value in items[:top]:
        print(f"{value:9,}  {value * 100 / max(total, 1):5.1f} %  {key}")


def report_map(path, top):
    with open(path, encoding="utf-8", errors="replace") as f:
        # Debug sections do not reach a stripped program.
        placed = [p for p in placed_sections(f) if not p[0].startswith(".debug")]
    per_output = defaultdict(int)
    per_library = defaultdict(int)
    per_object = defaultdict(int)
    per_input = defaultdict(int)
    for output, name, size, obj in placed:
        per_output[output] += size
        per_library[f"{output:8} {obj.split('(', 1)[0]}"] += size
        per_object[f"{output:8} {obj}"] += size
        per_input[(output, name)] += size
    print(f"== {path}")
    print_table("Output sections", per_output.items(), top)
    print_table("Libraries and objects per output section", per_library.items(), top)
    print_table("Objects per output section", per_object.items(), top)
    biggest = sorted(per_input.items(), key=lambda kv: -kv[1])[:top]
    names = demangled([name for (_, name), _ in biggest])
    print_table("Input sections", [(f"{out:8} {name}", size) for ((out, _), size), name
                                   in zip(biggest, names)], top)


def report_symbols(exe, nm, top):
    listing = subprocess.run([nm, "--size-sort", "-S", "-C", exe], capture_output=True,
                             text=True, check=True).stdout
    kinds = {"t": "code", "r": "read-only data", "d": "data", "b": "zeroed data"}
    per_kind = defaultdict(int)
    items = []
    for line in listing.splitlines():
        parts = line.split(" ", 3)
        if len(parts) != 4 or parts[2].lower() not in kinds:
            continue
        size = int(parts[1], 16)
        per_kind[kinds[parts[2].lower()]] += size
        items.append((f"{kinds[parts[2].lower()]:14} {parts[3]}", size))
    print(f"== symbols of {exe}")
    print_table("Symbols by kind", per_kind.items(), top)
    print_table("Largest symbols", items, top)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("maps", nargs="*", metavar="MAP")
    parser.add_argument("--top", type=int, default=40)
    parser.add_argument("--symbols", metavar="EXE")
    parser.add_argument("--nm", default="nm")
    args = parser.parse_args()
    for path in args.maps:
        report_map(path, args.top)
    if args.symbols:
        report_symbols(args.symbols, args.nm, args.top)


if __name__ == "__main__":
    main()
