"""Turns the raw results of scripts/bench into a table on stdout and docs/performance.md.

Usage: bench_report.py <results folder> <markdown file>
"""
import math
import statistics
import sys
from collections import defaultdict
from pathlib import Path

KIB = 1024
MIB = 1024 * 1024
ARCH_NAMES = {"win32": "i686 (32-bit Wine)", "win64": "x86_64 (64-bit Wine)"}
FILE_BUFFER = 4096  # the file service's write buffer
WHOLE_LIMIT = 150_000  # bytes the whole shipped exe may take
PART_NAMES = {
    "first_window": "a first small window (the window system's start)",
    "gradient_bitmap": "gradient picture one pixel wide",
    "pattern_brush": "pattern brush made from it",
    "maximised_window": "maximised window painted with it",
    "dialog_window": "setup dialog window",
    "comctl32.dll": "common controls with a tooltip window",
    "shell32.dll": "shell",
    "ole32.dll": "OLE",
    "riched20.dll": "rich edit",
}
PEAK_LIMIT_MIB = 8  # peak working set above the minimal program
START_LIMIT = 1.1  # start to the backdrop / the minimal program's start to its window


def pairs(words):
    return dict(word.split("=", 1) for word in words if "=" in word)


def read_lines(folder, name):
    path = folder / name
    return path.read_text().splitlines() if path.exists() else []


def spread(values):
    """Median, minimum and maximum."""
    return statistics.median(values), min(values), max(values)


def ms(values):
    med, low, high = spread(values)
    return f"{med:.0f} ms ({low:.0f}-{high:.0f})"


def ratio(values):
    med, low, high = spread(values)
    return f"{med:.2f} ({low:.2f}-{high:.2f})"


def percent(part, whole):
    return f"{100 * part / whole:.0f} %" if whole else "-"


def size(n):
    return f"{n:,} B ({n / KIB:.1f} KiB)"


class Results:
    def __init__(self, folder):
        self.machine = {}
        for line in read_lines(folder, "machine.txt"):
            key, _, value = line.partition(" ")
            self.machine[key] = value
        self.sizes = {}
        self.sections = defaultdict(dict)
        self.installed = {}
        self.shown = {}
        for line in read_lines(folder, "sizes.txt"):
            words = line.split()
            if words[0] == "size":
                self.sizes[words[1]] = int(words[2])
            elif words[0] == "section":
                self.sections[words[1]][words[2]] = int(words[3], 0)
            elif words[0] == "carried":
                (self.installed if words[1] == "installed" else self.shown)[words[2]] = int(words[3])
        # launches[arch][label] = list of dicts, one per round, in round order
        self.launches = defaultdict(lambda: defaultdict(list))
        self.failures = []
        for line in read_lines(folder, "launches.txt"):
            words = line.split()
            if words[0] == "launch":
                values = {k: float(v) for k, v in pairs(words[3:]).items()}
                self.launches[words[1]][words[2]].append(values)
            else:
                self.failures.append(line)
        self.files = defaultdict(list)
        self.extraction = defaultdict(list)
        for line in read_lines(folder, "extraction.txt"):
            words = line.split()
            values = pairs(words[1:])
            if words[1] == "file":
                self.files[words[0]].append(values)
            elif "extraction_ms" in values:
                self.extraction[words[0]].append(
                    (float(values["extraction_ms"]), float(values["single_write_ms"])))
        self.objects = defaultdict(dict)
        self.memory = defaultdict(dict)
        self.run = {}
        for line in read_lines(folder, "objects.txt"):
            words = line.split()
            values = pairs(words[2:])
            if words[1] == "objects":
                self.objects[words[0]][(values["at"], values["kind"])] = {
                    k: int(values[k]) for k in ("created", "released", "left")}
            elif words[1] == "memory":
                self.memory[words[0]][values["at"]] = int(values["working_set"])
            elif words[1] == "run":
                self.run[words[0]] = values
        self.parts = defaultdict(dict)
        for line in read_lines(folder, "backdrop-costs.txt"):
            words = line.split()
            values = pairs(words[2:])
            self.parts[words[0]][values["name"]] = (int(values["added"]), float(values["ms"]))
        self.timed = self.machine.get("timed", "win64").split()
        # blocks[arch] = [(name, inflated, stored, crc32)], from the build's payload-blocks.tsv
        self.blocks = {}
        for arch in ("win32", "win64"):
            lines = read_lines(folder, f"payload-blocks-{arch}.tsv")[1:]
            rows = [(line.split("\t") if "\t" in line else line.split())[:4]
                    for line in lines if line.strip()]
            if rows:
                self.blocks[arch] = [(n, int(i), int(st), c) for n, i, st, c in rows]
        # seal[arch] = (first check in ms, intact, [ms per check of each round])
        self.seal = {}
        for line in read_lines(folder, "seal.txt"):
            words = line.split()
            values = pairs(words[1:])
            first, intact, rounds = self.seal.get(words[0], (None, None, []))
            if "first_check_ms" in values:
                first, intact = float(values["first_check_ms"]), values["intact"] == "1"
            elif "check_ms" in values:
                rounds.append(float(values["check_ms"]))
            self.seal[words[0]] = (first, intact, rounds)

    def column(self, arch, label, key):
        return [r[key] for r in self.launches[arch][label]]

    def per_round(self, arch, label, other, key, combine):
        mine = self.launches[arch][label]
        theirs = self.launches[arch][other]
        return [combine(a[key], b[key]) for a, b in zip(mine, theirs)]


