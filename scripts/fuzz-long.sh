#!/usr/bin/env bash
# Long fuzzing: runs every fuzz target (or the ones named) one after another
# for MINUTES each (default 10), growing a corpus that is kept between runs,
# and prints executions, executions per second of wall time and of CPU time
# (the one to compare on a shared machine) and findings per target.
#
#   scripts/fuzz-long.sh [MINUTES] [TARGET...]
#
# XTR_FUZZ_CORPUS  where the grown corpus lives (default
#                  ${XDG_CACHE_HOME:-~/.cache}/xtr450-fuzz); "repo" grows
#                  fuzz/corpus itself.
# XTR_FUZZ_RUNS    also stop a target after this many executions.
# XTR_FUZZ_MAX_LEN longest input tried (default 4096).
# XTR_FUZZ_BUILD   build folder of the instrumented targets (build-fuzz).
# XTR_FUZZ_NICE    niceness of the targets (default 19).
# Findings (crash, leak, time-out, out-of-memory inputs) are kept in
# CORPUS/findings/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:-10}
shift || true
build=${XTR_FUZZ_BUILD:-build-fuzz}
root=${XTR_FUZZ_CORPUS:-${XDG_CACHE_HOME:-$HOME/.cache}/xtr450-fuzz}
[ "$root" = repo ] && root=fuzz/corpus
max_len=${XTR_FUZZ_MAX_LEN:-4096}

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for src in fuzz/*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXTR_BUILD_FUZZ=ON >/dev/null
nice cmake --build "$build" -j 2 --target "${targets[@]}" >/dev/null

table=()
status=0
for name in "${targets[@]}"; do
  corpus=$root/$name
  findings=$root/findings/$name
  mkdir -p "$corpus" "$findings"
  seeds=()
  if [ "$root" != fuzz/corpus ] && [ -d "fuzz/corpus/$name" ]; then
    seeds=("fuzz/corpus/$name")
  fi
  options=(-max_total_time=$((minutes * 60)) -max_len="$max_len" -print_final_stats=1
           -artifact_prefix="$findings/" -timeout=10 -rss_limit_mb=2048)
  [ -n "${XTR_FUZZ_RUNS:-}" ] && options+=(-runs="$XTR_FUZZ_RUNS")
  [ -f "fuzz/dict/$name.dict" ] && options+=(-dict="fuzz/dict/$name.dict")
  log=$findings/last-run.log
  before=$(find "$findings" -type f ! -name 'last-run.*' | wc -l)
  echo "-- $name ($minutes min)"
  set +e
  TIMEFORMAT='%U %S'
  { time nice -n "${XTR_FUZZ_NICE:-19}" "$build/bin/$name" "${options[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1 ; } \
    2>"$findings/last-run.cpu"
  code=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  cpu_speed=$(awk -v runs="${runs:-0}" '{ cpu = $1 + $2 } END { if (cpu > 0) printf "%d", runs / cpu; else print "?" }' \
    "$findings/last-run.cpu")
  found=$(( $(find "$findings" -type f ! -name 'last-run.*' | wc -l) - before ))
  if [ "$code" -ne 0 ] && [ "$found" -eq 0 ]; then
    found=1  # stopped by a fault that left no input behind
  fi
  [ "$found" -gt 0 ] && status=1 && tail -n 30 "$log"
  table+=("$(printf '%-24s %12s %10s %12s %9s' "$name" "${runs:-?}" "${speed:-?}" "$cpu_speed" "$found")")
done

echo
printf '%-24s %12s %10s %12s %9s\n' target executions "execs/s" "execs/cpu-s" findings
printf '%s\n' "${table[@]}"
echo "corpus: $root"
exit $status
