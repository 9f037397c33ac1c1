#!/usr/bin/env bash
# Builds the benchmarks in Release, runs them on the demo databases and writes docs/PERFORMANCE.md.
# KW_BENCH_BUILD picks the build folder (default ./build-bench), KW_BENCH_JOBS the build jobs
# (default 2), KW_BENCH_FILTER a --benchmark_filter for a partial run.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${KW_BENCH_BUILD:-$repo/build-bench}"
jobs="${KW_BENCH_JOBS:-2}"
filter="${KW_BENCH_FILTER:-.}"

if [[ ! -x /usr/bin/time ]]; then
    echo "/usr/bin/time is missing: run scripts/setup.sh (package time)" >&2
    exit 1
fi

cmake -S "$repo" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKW_BUILD_GUI=OFF >/dev/null
ninja -C "$build_dir" -j "$jobs" kwbench kwtool

work="$(mktemp -d "${TMPDIR:-/tmp}/kw-bench-XXXXXX")"
trap 'rm -rf "$work"' EXIT

echo "Running kwbench (several minutes)..."
# The raw results stay in the build folder, so scripts/bench_report.py can be rerun on them.
"$build_dir/bench/kwbench" --benchmark_format=json --benchmark_filter="$filter" \
    >"$build_dir/kwbench.json"

# Peak memory of the statistics command on each demo scale.
for scale in full huge; do
    "$build_dir/kwtool" gen-demo "$work/$scale" --scale "$scale" >/dev/null
    /usr/bin/time -v "$build_dir/kwtool" --install "$work/$scale" stats "$work/$scale/database" \
        >/dev/null 2>"$build_dir/rss-$scale.txt"
done

python3 "$repo/scripts/bench_report.py" --json "$build_dir/kwbench.json" \
    --rss-full "$build_dir/rss-full.txt" --rss-huge "$build_dir/rss-huge.txt" \
    --build "${build_dir#"$repo"/}" --out "$repo/docs/PERFORMANCE.md"
echo "Wrote docs/PERFORMANCE.md"