def verdict(met):
    return "met" if met else "**not met**"


def build(results):
    rows = []  # (figure, architecture, measured, target, verdict)
    notes = []  # causes of gaps
    r = results
    carried = sum(r.installed.values()) + sum(r.shown.values())
    installed = sum(r.installed.values())

    # Sizes. The carried bytes are counted as the build stores them (payload-blocks.tsv), or at
    # the files' own sizes where the build does not say.
    def stored(arch):
        blocks = r.blocks.get(arch) or next(iter(r.blocks.values()), None)
        return sum(b[2] for b in blocks) if blocks else carried

    exe32 = r.sizes["win32_exe"]
    stored32 = stored("win32")
    overhead32 = exe32 - stored32
    limit, aim = 160 * KIB, 91_136
    peer = r.sizes["peer-x86"]
    peer_bare = r.sizes["peer-x86-nofiles"]
    rows.append(("Shipped exe", "i686", size(exe32), "-", "-"))
    rows.append(("Shipped exe / NSIS peer's installer", "i686 / x86",
                 f"{exe32 / peer:.2f} ({exe32:,} / {peer:,} B)",
                 f"<= {WHOLE_LIMIT:,} B; aim <= the peer's",
                 verdict(exe32 <= WHOLE_LIMIT) + (", aim met" if exe32 <= peer else ", aim not met")))
    if "win32" in r.blocks:
        inflated = sum(b[1] for b in r.blocks["win32"])
        rows.append(("Carried blocks in it: stored / inflated (5 installed + side picture)", "i686",
                     f"{stored32:,} / {inflated:,} B ({percent(stored32, inflated)})", "-", "-"))
    else:
        rows.append(("Carried files in it, stored as they are (5 installed + side picture)", "i686",
                     f"{carried:,} B ({installed:,} + {sum(r.shown.values()):,})", "-", "-"))
    rows.append(("Own overhead (exe - carried bytes)", "i686", size(overhead32),
                 f"<= 160 KiB; aim < 89 KiB (91,136 B)",
                 verdict(overhead32 <= limit) + (", aim not met" if overhead32 >= aim else ", aim met")))
    rows.append(("NSIS peer: installer / without files / stub", "x86",
                 f"{peer:,} / {peer_bare:,} / {r.sizes['nsis_stub_x86']:,} B", "-", "-"))
    exe64 = r.sizes["win64_exe"]
    rows.append(("64-bit exe / own overhead", "x86_64",
                 f"{exe64:,} / {exe64 - stored('win64'):,} B", "-", "-"))
    if exe32 > peer:
        how = ("compressed block by block" if stored32 < carried else "stored as they are")
        notes.append(
            f"**Whole installer against the NSIS peer.** The shipped exe is {exe32 - peer:,} "
            f"bytes larger than the peer's installer. Carried bytes: {stored32:,} here "
            f"({how}), {peer - peer_bare:,} in the peer (the five installed files in one solid "
            f"LZMA stream; it has no side picture). Own overhead: {overhead32:,} here, "
            f"{peer_bare:,} in the peer.")
    if limit >= overhead32 > aim:
        sections = r.sections["win32"]
        notes.append(
            f"**Own overhead against the aim.** The {overhead32:,} bytes beside the carried "
            f"bytes are the installer's own code (.text {sections.get('.text', 0):,} bytes: the "
            f"runtime of numbered windows, gadgets, files and images, the registry toolkit, "
            f"host discovery, the setup front end and the install run, built for size and "
            f"optimised as a whole at link time, without exceptions or type information), its "
            f"icon, manifest and version resources (.rsrc {sections.get('.rsrc', 0):,}), import "
            f"tables (.idata {sections.get('.idata', 0):,}), relocations for address-space "
            f"randomisation (.reloc {sections.get('.reloc', 0):,}) and the C runtime's start-up. "
            f"`build/bench/code-size.txt` (from `scripts/code-size`) names the largest pieces.")
    if overhead32 > limit:
        sections = r.sections["win32"]
        debug = sum(v for k, v in sections.items() if k.startswith(".debug"))
        stripped = r.sizes["win32_stripped"]
        notes.append(
            f"**Own overhead.** Of the {exe32:,} bytes of the 32-bit exe, "
            f"{exe32 - stripped:,} are debug information and the symbol table "
            f"({debug:,} in .debug sections): the stripped exe is {stripped:,} bytes, an "
            f"overhead of {stripped - carried:,}. What remains beside the carried files is "
            f"code (.text {sections.get('.text', 0):,} bytes), read-only data (.rdata "
            f"{sections.get('.rdata', 0):,}, the carried files' {carried:,} included), unwind "
            f"tables for C++ exceptions (.eh_frame {sections.get('.eh_frame', 0):,}) and "
            f"relocations ({sections.get('.reloc', 0):,}); much of the code is the statically "
            "linked C++ runtime (std::string, std::function, the exception classes). "
            "Sections:\n\n"
            + "| Section | Bytes |\n|---|---:|\n"
            + "".join(f"| {k} | {v:,} |\n" for k, v in sections.items()))

    for arch in r.timed:
        a = "i686" if arch == "win32" else "x86_64"
        if not r.launches[arch]["setup"]:
            rows.append(("Timed launches", a, "no complete launch", "-", "**not met**"))
            continue
        backdrop = r.column(arch, "setup", "window_ms")
        dialog = r.column(arch, "setup", "dialog_ms")
        minimal = r.column(arch, "minimal", "window_ms")
        nsis = r.column(arch, "nsis", "window_ms")
        to_minimal = r.per_round(arch, "setup", "minimal", "window_ms", lambda x, y: x / y)
        to_nsis = r.per_round(arch, "setup", "nsis", "window_ms", lambda x, y: x / y)
        rows.append(("Start to backdrop visible", a, ms(backdrop), "-", "-"))
        rows.append(("Minimal program: start to its window", a, ms(minimal), "-", "-"))
        rows.append(("NSIS peer: start to its first page", a, ms(nsis), "-", "-"))
        rows.append(("Backdrop / minimal program (per round)", a, ratio(to_minimal),
                     f"<= {START_LIMIT}", verdict(statistics.median(to_minimal) <= START_LIMIT)))
        rows.append(("Backdrop / NSIS peer (per round)", a, ratio(to_nsis), "<= 1.0",
                     verdict(statistics.median(to_nsis) <= 1.0)))
        rows.append(("Start to setup dialog visible", a, ms(dialog),
                     "- (1.25 s of typing by design)", "-"))
        typing = [d - b for d, b in zip(dialog, backdrop)]
        rows.append(("Backdrop to setup dialog", a, ms(typing), "-", "-"))
        cpu = [100 * x["idle_cpu_ms"] / x["idle_wall_ms"] for x in r.launches[arch]["setup"]]
        med, low, high = spread(cpu)
        rows.append((f"CPU while the dialog waits {float(r.machine['idle_ms']) / 1000:.0f} s",
                     a, f"{med:.2f} % ({low:.2f}-{high:.2f})", "< 1 %", verdict(high < 1.0)))
        peak = r.column(arch, "setup", "peak_working_set")
        minimal_peak = r.column(arch, "minimal", "peak_working_set")
        above = r.per_round(arch, "setup", "minimal", "peak_working_set",
                            lambda x, y: (x - y) / MIB)
        rows.append(("Peak working set / minimal program's", a,
                     f"{statistics.median(peak) / MIB:.1f} / "
                     f"{statistics.median(minimal_peak) / MIB:.1f} MiB", "-", "-"))
        nsis_above = r.per_round(arch, "nsis", "minimal", "peak_working_set",
                                 lambda x, y: (x - y) / MIB)
        peak_aim = statistics.median(nsis_above)
        rows.append(("Peak working set above the minimal program", a,
                     f"{statistics.median(above):.1f} MiB ({min(above):.1f}-{max(above):.1f})",
                     f"<= {PEAK_LIMIT_MIB} MiB; aim <= the NSIS peer's",
                     verdict(statistics.median(above) <= PEAK_LIMIT_MIB)
                     + (", aim met" if statistics.median(above) <= peak_aim else ", aim not met")))
        rows.append(("NSIS peer's peak above the minimal program", a,
                     f"{statistics.median(nsis_above):.1f} MiB", "-", "-"))
        full_screen = r.per_round(arch, "minimal_maximised", "minimal", "peak_working_set",
                                  lambda x, y: (x - y) / MIB)
        if statistics.median(to_minimal) > START_LIMIT or statistics.median(to_nsis) > 1.0:
            parts = r.parts.get(arch, {})
            before = ("maximised_window",)
            part_text = ", ".join(f"{PART_NAMES[k]} {parts[k][1]:.0f} ms" for k in before
                                  if k in parts)
            extra = statistics.median(backdrop) - statistics.median(minimal)
            notes.append(
                f"**Start-up ({a}).** The median start to the backdrop is {extra:.0f} ms above "
                "the minimal program's median start to its window. Before the backdrop shows, "
                "the setup loads its icon, searches the registry for the host, loads the side "
                "picture, reads the version record and makes four fonts; the backdrop is a "
                "maximised window. Its gradient is painted after it shows; the common controls "
                "are loaded when the pointer first reaches a credit link, the shell and OLE for "
                "the folder chooser, rich edit for the agreement. The platform's share of that, "
                "measured piece by piece in one process (`bench/backdrop_costs.cpp`): "
                f"{part_text} (to the end of its first paint, which may come after the window "
                "counts as visible). The spread of the single times in the table shows how much "
                "the shared machine's load moves every figure; a ratio near its target needs "
                "more rounds (`scripts/bench 15`) to be told apart from noise.")
        if statistics.median(above) > peak_aim:
            stages = r.memory.get(arch, {})
            stage_text = ", ".join(f"{k} {v / MIB:.1f} MiB" for k, v in stages.items())
            parts = r.parts.get(arch, {})
            part_text = ", ".join(f"{PART_NAMES.get(k, k)} {v / MIB:+.1f} MiB"
                                  for k, (v, _) in parts.items())
            notes.append(
                f"**Peak working set ({a}).** While the setup dialog waits, the setup holds the "
                "backdrop, a maximised window (Wine keeps a 32-bit surface of every top-level "
                "window in process memory) painted with a pattern brush made from a gradient "
                "picture one pixel wide (image 0), and the dialog window beside it; the minimal "
                "program holds one small window. Measured piece by piece in one process, in the "
                f"order the setup makes them (`bench/backdrop_costs.cpp`): {part_text}. Every "
                "program pays the first window's share, the minimal one included. The common "
                "controls, the shell, OLE and rich edit come only on first use, after the dialog "
                "shows (the pointer on a credit link, the folder chooser, the agreement), so "
                "this figure holds none of them. The same maximised, the minimal program itself "
                f"grows by {statistics.median(full_screen):.1f} MiB. Working set of the "
                f"in-process run of the whole installer by stage: {stage_text}.")

    peaks = {arch: statistics.median(r.column(arch, "setup", "peak_working_set")) / MIB
             for arch in ("win32", "win64") if r.launches[arch]["setup"]}
    if len(peaks) == 2:
        rows.append(("Peak working set: 32-bit / 64-bit build", "i686 / x86_64",
                     f"{peaks['win32']:.1f} / {peaks['win64']:.1f} MiB", "-", "-"))

    for arch in r.timed:
        a = "i686" if arch == "win32" else "x86_64"
        first, intact, rounds = r.seal.get(arch, (None, None, []))
        if first is None or not rounds:
            rows.append(("Start-up check of the carried blocks", a,
                         "not built (no installer/payload_seal.h)", "-", "-"))
            continue
        med, low, high = spread(rounds)
        rows.append(("Start-up check of the carried blocks: first / repeated", a,
                     f"{first:.2f} ms / {med:.3f} ms ({low:.3f}-{high:.3f})", "-",
                     "-" if intact else "**blocks reported damaged**"))

    for arch, files in r.files.items():
        a = "i686" if arch == "win32" else "x86_64"
        expected_all = True
        for f in files:
            bytes_ = int(f["bytes"])
            calls = int(f["write_calls"])
            expected = math.ceil(bytes_ / FILE_BUFFER)
            expected_all = expected_all and calls == expected
            name = f["target"].split("\\")[-1]
            rows.append((f"Write calls: {name} ({bytes_:,} B)", a,
                         f"{calls} ({bytes_ / calls:,.0f} B per call)",
                         f"{expected} (one per full 4 KiB buffer)", verdict(calls == expected)))
        ours = [e[0] for e in r.extraction[arch]]
        single = [e[1] for e in r.extraction[arch]]
        per_run = [e[0] / e[1] for e in r.extraction[arch]]
        rows.append(("Extraction without the seven pauses", a, ms_precise(ours), "-", "-"))
        rows.append(("Same steps, one WriteFile per file", a, ms_precise(single), "-", "-"))
        rows.append(("Extraction / one WriteFile per file", a, ratio(per_run), "-", "-"))

    for arch in r.objects:
        a = "i686" if arch == "win32" else "x86_64"
        run = r.run.get(arch, {})
        total_end = r.objects[arch].get(("run_end", "all"), {})
        total_exit = r.objects[arch].get(("exit", "all"), {})
        ran = run.get("exit_code") == "0" and run.get("installed") == "1"
        rows.append(("GDI + USER objects created by a full install run", a,
                     str(total_exit.get("created", "?")), "-", "-"))
        rows.append(("... still existing when the run returns", a,
                     str(total_end.get("left", "?")), "-", "-"))
        rows.append(("... still existing at exit (after static objects)", a,
                     str(total_exit.get("left", "?")), "0",
                     verdict(ran and total_exit.get("left") == 0)))

    return rows, notes


