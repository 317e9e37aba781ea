#!/usr/bin/env python3
"""Runs the benchmarks of a built bench preset and writes docs/performance.md.

Every figure is a median over repeated runs; each ratio compares two things
measured side by side in the same run.
"""

import json
import os
import platform
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BENCH = ROOT / "build" / "bench" / "bench"
STARTUP_RUNS = 31
INSTRUCTION_RUNS = 3
GENERATE_RUNS = 3
# The font floor: the bare window showing one Chinese caption in Tavelin's font.
FLOOR = "label"


def probe(mode):
    """Time from process start to first painted frame (ms), CPU time up to it (ms), and peak RSS (KiB)."""
    start = time.monotonic_ns()
    out = subprocess.run([BENCH / "startup_probe", mode], capture_output=True, text=True, check=True).stdout
    values = dict(line.split() for line in out.splitlines() if line.strip())
    return (int(values["frame_ns"]) - start) / 1e6, int(values["cpu_ns"]) / 1e6, int(values["peak_rss_kb"])


def startup_and_memory():
    """Alternates the windows, so that all see the same machine state. Returns
    the medians of wall-clock time, CPU time and peak RSS by window."""
    samples = {"bare": [], FLOOR: [], "tavelin": []}
    for _ in range(STARTUP_RUNS):
        for mode in samples:
            samples[mode].append(probe(mode))
    return [{mode: statistics.median(s[i] for s in runs) for mode, runs in samples.items()} for i in range(3)]


def instructions(mode):
    """Instructions from process start to the first frame, as callgrind counts them."""
    with tempfile.TemporaryDirectory() as folder:
        counts = Path(folder) / "callgrind.out"
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={counts}",
                        BENCH / "startup_probe", mode, "first-frame"], capture_output=True, check=True)
        totals = [line for line in counts.read_text().splitlines() if line.startswith("totals:")]
        return int(totals[0].split()[1])


def startup_instructions():
    """Medians by window, the windows taken in turn."""
    samples = {FLOOR: [], "tavelin": []}
    for _ in range(INSTRUCTION_RUNS):
        for mode in samples:
            samples[mode].append(instructions(mode))
    return {mode: statistics.median(counts) for mode, counts in samples.items()}


def generate():
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    runs = []
    for _ in range(GENERATE_RUNS):
        out = subprocess.run([BENCH / "generate_bench"], capture_output=True, text=True, check=True, env=env).stdout
        runs.append(dict((k, float(v)) for k, v in (line.split() for line in out.splitlines() if line.strip())))
    return {key: statistics.median(run[key] for run in runs) for key in runs[0]}


def core():
    out = subprocess.run(
        [BENCH / "core_bench", "--benchmark_repetitions=15", "--benchmark_report_aggregates_only=true",
         "--benchmark_format=json"], capture_output=True, text=True, check=True).stdout
    medians = {b["run_name"]: b for b in json.loads(out)["benchmarks"] if b["aggregate_name"] == "median"}
    return medians["validateAndCompose"], medians["plainConcatenation"]


def machine():
    cpu = "unknown CPU"
    try:
        for line in Path("/proc/cpuinfo").read_text().splitlines():
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    except OSError:
        pass
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6core6"], capture_output=True, text=True).stdout
    return f"{cpu}, {os.cpu_count()} cores, Linux {platform.release()}, Qt {qt or 'unknown'}, Xvfb"


def verdict(ok):
    return "met" if ok else "**missed**"


def main():
    startup, cpu, memory = startup_and_memory()
    counted = startup_instructions()
    gen = generate()
    composed, plain = core()

    startup_ratio = startup["tavelin"] / startup["bare"]
    cpu_ratio = cpu["tavelin"] / cpu[FLOOR]
    instruction_ratio = counted["tavelin"] / counted[FLOOR]
    memory_ratio = memory["tavelin"] / memory["bare"]
    growth = gen["mib4_ms"] / gen["mib1_ms"]
    core_rate = composed["items_per_second"]
    core_ratio = composed["real_time"] / plain["real_time"]

    rows = [
        ("Start-up to first painted frame",
         f"{startup['tavelin']:.1f} ms against {startup['bare']:.1f} ms bare: {startup_ratio:.2f} ×",
         "≤ 1.3 × the bare window", verdict(startup_ratio <= 1.3)),
        ("CPU time to first frame",
         f"{cpu['tavelin']:.1f} ms against {cpu[FLOOR]:.1f} ms for the font floor: {cpu_ratio:.2f} ×",
         "≤ 1.15 × the font floor", verdict(cpu_ratio <= 1.15)),
        ("Instructions to first frame (callgrind)",
         f"{counted['tavelin'] / 1e6:.1f} M against {counted[FLOOR] / 1e6:.1f} M for the font floor: "
         f"{instruction_ratio:.2f} ×", "≤ 1.15 × the font floor", verdict(instruction_ratio <= 1.15)),
        ("Peak RSS, shown and idle",
         f"{memory['tavelin'] / 1024:.1f} MiB against {memory['bare'] / 1024:.1f} MiB bare: {memory_ratio:.2f} ×",
         "≤ 1.4 × the bare window", verdict(memory_ratio <= 1.4)),
        ("Generate, typical sheet", f"{gen['typical_ms']:.3f} ms", "< 2 ms", verdict(gen["typical_ms"] < 2)),
        ("Generate, 1 MiB title and 1 MiB custom text", f"{gen['mib1_ms']:.0f} ms", "< 1 s",
         verdict(gen["mib1_ms"] < 1000)),
        ("Generate, 4 MiB each", f"{gen['mib4_ms']:.0f} ms: {growth:.2f} × the 1 MiB figure", "≤ about 4.5 ×",
         verdict(growth <= 4.5)),
        ("Core validate and compose",
         f"{core_rate / 1e6:.2f} M sheets/s; {composed['real_time']:.0f} ns against {plain['real_time']:.0f} ns "
         f"plain concatenation: {core_ratio:.2f} ×", "≥ 1 M/s and ≤ 2 ×",
         verdict(core_rate >= 1e6 and core_ratio <= 2)),
    ]
    table = ["| Figure | Measured (median) | Target | |", "| --- | --- | --- | --- |"]
    table += [f"| {a} | {b} | {c} | {d} |" for a, b, c, d in rows]
    floor = (f"The font floor is the same bare window showing one Chinese caption in Tavelin's font. It starts in "
             f"{startup[FLOOR]:.1f} ms ({startup[FLOOR] / startup['bare']:.2f} × the bare window) and peaks at "
             f"{memory[FLOOR] / 1024:.1f} MiB ({memory[FLOOR] / memory['bare']:.2f} ×).")
    print("\n".join(table))
    print(floor)

    notes = (ROOT / "bench" / "notes.md").read_text()
    doc = ROOT / "docs" / "performance.md"
    doc.write_text(
        "# Performance\n\n"
        f"Measured by `bench/run.sh` on {time.strftime('%Y-%m-%d')}: {machine()}.\n"
        f"Start-up and memory are medians of {STARTUP_RUNS} runs of each window, taken in turn, and instruction "
        f"counts medians of {INSTRUCTION_RUNS} runs under callgrind, also in turn; "
        f"generate figures are medians of clicks in the real window (offscreen), over {GENERATE_RUNS} runs; "
        "the core figures are Google Benchmark medians of 15 repetitions.\n\n"
        + "\n".join(table) + "\n\n" + floor + "\n\n" + notes)
    print(f"wrote {doc.relative_to(ROOT)}")


if __name__ == "__main__":
    sys.exit(main())
