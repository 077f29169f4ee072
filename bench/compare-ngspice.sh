#!/usr/bin/env bash
# Times Norvane against ngspice on the same circuits (the LC ladders of 10, 30, 60 and 100
# nodes and the irregular 100-node circuit; 501 points, 1 MHz to 1 GHz, both ports, 50 Ohm)
# and prints the ratios:
#   process     the whole command: norvane-cli simulate FILE.cct --format csv against
#               ngspice -b -r FILE.raw FILE.sp (.sp analysis with portnum/z0 port sources),
#               median of RUNS runs each;
#   in-process  Norvane's sweep (norvane-bench BM_Sweep, CPU time) against ngspice's process CPU
#               time less that of a one-resistor, one-point deck (its start-up); ngspice's own
#               "Total analysis time" (.options acct) is wall time, shown for reference.
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

# Median CPU time (user + system) and median wall time of a command, in milliseconds: "cpu wall".
# CPU time is the fair measure on a shared machine; wall time includes waiting for a core.
median_ms() {
  python3 - "$runs" "$@" <<'PY'
import os, statistics, subprocess, sys, time
runs, cmd = int(sys.argv[1]), sys.argv[2:]
cpu, wall = [], []
for _ in range(runs):
    t0 = time.perf_counter()
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, _, usage = os.wait4(p.pid, 0)
    wall.append((time.perf_counter() - t0) * 1e3)
    cpu.append((usage.ru_utime + usage.ru_stime) * 1e3)
print('%.2f %.2f' % (statistics.median(cpu), statistics.median(wall)))
PY
}

# Norvane's in-process sweep times (ms of CPU per run) by circuit.
declare -A inproc
while IFS=, read -r name cpu; do
  inproc["$name"]="$cpu"
done < <("$benchexe" --benchmark_filter='BM_Sweep/' --benchmark_format=csv 2>/dev/null |
  awk -F, '/^"BM_Sweep\// {split($1, p, "/"); n=p[2]; gsub(/"/, "", n);
           name = (n == "0") ? "irregular100" : "ladder" n; printf "%s,%.3f\n", name, $4}')

printf '* start-up\nR1 1 0 50\nVP1 1 0 dc 0 ac 1 portnum 1 z0 50\n.sp lin 1 1e6 1e6\n.end\n' >"$work/empty.sp"
read -r ngbase _ < <(median_ms ngspice -b -r "$work/empty.raw" "$work/empty.sp")
printf '%-13s %8s %8s %6s  %8s %8s %6s  %8s %8s %6s  %8s  %s\n' circuit nv_cpu ng_cpu ratio \
  nv_wall ng_wall ratio nv_sweep ng_sweep ratio ng_anal max_dS
for name in ladder10 ladder30 ladder60 ladder100 irregular100; do
  read -r nvc nvw < <(median_ms "$cli" simulate "$work/$name.cct" --format csv -o "$work/$name.csv")
  read -r ngc ngw < <(median_ms ngspice -b -r "$work/$name.raw" "$work/$name.sp")
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
  awk -v n="$name" -v a="$nvc" -v b="$ngc" -v w="$nvw" -v x="$ngw" -v c="$sweep" -v d="$anal" \
    -v e="$dS" -v z="$ngbase" 'BEGIN {
    printf "%-13s %8.2f %8.2f %5.2fx  %8.2f %8.2f %5.2fx  %8.2f %8.2f %5.1fx  %8.1f  %s\n",
      n, a, b, b / a, w, x, x / w, c, b - z, (c > 0 ? (b - z) / c : 0), d, e }'
done
echo "times in ms; ratio = ngspice / Norvane (above 1: Norvane is faster). cpu, wall: whole process,"
echo "median of $runs runs; sweep: in-process CPU (ngspice: cpu less its start-up, $ngbase ms);"
echo "ng_anal: ngspice's reported analysis time (wall); max_dS: largest |S difference|"