def ms_precise(values):
    med, low, high = spread(values)
    return f"{med:.1f} ms ({low:.1f}-{high:.1f})"


def table(rows):
    head = "| Figure | Architecture | Measured: median (min-max) | Target | Verdict |\n"
    head += "|---|---|---|---|---|\n"
    return head + "".join("| " + " | ".join(row) + " |\n" for row in rows)


def object_table(results):
    lines = []
    for arch, entries in results.objects.items():
        a = "i686" if arch == "win32" else "x86_64"
        lines.append(f"\n{a}, full install run:\n\n| Kind | Created | Released by the program "
                     "| Still existing when the run returns | Still existing at exit |\n"
                     "|---|---:|---:|---:|---:|\n")
        kinds = [k for (at, k) in entries if at == "exit"]
        for kind in kinds:
            end = entries.get(("run_end", kind), {})
            exit_ = entries[("exit", kind)]
            released = "-" if kind == "user.window" else str(exit_["released"])
            lines.append(f"| {kind} | {exit_['created']} | {released} | {end.get('left', '?')} "
                         f"| {exit_['left']} |\n")
    return "".join(lines)


def blocks_section(results):
    if "win32" not in results.blocks:
        return ("Not built: the build wrote no `installer/payload-blocks.tsv`, so the carried "
                "files count at their own sizes, stored as they are.\n")
    lines = ["Of the shipped 32-bit build (`build/win32/installer/payload-blocks.tsv`):\n\n"
             "| Block | Inflated | Stored | Stored / inflated | CRC-32 |\n"
             "|---|---:|---:|---:|---|\n"]
    for name, inflated, stored, crc in results.blocks["win32"]:
        lines.append(f"| {name} | {inflated:,} | {stored:,} | {percent(stored, inflated)} | {crc} |\n")
    inflated = sum(b[1] for b in results.blocks["win32"])
    stored = sum(b[2] for b in results.blocks["win32"])
    lines.append(f"| all | {inflated:,} | {stored:,} | {percent(stored, inflated)} | |\n")
    other = results.blocks.get("win64")
    if other is not None:
        same = other == results.blocks["win32"]
        lines.append("\nThe 64-bit build stores " + ("the same blocks.\n" if same else
                     f"{sum(b[2] for b in other):,} bytes for them.\n"))
    return "".join(lines)


