#!/usr/bin/env python3
"""yardmark-report beside the C reader of the same rows, in one run, runs interleaved.

usage: report_vs_c.py BUILD_DIR ARCHIVE_DIR [RUNS]
ARCHIVE_DIR is made by: YARDMARK_BENCH_KEEP=ARCHIVE_DIR bench_report --benchmark_filter=Floor/120
Prints the median wall time of each command and its ratio to the C reader, at 120 and 1,200 games.
With BASELINE=path/to/another/yardmark-report, that one is timed in the same rounds as well.
"""
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

build, archive = Path(sys.argv[1]), Path(sys.argv[2])
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
games = (archive / "games.txt").read_text().split("\n")[:-1]
report = str(build / "bin" / "yardmark-report")
reader = str(build / "bench" / "read_games")
if not Path(reader).exists():
    reader = str(build / "bin" / "read_games")

for count in (120, 1200):
    chosen = games[:count]
    commands = {
        "C reader": [reader, *chosen],
        "report": [report, "--root", str(archive), "Bench.htm", *chosen],
        "--no-detail": [report, "--root", str(archive), "--no-detail", "Bench.htm", *chosen],
    }
    baseline = os.environ.get("BASELINE")
    if baseline:
        commands["baseline"] = [baseline, "--root", str(archive), "Bench.htm", *chosen]
        commands["baseline --no-detail"] = [baseline, "--root", str(archive), "--no-detail", "Bench.htm", *chosen]
    times = {name: [] for name in commands}
    for _ in range(runs):
        for name, command in commands.items():
            start = time.perf_counter()
            subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
            times[name].append(time.perf_counter() - start)
    floor = statistics.median(times["C reader"])
    for name, spent in times.items():
        median = statistics.median(spent)
        print(f"{count:5} games  {name:21} median {median * 1000:8.1f} ms  {median / floor:5.2f}x")
