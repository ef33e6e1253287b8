#!/usr/bin/env bash
# cvo-stats against the way an engineer would otherwise script the same work: pandas
# (read_csv + mean/std) and R's data.table (fread + means and standard deviations), on 35
# recorded files of 10,000 rows x 40 channels. Whole processes, median of 5 runs each,
# measured side by side in one run. Installs pandas and data.table itself (only here,
# not in scripts/deps).
#
#   bench/bench_stats_tools.sh [build-dir] [runs]
set -euo pipefail

build=${1:-build}
runs=${2:-5}
stats="$build/tools/cvo-stats/cvo-stats"
[ -x "$stats" ] || { echo "build cvo-stats first ($stats)"; exit 1; }

# Debian's interpreter, the one python3-pandas installs into.
py=/usr/bin/python3
need=()
$py -c 'import pandas' 2>/dev/null || need+=(python3-pandas)
Rscript -e 'library(data.table)' >/dev/null 2>&1 || need+=(r-cran-data.table)
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${need[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Recorded files as the manager writes them: a shot header, the attribute line, the
# separator, the column header and 10,000 rows of an elapsed time and 40 pressures.
$py - "$work" <<'PY'
import math, random, sys
folder = sys.argv[1]
channels, rows = 40, 10000
random.seed(1)
header_names = ", ".join(f"{c + 1}:ch{c + 1}" for c in range(channels))
for f in range(35):
    lines = [
        "Time:2026/12/06 10:00:%02d.0 Elapsed Time Since Last Shot:30000ms" % f,
        "Observation Period:10s Sampling Interval:1ms",
        "Shot:%d" % (f + 1),
    ] + ["Module %2d:ZRB-8 (8ch pressure)" % (m + 1) for m in range(5)] + [
        "Data Attribute:10,1," + "P" * channels,
        "=" * 40,
        "Elapsed Time," + header_names,
    ]
    peaks = [60 + 40 * random.random() for _ in range(channels)]
    for r in range(rows + 1):
        t = r / 1000.0
        shape = math.exp(-((t - 3.0) / 1.5) ** 2)
        values = ", ".join("%g" % round(p * shape + random.gauss(0, 0.3), 1) for p in peaks)
        lines.append("%g,%s" % (t, values))
    with open(f"{folder}/all_BENCH_{f + 1:06d}_261206100000p.csv", "w") as out:
        out.write("\n".join(lines) + "\n")
PY
du -sh "$work"

# Both the way one would write them for speed: every file read whole by the library's
# reader, then element-wise mean and population standard deviation across the files.
cat >"$work/pandas_stats.py" <<'PY'
import glob, sys
import numpy as np
import pandas as pd
files = sorted(glob.glob(sys.argv[1] + "/all_*.csv"))
cube = np.stack([pd.read_csv(p, skiprows=10, skipinitialspace=True).iloc[:, 1:].to_numpy()
                 for p in files])
mean, std = cube.mean(axis=0), cube.std(axis=0)
print(mean.shape, float(std.max()))
PY

cat >"$work/datatable_stats.R" <<'R'
library(data.table)
files <- sort(Sys.glob(file.path(commandArgs(TRUE)[1], "all_*.csv")))
mats <- lapply(files, function(p) as.matrix(fread(p, skip = 10, header = TRUE)[, -1]))
n <- length(mats)
means <- Reduce(`+`, mats) / n
sds <- sqrt(pmax(Reduce(`+`, lapply(mats, function(m) m^2)) / n - means^2, 0))
cat(dim(means), max(sds), "\n")
R

median_of() { # command... -> median wall seconds of $runs runs
  set -e
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc -l)")
  done
  printf '%s\n' "${times[@]}" | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}

# Each must work before it is timed.
"$stats" "$work"/all_*.csv >/dev/null
$py "$work/pandas_stats.py" "$work"
Rscript "$work/datatable_stats.R" "$work"

t_stats=$(median_of "$stats" --wavcsv "$work/out.wavcsv" --average "$work/avg.csv" "$work"/all_*.csv)
t_pandas=$(median_of $py "$work/pandas_stats.py" "$work")
t_dt=$(median_of Rscript "$work/datatable_stats.R" "$work")

printf 'cvo-stats   %.3f s (both output files written)\n' "$t_stats"
printf 'pandas      %.3f s  -> cvo-stats is %.1f x faster (goal 5x)\n' "$t_pandas" \
  "$(echo "$t_pandas / $t_stats" | bc -l)"
printf 'data.table  %.3f s  -> cvo-stats is %.1f x faster (goal 4x)\n' "$t_dt" \
  "$(echo "$t_dt / $t_stats" | bc -l)"