def document(results, rows, notes):
    m = results.machine
    timed = ", ".join(ARCH_NAMES[a] for a in results.timed)
    if m.get("can_run_32bit") == "yes":
        where = (";\n  each build is timed under the Wine of its own architecture, beside the NSIS "
                 "peer's build for it\n  (x86 ANSI, amd64 Unicode)")
    else:
        where = (";\n  where it does not, 32-bit Wine cannot start, so every timing is of the "
                 "64-bit build (same\n  sources) under 64-bit Wine, beside the NSIS peer's amd64 "
                 "build")
    runs = m.get("runs", "?")
    idle_s = float(m.get("idle_ms", 5000)) / 1000
    failures = ""
    if results.failures:
        failures = ("\nLaunches that did not complete (left out of the figures):\n\n"
                    + "".join(f"- `{f}`\n" for f in results.failures))
    gaps = "\n\n".join(notes) if notes else "Every target is met."
    return f"""# Performance

Written by `scripts/bench` (run it again to refresh this page; `scripts/bench 11` takes 11
timed launches per program instead of {runs}). Figures of one run:

- Date: {m.get('date')}; commit {m.get('commit')}
- Machine: {m.get('nproc')} cores, {m.get('cpu')}; Debian {m.get('debian')}; load average
  before / after the run: {m.get('load_before')} / {m.get('load_after')} (the machine is shared)
- {m.get('wine')}; mingw-w64 g++ {m.get('compiler')}; NSIS makensis {m.get('makensis')}
- Timed under: {timed}. This machine runs 32-bit programs: {m.get('can_run_32bit')}{where}.
  Sizes are of the shipped 32-bit exe.

Absolute times on a shared machine are noise; the ratios, taken within one round of launches
in which the programs take turns, are the figures.

## Table

{table(rows)}{failures}
## Carried blocks

{blocks_section(results)}
## Gaps and their causes

{gaps}

## How each figure was taken

**Sizes.** File sizes of `build/win32/quorrel-setup.exe` (the shipped installer, Release
preset) and `build/win64/quorrel-setup.exe`. The carried blocks are the six files of
`installer/payload` as the build links them into the image: the five that are installed and the
setup dialog's side picture. Their inflated and stored sizes are those the build lists in
`build/<arch>/installer/payload-blocks.tsv` (without that list: the files' own sizes). Own
overhead = exe size minus the stored bytes. The ratio to the NSIS peer divides the whole shipped
exe by the peer's x86 installer; the target is 150,000 bytes, the aim no more than the peer.
`scripts/code-size` breaks the exe down by section, library, object file and function; its
output of this run is kept in `build/bench/code-size.txt`. The NSIS peer is built by the script
with Debian's `nsis` package from `bench/peer.nsi`: the same five files, solid LZMA, a license
page (the description text), a directory page and the install page with its details log; x86
as ANSI like the product (stub `lzma_solid-x86-ansi`), amd64 as Unicode (the only amd64 stub).
"Without files" is the same script with no File command: the peer's own overhead. The aim
figure, 89 KiB (91,136 bytes), is the package's smallest x86 stub (`zlib-x86-ansi`).

**Start-up.** `bench/launcher.cpp`, a Windows program started under Wine, reads
QueryPerformanceCounter, starts the program with CreateProcess and polls every 2 ms
(EnumThreadWindows on the program's first thread, IsWindowVisible) for its first visible
top-level window: the setup backdrop, the minimal program's window
(`bench/minimal_window.cpp`: one window, one message loop) or the NSIS peer's license page.
For the setup it then polls for a visible top-level window holding a button "Weiter": the setup
dialog (the backdrop and the dialog are both titled "SETUP"). Each round launches the setup,
the minimal program, the minimal program maximised and the NSIS peer, one after the other;
{runs} rounds are counted after one warm-up round. Ratios are taken per round (setup time
divided by the other program's time in the same round) and given as median (min-max). The
prefix is fresh, with a PureBasic host registered as in `scripts/demo`, on a private Xvfb
screen of 1280 x 1024 without window manager.

**Idle CPU.** Half a second after the setup dialog shows, the launcher takes the process's
kernel plus user time, waits {idle_s:.0f} s and takes it again; the figure is the difference
divided by the wall time. Wine's GetProcessTimes answers 0 for another process, so the times
come from the system process list (NtQuerySystemInformation, SystemProcessInformation), which
Wine fills from /proc in steps of 10 ms (0.2 % of {idle_s:.0f} s). The verdict uses the largest
of the {runs} runs.

**Peak working set.** PeakWorkingSetSize of K32GetProcessMemoryInfo for the child, read by the
launcher after the idle wait, just before it ends the child; Wine reports the Linux process's
peak resident size, which includes Wine's own libraries on both sides of the difference. The
difference to the minimal program is taken per round. Where the machine runs 32-bit programs,
both builds are measured, each beside the minimal program of its own architecture. The
in-process stages in the gap notes
come from the GDI/USER run below (WorkingSetSize of the process at each stage).

**Write calls and extraction.** `bench/extraction_bench.cpp` links the product's libraries and
writes each carried file with `WritePayloadItem` into a fresh temporary folder while a counting
function replaces the file service's WriteFile (`SetFileWriteFunctionForTesting`). Then it
times, with QueryPerformanceCounter, the extraction steps of the install run in their order
(five files, four folders), without the seven 100 ms pauses and without the progress window,
21 times into fresh folders, alternating with the same steps done with one CreateFile,
WriteFile and CloseHandle per file; one warm-up round of each is not counted.

**Start-up check of the carried blocks.** `bench/seal_bench.cpp` links the product's libraries
and calls `CarriedBlocksIntact`, the check the installer makes of its carried blocks when it
starts: once before anything has touched the blocks' pages ("first"), then 21 rounds of 20
checks, timed with QueryPerformanceCounter; a round's figure is its time divided by 20, given as
median (min-max) of the rounds. It is built only where `installer/payload_seal.h` exists.

**GDI and USER objects.** GetGuiResources is a stub under Wine (always 0). Instead
`bench/gui_objects_bench.cpp` runs the whole installer in its own process while a second
thread plays a user through a fresh install (install option, agreement, preselected host
folder, "Fertig"), and `bench/object_ledger.cpp` redirects the program's own imports of the
functions that make and free GDI and USER objects (CreateCompatibleBitmap, CreateDIBSection,
CreateCompatibleDC, CreateFontA, CreatePen, CreateSolidBrush, CreatePatternBrush, GetDC,
CreateWindowExA, CreateAcceleratorTableA, CreateIconFromResourceEx, CopyIcon, CopyImage,
GetIconInfo's bitmaps, and DeleteObject, DeleteDC, ReleaseDC, DestroyAcceleratorTable,
DestroyIcon). Every handle made is then checked with the system (GetObjectType, IsWindow,
GetIconInfo, CopyAcceleratorTable): once when the run returns and once at exit, after the
program's static objects are destroyed. Objects that system libraries make on their own
(message boxes, the folder chooser, the controls' internals) are not counted; a handle freed by
the system counts as freed (a window class's background brush is deleted with its class).
{object_table(results)}"""


def main():
    folder, markdown = Path(sys.argv[1]), Path(sys.argv[2])
    results = Results(folder)
    rows, notes = build(results)
    widths = [max(len(row[i]) for row in rows) for i in range(5)]
    for row in rows:
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
    markdown.parent.mkdir(parents=True, exist_ok=True)
    markdown.write_text(document(results, rows, notes))
    print(f"\nWritten: {markdown}")


if __name__ == "__main__":
    main()
