"""The performance targets as measured by one run of velkor_bench.

Usage: bench-table.py RUN_JSON VELKOR_BENCH
Reads the medians of the run (CPU time), measures the peak memory of a
10,000-trace tag edit in a process of its own, and prints one row a target:
the measured figure, the target and whether it was met.
"""
import json
import resource
import subprocess
import sys


def medians(path):
    with open(path) as f:
        run = json.load(f)
    times = {}
    for b in run["benchmarks"]:
        if b.get("aggregate_name") == "median":
            unit = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
            times[b["run_name"]] = b["cpu_time"] * unit
    return times


def peak_mib(bench, benchmark):
    """Peak resident memory of a process that builds the 10,000-trace session
    and runs `benchmark` once on it."""
    run = subprocess.run(
        ["/usr/bin/env", "python3", "-c",
         "import resource, subprocess, sys\n"
         "subprocess.run(sys.argv[1:], check=True, stdout=subprocess.DEVNULL)\n"
         "print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)",
         bench, "--traces=10000", f"--benchmark_filter=^{benchmark}/",
         "--benchmark_min_time=0"], check=True, capture_output=True, text=True)
    return int(run.stdout) / 1024.0


def main():
    t = medians(sys.argv[1])

    def ratio(a, b):
        return t[a] / t[b]

    def ms(name):
        return t[name] * 1e3

    rows = [
        ("edit of a followed tag cell, 1000 traces ÷ bare parse",
         ratio("TagCellEdit/1000", "BareParse/1000"), "<= 3", 3),
        ("tag cell edit, 10,000 ÷ 1000 traces",
         ratio("TagCellEdit/10000", "TagCellEdit/1000"), "<= 11", 11),
        ("InsertTrend, 1000 traces ÷ bare parse",
         ratio("InsertTrend/1000", "BareParse/1000"), "<= 5", 5),
        ("InsertTrend, 10,000 ÷ 1000 traces",
         ratio("InsertTrend/10000", "InsertTrend/1000"), "<= 11", 11),
        ("ReorderTraces, 1000 traces ÷ bare parse",
         ratio("ReorderTraces/1000", "BareParse/1000"), "<= 3", 3),
        ("ReorderTraces, 1000 ÷ 100 traces",
         ratio("ReorderTraces/1000", "ReorderTraces/100"), "<= 11", 11),
        ("unrelated edit, 1000 traces ÷ bare parse",
         ratio("UnrelatedEdit/1000", "BareParse/1000"), "<= 1.5", 1.5),
        ("SheetCalculate, 1000 traces ÷ bare parse",
         ratio("SheetCalculate/1000", "BareParse/1000"), "<= 2", 2),
        ("WorkbookOpen, 1000 traces ÷ bare parse",
         ratio("WorkbookOpen/1000", "BareParse/1000"), "<= 2", 2),
        ("ReadXML ÷ bare parse, 1000 traces",
         ratio("ReadXML/1000", "BareParse/1000"), "<= 1.3", 1.3),
        ("WriteXML ÷ bare save, 1000 traces",
         ratio("WriteXML/1000", "BareSave/1000"), "<= 1.3", 1.3),
        ("render step, 10 traces x 43,200 points (ms)",
         ms("RenderStep/432000"), "< 20", 20),
        ("peak memory, 10,000-trace tag edit (MiB, whole process)",
         peak_mib(sys.argv[2], "TagCellEdit"), "< 32", 32),
    ]
    session = peak_mib(sys.argv[2], "ReadXMLAgain")
    print()
    print("| measure | measured | target | |")
    print("|---|---:|---|---|")
    for name, value, target, limit in rows:
        met = value < limit if target.startswith("<") and not target.startswith("<=") \
            else value <= limit
        print(f"| {name} | {value:.2f} | {target} | {'met' if met else 'missed'} |")
    print()
    print(f"The 10,000-trace session alone (host, cells, specifications, chart) "
          f"peaks at {session:.1f} MiB.")
    print()
    print("| benchmark | 100 | 1000 | 10,000 | (median CPU time) |")
    print("|---|---:|---:|---:|---|")
    names = []
    for key in t:
        base = key.split("/")[0]
        if base not in names and base != "RenderStep":
            names.append(base)
    for base in names:
        cells = []
        for n in (100, 1000, 10000):
            v = t.get(f"{base}/{n}")
            cells.append("" if v is None else f"{v * 1e3:.3f} ms")
        print(f"| {base} | " + " | ".join(cells) + " | |")


if __name__ == "__main__":
    main()
