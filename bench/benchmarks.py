#!/usr/bin/env python3
"""Runs bench_zelk and prints the table of docs/benchmarks.md (Markdown) on standard output.

    bench/benchmarks.py [--binary build/bench/bench/bench_zelk] [--repetitions 5]

Each figure is the median wall time of the repetitions, beside its ratio to its floor measured
in the same run: one plain read of the log file for what only reads, one copy of the file with
fsync for what rewrites. Memory is measured in a fresh process per log size.
"""
import argparse
import datetime
import json
import os
import platform
import subprocess
import sys
import tempfile

SIZES = [1000, 10000, 100000]
TARGET_MS = 100.0
TARGET_RATIO = 5.0
TARGET_MEMORY = 4.0

# (benchmark, what the operator does, floor: "read" or "write")
OPERATIONS = [
    ("StartUp", "Start-up to a shown QSO list", "read"),
    ("SaveNew", "Save, New mode (append)", "write"),
    ("SaveModification", "Save, Modification mode (replace)", "write"),
    ("SaveInsertion", "Save, Insertion mode (date order)", "write"),
    ("Delete", "Delete a QSO", "write"),
    ("MultiQsl100", "QSL marking of 100 QSOs", "write"),
    ("Open_Province_Contacte", "Open Province_Contacte", "read"),
    ("Open_Regions_Contacte", "Open Regions_Contacte", "read"),
    ("Open_Carte_Italie", "Open Carte_Italie (provinces map)", "read"),
    ("Open_Carte_Acti_DCI", "Open Carte_Acti_DCI (regions map)", "read"),
    ("Open_Situation", "Open Situation", "read"),
    ("Open_Mini_Carte", "Open Mini_Carte", "read"),
    ("Open_Aff_Contacte", "Open Aff_Contacte (DCI list)", "read"),
    ("Open_Scores", "Open Scores (DCI)", "read"),
    ("Open_Aff_Contacte_DCLO", "Open Aff_Contacte_DCLO", "read"),
    ("Open_Scores_DCLO", "Open Scores_DCLO", "read"),
    ("Open_Scores_DCPC", "Open Scores_DCPC", "read"),
    ("Open_Reglement", "Open Reglement", "read"),
    ("Open_Reglement_DCPC", "Open Reglement_DCPC", "read"),
    ("Open_Aff_Contacte_IDCA", "Open Aff_Contacte_IDCA", "read"),
    ("Open_Scores_IDCA", "Open Scores_IDCA", "read"),
    ("Open_Aff_Contacte_WAIS", "Open Aff_Contacte_WAIS", "read"),
    ("Open_Scores_WAIS", "Open Scores_WAIS", "read"),
    ("Open_Document_DCI", "Open Document_DCI", "read"),
    ("Open_Document_WAIS", "Open Document_WAIS", "read"),
    ("Open_Recherche_Indicatif", "Open Recherche_Indicatif", "read"),
    ("Search_Callsign", "Search by callsign", "read"),
    ("Search_Date", "Search by date", "read"),
    ("Search_Reference", "Search by reference", "read"),
    ("ExportAdif", "ADIF export", "write"),
    ("Save_ContactedCastles", "Saved report: contacted castles", "write"),
    ("Save_Aff_Contacte", "Saved report: DCI list", "write"),
    ("Save_Aff_Contacte_DCLO", "Saved report: DCLo list", "write"),
    ("Save_Document_DCI", "Saved report: DCI request file", "write"),
    ("Save_Document_WAIS", "Saved report: WAIS request file", "write"),
]
FLOORS = {"read": "FloorRead", "write": "FloorCopyFsync"}


def run_benchmarks(binary, repetitions, extra):
    with tempfile.NamedTemporaryFile(suffix=".json", delete=False) as out:
        path = out.name
    subprocess.run([binary, "--benchmark_out=" + path, "--benchmark_out_format=json",
                    "--benchmark_repetitions=%d" % repetitions,
                    "--benchmark_report_aggregates_only=true"] + extra,
                   check=True, stdout=sys.stderr)
    with open(path) as f:
        data = json.load(f)
    os.unlink(path)
    times = {}
    for b in data["benchmarks"]:
        if b.get("error_occurred"):
            sys.exit("%s: %s" % (b["name"], b.get("error_message")))
        wanted = "median" if repetitions > 1 else None
        if b.get("aggregate_name") != wanted:
            continue
        name, size = (b["run_name"].split("/") + [""])[:2]
        # Benchmarks that are not run over the log sizes (the radio's) have no place here.
        if not size.isdigit():
            continue
        scale = {"ms": 1.0, "us": 1e-3, "ns": 1e-6, "s": 1e3}[b["time_unit"]]
        times[(name[len("BM_"):], int(size))] = b["real_time"] * scale
    return data["context"], times


def run_memory(binary):
    out = {}
    for size in [0] + SIZES:
        line = subprocess.run([binary, "--memory=%d" % size], check=True,
                              capture_output=True, text=True).stdout
        out[size] = json.loads(line.strip().splitlines()[-1])
    return out


def ms(value):
    return "%.1f" % value if value >= 10 else "%.2f" % value


def mib(value):
    return "%.1f MiB" % (value / 1048576)


def cpu_model():
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    return line.split(":", 1)[1].strip()
    except OSError:
        pass
    return platform.processor() or "unknown"


