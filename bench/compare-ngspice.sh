#!/usr/bin/env bash
# Times Norvane against ngspice on the same circuits (the LC ladders of 10, 30, 60 and 100
# nodes and the irregular 100-node circuit; 501 points, 1 MHz to 1 GHz, both ports, 50 Ohm)
# and prints the ratios:
#   process     the whole command: norvane-cli simulate FILE.cct --format csv against
#               ngspice -b -r FILE.raw FILE.sp (.sp analysis with portnum/z0 port sources),
#               median of RUNS runs each;
#   in-process  Norvane's sweep (norvane-bench BM_Sweep, CPU time) against the "Total analysis
#               time" ngspice reports with .options acct (1 ms resolution).
# It also checks that both give the same S-parameters (largest |difference| over all points).
# Usage: bench/compare-ngspice.sh [BUILD_DIR] [RUNS]     (defaults: build, 20)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
runs="${2:-20}"
cli="$build/cli/norvane-cli"
gen="$build/bench/norvane-benchgen"
benchexe="$build/bench/norvane-bench"
command -v ngspice >/dev/null || { echo "ngspice is not installed (Debian: apt-get install ngspice)" >&2; exit 1; }
for f in "$cli" "$gen" "$benchexe"; do
  [ -x "$f" ] || { echo "missing $f: build the project first" >&2; exit 1; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$gen" "$work"

# Median wall time of a command in milliseconds.
median_ms() {
  local times=()
  for ((i = 0; i < runs; i++)); do
    local t0 t1
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1
    t1=$(date +%s%N)
    times+=($(((t1 - t0) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.2f", m/1000}'
}

# Norvane's in-process sweep times (ms of CPU per run) by circuit.
declare -A inproc
while IFS=, read -r name cpu; do
  inproc["$name"]="$cpu"
done < <("$benchexe" --benchmark_filter='BM_Sweep/' --benchmark_format=csv 2>/dev/null |
  awk -F, '/^"BM_Sweep\// {split($1, p, "/"); n=p[2]; gsub(/"/, "", n);
           name = (n == "0") ? "irregular100" : "ladder" n; printf "%s,%.3f\n", name, $4}')

printf '%-14s %12s %12s %7s   %12s %12s %7s   %s\n' circuit norvane_ms ngspice_ms ratio \
  nv_sweep_ms ng_anal_ms ratio max_dS
for name in ladder10 ladder30 ladder60 ladder100 irregular100; do
  nv=$(median_ms "$cli" simulate "$work/$name.cct" --format csv -o "$work/$name.csv")
  ng=$(median_ms ngspice -b -r "$work/$name.raw" "$work/$name.sp")
  sed 's/^\.end$/.options acct\n.end/' "$work/$name.sp" >"$work/$name-acct.sp"
  anal=$(ngspice -b -r "$work/$name-acct.raw" "$work/$name-acct.sp" 2>&1 |
    awk -F= '/Total analysis time/ {gsub(/ /, "", $2); print $2 * 1000; exit}')
  SPICE_ASCIIRAWFILE=1 ngspice -b -r "$work/$name.araw" "$work/$name.sp" >/dev/null 2>&1
  dS=$(python3 - "$work/$name.araw" "$work/$name.csv" <<'PY'
import csv, sys
lines = open(sys.argv[1]).read().split('\n')
nv = int(next(l for l in lines if l.startswith('No. Variables')).split(':')[1])
npt = int(next(l for l in lines if l.startswith('No. Points')).split(':')[1])
vi = lines.index('Variables:')
names = [lines[vi + 1 + k].split()[1] for k in range(nv)]
toks = ' '.join(lines[lines.index('Values:') + 1:]).split()
cols = [names.index(n) for n in ('v(S_1_1)', 'v(S_2_1)', 'v(S_1_2)', 'v(S_2_2)')]
rows = list(csv.reader(open(sys.argv[2])))[1:]
worst, i = 0.0, 0
for p in range(npt):
    i += 1
    vals = []
    for k in range(nv):
        re, im = toks[i].split(','); vals.append(complex(float(re), float(im))); i += 1
    r = rows[p]
    for k, c in enumerate(cols):
        worst = max(worst, abs(complex(float(r[1 + 2 * k]), float(r[2 + 2 * k])) - vals[c]))
print('%.1e' % worst)
PY
)
  sweep="${inproc[$name]:-nan}"
  awk -v n="$name" -v a="$nv" -v b="$ng" -v c="$sweep" -v d="$anal" -v e="$dS" 'BEGIN {
    printf "%-14s %12.2f %12.2f %6.2fx   %12.3f %12.1f %6.1fx   %s\n", n, a, b, b / a, c, d, (c > 0 ? d / c : 0), e }'
done
echo "ratio = ngspice time / Norvane time (above 1: Norvane is faster)"
