#!/usr/bin/env bash
# Runs the whole ctest suite N times in a row (default 20) while a CPU hog
# keeps every core busy, and reports every round that failed. A test that
# depends on the clock or on luck shows up here long before it blocks a
# landing. The hogs are plain busy loops of this shell, killed on any exit.
#
#   scripts/stress-tests.sh [N] [BUILD_DIR]      (defaults: 20, build)
#
# The build folder must hold a finished build (cmake --build BUILD_DIR).
# Extra ctest options may be given in CTEST_ARGS (for example "-R Ctl").
set -uo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-20}
build=${2:-build}
cores=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

if [ ! -f "$build/CTestTestfile.cmake" ]; then
  echo "stress-tests: no test build in '$build'" >&2
  exit 2
fi

hogs=()
run=""
stop_hogs() {
  for pid in "${hogs[@]}" $run; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${hogs[@]}" $run; do
    wait "$pid" 2>/dev/null
  done
  hogs=()
  run=""
}
trap stop_hogs EXIT
trap 'exit 130' INT TERM

for _ in $(seq "$cores"); do
  ( while :; do :; done ) &
  hogs+=("$!")
done
echo "stress-tests: $rounds rounds with $cores busy loops (pids ${hogs[*]})"

log=$(mktemp -d "${TMPDIR:-/tmp}/xtr450-stress.XXXXXX")
failed_rounds=0
for round in $(seq "$rounds"); do
  start=$(date +%s)
  # In the background, so that a signal to this script ends the round at
  # once (the trap stops ctest and the hogs).
  # shellcheck disable=SC2086
  ctest --test-dir "$build" -j "$cores" --timeout 300 --output-on-failure ${CTEST_ARGS:-} \
    >"$log/round$round.txt" 2>&1 &
  run=$!
  wait "$run"
  status=$?
  run=""
  if [ "$status" -eq 0 ]; then
    echo "round $round: passed ($(( $(date +%s) - start )) s)"
  else
    failed_rounds=$((failed_rounds + 1))
    echo "round $round: FAILED ($(( $(date +%s) - start )) s):"
    grep -E '^\s+[0-9]+ - ' "$log/round$round.txt" || tail -n 20 "$log/round$round.txt"
  fi
done

stop_hogs
echo "stress-tests: $failed_rounds of $rounds rounds failed (logs in $log)"
[ "$failed_rounds" -eq 0 ]
