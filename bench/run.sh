#!/usr/bin/env bash
# Builds the benchmark preset, runs every benchmark program and prints a summary.
#
#   bench/run.sh [--nouns=FILE] [Google Benchmark options, e.g. --benchmark_filter=FindWords]
#
# The raw results stay in build-bench/results/*.json.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset bench >/dev/null
cmake --build --preset bench -j 2

results=build-bench/results
mkdir -p "$results"
rm -f "$results"/*.json
for program in build-bench/bin/klettra_*_bench; do
    name=$(basename "$program")
    echo "== $name" >&2
    "$program" --benchmark_out="$results/$name.json" --benchmark_out_format=json "$@" >&2
done
python3 bench/summary.py "$results"/*.json