def table(context, times, memory, repetitions, extra):
    out = []
    w = out.append
    w("# Benchmarks")
    w("")
    w("Every operation of ZELK_DCI on generated logs of 1,000, 10,000 and 100,000 QSOs (a mix of")
    w("castles of the sample castle list worked many times, all its provinces, every band and")
    w("mode, two QSOs in five confirmed, stations met again and again, in date order), through")
    w("the code path the operator's hands take: Main started offscreen, buttons clicked, windows")
    w("opened through their menu functions, questions answered yes.")
    w("")
    w("Each figure is the median wall time in milliseconds of %d repetitions; in brackets its"
      % repetitions)
    w("ratio to its floor, measured in the same run: **R** one plain read of the log file into")
    w("memory, for what only reads; **W** one copy of the log file flushed with `fsync`, for what")
    w("rewrites or writes a file. Targets at 100,000 QSOs: under %d ms and under %d times the"
      % (TARGET_MS, TARGET_RATIO))
    w("floor; memory under %d times the log file's size above the empty program's." % TARGET_MEMORY)
    w("")
    w("Building and showing a window costs a few milliseconds whatever the log holds, already")
    w("more than 5 times the read floor at 100,000 QSOs (under 1 ms). The column **growth**")
    w("shows what the log itself costs: the time at 100,000 QSOs less the time at 1,000, as a")
    w("ratio to the floor at 100,000.")
    w("")
    w("Measured %s on a **shared 2-core machine** (%s, %s CPUs seen, Linux %s), other builds"
      % (datetime.date.today().isoformat(), cpu_model(), context.get("num_cpus", "?"),
         platform.release()))
    w("and tests running beside it: expect some noise between runs.")
    w("")
    w("## Floors")
    w("")
    w("| floor | " + " | ".join("%s QSOs" % format(s, ",") for s in SIZES) + " |")
    w("|---|" + "---:|" * len(SIZES))
    w("| log file size | " + " | ".join(mib(memory[s]["file_bytes"]) for s in SIZES) + " |")
    for kind, name in [("R", "FloorRead"), ("W", "FloorCopyFsync")]:
        label = "R: read the file" if kind == "R" else "W: copy the file + fsync"
        w("| %s | " % label + " | ".join(ms(times[(name, s)]) for s in SIZES) + " |")
    w("")
    w("## Operations (ms, and ratio to the floor)")
    w("")
    w("| operation | floor | " + " | ".join("%s QSOs" % format(s, ",") for s in SIZES)
      + " | growth | target at 100,000 |")
    w("|---|:-:|" + "---:|" * len(SIZES) + "---:|:-:|")
    missed = []
    for name, label, kind in OPERATIONS:
        cells = []
        for s in SIZES:
            t = times.get((name, s))
            floor = times[(FLOORS[kind], s)]
            cells.append("—" if t is None else "%s (×%.1f)" % (ms(t), t / floor))
        t = times.get((name, SIZES[-1]))
        first = times.get((name, SIZES[0]))
        growth = "—"
        if t is not None and first is not None:
            growth = "×%.1f" % (max(0.0, t - first) / times[(FLOORS[kind], SIZES[-1])])
        if t is None:
            verdict = "not run"
        else:
            ratio = t / times[(FLOORS[kind], SIZES[-1])]
            ok = t < TARGET_MS and ratio < TARGET_RATIO
            verdict = "met" if ok else "**missed**"
            if not ok:
                missed.append(label)
        w("| %s | %s | %s | %s | %s |" % (label, "R" if kind == "read" else "W",
                                          " | ".join(cells), growth, verdict))
    w("")
    w("## Memory")
    w("")
    w("Resident set size in a fresh process per log size, above the same program on an empty")
    w("log (%s with Main shown, %s with every window open), against the log file's size."
      % (mib(memory[0]["rss_main"]), mib(memory[0]["rss_windows"])))
    w("")
    w("| QSOs | log file | Main shown | ratio | every window open | ratio | target |")
    w("|---:|---:|---:|---:|---:|---:|:-:|")
    for s in SIZES:
        m = memory[s]
        size = m["file_bytes"]
        main = m["rss_main"] - memory[0]["rss_main"]
        windows = m["rss_windows"] - memory[0]["rss_windows"]
        ok = max(main, windows) < TARGET_MEMORY * size
        if not ok and s == SIZES[-1]:
            missed.append("memory")
        w("| %s | %s | %s | ×%.1f | %s | ×%.1f | %s |"
          % (format(s, ","), mib(size), mib(main), main / size, mib(windows), windows / size,
             "met" if ok else "**missed**"))
    w("")
    w("Targets missed at 100,000 QSOs: %s." % (", ".join(missed) if missed else "none"))
    w("")
    w("## How to reproduce")
    w("")
    w("```sh")
    w("cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DZELK_BUILD_TESTS=OFF -DZELK_BUILD_BENCH=ON")
    w("cmake --build build/bench -j2 --target bench_zelk")
    w("bench/benchmarks.py --repetitions %d%s > docs/benchmarks.md"
      % (repetitions, "".join(" -- " + " ".join(extra) for _ in [0] if extra)))
    w("```")
    w("")
    w("The script runs `build/bench/bench/bench_zelk` (any Google Benchmark flag after `--` is")
    w("passed on, e.g. `-- --benchmark_filter=Save`), then `bench_zelk --memory=N` once per log")
    w("size. Each run works in a temporary program directory with its own settings; the log is")
    w("generated, always the same for the same size, and put back after every operation that")
    w("changes it (outside the measured time).")
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--binary",
                        default=os.path.join(here, "..", "build", "bench", "bench", "bench_zelk"))
    parser.add_argument("--repetitions", type=int, default=5)
    parser.add_argument("extra", nargs="*", help="flags for the benchmark program")
    args = parser.parse_args()
    os.environ["QT_QPA_PLATFORM"] = "offscreen"
    context, times = run_benchmarks(args.binary, args.repetitions, args.extra)
    memory = run_memory(args.binary)
    sys.stdout.write(table(context, times, memory, args.repetitions, args.extra))


if __name__ == "__main__":
    main()
