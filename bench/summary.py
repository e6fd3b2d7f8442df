#!/usr/bin/env python3
"""Summarises Google Benchmark JSON results of the Klettra benchmarks.

    bench/summary.py build-bench/results/*.json

Prints the pattern index against the plain scan, the word load, the composition of every
bundled template, and every other benchmark as it came.
"""

import json
import re
import statistics
import sys

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def load(paths):
    runs = []
    for path in paths:
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        runs += [b for b in data.get("benchmarks", []) if b.get("run_type", "iteration") == "iteration"]
    return runs


def ms(run):
    return run["real_time"] * TO_MS[run.get("time_unit", "ns")]


def find_words(runs, used):
    rows = {}
    for run in runs:
        m = re.fullmatch(r"BM_FindWords(Index|Scan)/letters:(\d+)", run["name"])
        if m:
            rows.setdefault(int(m.group(2)), {})[m.group(1)] = run
            used.add(run["name"])
    if not rows:
        return
    print("FindWords on the large noun list (microseconds per pattern)")
    print(f"  {'letters':>7} {'index':>9} {'scan':>9} {'faster':>8} {'matches':>8}")
    for letters in sorted(rows):
        index, scan = rows[letters].get("Index"), rows[letters].get("Scan")
        if not index or not scan:
            continue
        speedup = scan["real_time"] / index["real_time"]
        print(f"  {letters:>7} {ms(index) * 1e3:>9.2f} {ms(scan) * 1e3:>9.2f} {speedup:>7.1f}x"
              f" {index.get('matches', 0):>8.0f}")
    print()


def word_load(runs, used):
    loads = [r for r in runs if r["name"].startswith("BM_LoadWords") or r["name"] == "BM_BuildPatternIndex"]
    if not loads:
        return
    print("Word pool")
    for run in loads:
        used.add(run["name"])
        extra = ""
        if "words" in run:
            per100k = ms(run) * 100000 / run["words"] if run["words"] else 0
            extra = f"  {run['words']:>7.0f} words, {per100k:6.1f} ms per 100,000, pool {run.get('pool_MB', 0):.1f} MB"
        if "index_MB" in run:
            extra = f"  index {run['index_MB']:.1f} MB"
        print(f"  {run['name']:<22} {ms(run):8.1f} ms{extra}")
    print()


def composition(runs, used):
    rows = [r for r in runs if r["name"].startswith("BM_ComposeTemplate/")]
    if not rows:
        return
    print("Composition of the bundled templates with the bundled dictionaries (20 seeds each)")
    print(f"  {'template':>8} {'slots':>5} {'steps/s':>9} {'median ms':>10} {'worst ms':>9} {'incomplete':>10}")
    for run in sorted(rows, key=lambda r: int(r["name"].split("/")[1])):
        used.add(run["name"])
        print(f"  {run['name'].split('/')[1]:>8} {run.get('slots', 0):>5.0f} {run.get('steps_per_s', 0):>9.0f}"
              f" {run.get('median_ms', 0):>10.2f} {run.get('worst_ms', 0):>9.2f} {run.get('incomplete', 0):>10.0f}")
    rates = [r["steps_per_s"] for r in rows if r.get("steps_per_s")]
    incomplete = sum(r.get("incomplete", 0) for r in rows)
    if rates:
        print(f"  median steps/s over templates: {statistics.median(rates):.0f};"
              f" runs not completed within 200,000 steps: {incomplete:.0f} of {20 * len(rows)}")
    print()


def others(runs, used):
    rest = [r for r in runs if r["name"] not in used]
    if not rest:
        return
    print("Other benchmarks")
    for run in rest:
        rate = f"  {run['items_per_second']:,.0f} items/s" if "items_per_second" in run else ""
        print(f"  {run['name']:<40} {ms(run):10.3f} ms{rate}")
    print()


def main(paths):
    if not paths:
        print(__doc__.strip())
        return 2
    runs = load(paths)
    used = set()
    find_words(runs, used)
    word_load(runs, used)
    composition(runs, used)
    others(runs, used)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
