#!/usr/bin/env bash
# Repeats one real transfer (xtr450ctl against xtr450-radiosim over a
# pseudo-terminal) N times while a busy loop keeps every core busy, and keeps
# the transfer trace and the simulator's log of every failed attempt. For
# finding out where a transfer under load stops, one attempt at a time.
#
#   scripts/stress-transfer.sh [N] [BUILD_DIR] [-- CTL_COMMAND_ARGS...]
#
# Defaults: 10 attempts, build, "read --high-speed".
set -uo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-10}
build=${2:-build}
shift $(( $# >= 2 ? 2 : $# ))
[ "${1:-}" = "--" ] && shift
args=("$@")
[ ${#args[@]} -eq 0 ] && args=(read --high-speed)
bin="$build/bin"
for tool in xtr450ctl xtr450-radiosim; do
  if [ ! -x "$bin/$tool" ]; then
    echo "stress-transfer: no $bin/$tool (build it first)" >&2
    exit 2
  fi
done

hogs=()
sim=""
cleanup() {
  for pid in "${hogs[@]}" $sim; do kill "$pid" 2>/dev/null; done
  for pid in "${hogs[@]}" $sim; do wait "$pid" 2>/dev/null; done
  hogs=()
  sim=""
}
trap cleanup EXIT
trap 'exit 130' INT TERM

for _ in $(seq "$(nproc 2>/dev/null || echo 2)"); do
  ( while :; do :; done ) &
  hogs+=("$!")
done

log=$(mktemp -d "${TMPDIR:-/tmp}/xtr450-transfer.XXXXXX")
failed=0
for round in $(seq "$rounds"); do
  dir="$log/$round"
  mkdir -p "$dir"
  "$bin/xtr450-radiosim" >"$dir/sim.out" 2>"$dir/sim.err" &
  sim=$!
  # Wait for the simulator to print its device path (at most 30 s).
  for _ in $(seq 300); do
    [ -s "$dir/sim.out" ] && break
    sleep 0.1
  done
  port=$(head -n 1 "$dir/sim.out")
  status=2
  if [ -n "$port" ]; then
    extra=()
    [ "${args[0]}" = read ] && extra=(-o "$dir/read.kcl")
    timeout 120 "$bin/xtr450ctl" "${args[@]}" "${extra[@]}" --port "$port" --quiet \
      --trace "$dir/trace.txt" >"$dir/ctl.out" 2>"$dir/ctl.err"
    status=$?
  fi
  kill "$sim" 2>/dev/null
  wait "$sim" 2>/dev/null
  sim=""
  if [ "$status" -eq 0 ]; then
    rm -rf "$dir"
    echo "attempt $round: passed"
  else
    failed=$((failed + 1))
    echo "attempt $round: FAILED with status $status ($dir)"
    tail -n 3 "$dir/trace.txt" 2>/dev/null
  fi
done
cleanup
echo "stress-transfer: $failed of $rounds attempts failed (logs in $log)"
[ "$failed" -eq 0 ]
