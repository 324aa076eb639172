#!/usr/bin/env bash
# Times full transfers of xtr450ctl against xtr450-radiosim over a
# pseudo-terminal and compares them with the wire time of the bytes that
# cross the line.
#
#   bench/clone_timing.sh [BIN_DIR]      (default: build/bin)
#
# With the simulator's wire time on, a read and a write at 9600 and at 38400
# baud (each with the identify that precedes it) must take at most 5 % plus
# 0.3 s more than their wire time, using little CPU. The backup a write
# reads first and the read-back check after it must each add no more than
# the wire time of a read plus 0.3 s. With wire time off, info + read +
# write together must finish within 3 s. Exits 1 when a bound is missed.
set -euo pipefail

bin=${1:-build/bin}
ctl=$bin/xtr450ctl
sim=$bin/xtr450-radiosim
[[ -x $ctl && -x $sim ]] || { echo "xtr450ctl and xtr450-radiosim not found in $bin" >&2; exit 2; }

work=$(mktemp -d)
# The backups of these transfers stay in the scratch folder.
export XTR450_BACKUP_DIR=$work/backups
simpid=
cleanup() {
    [[ -n $simpid ]] && kill "$simpid" 2>/dev/null && wait "$simpid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_sim() {
    [[ -n $simpid ]] && { kill "$simpid"; wait "$simpid" 2>/dev/null || true; }
    "$sim" --quiet "$@" >"$work/sim.out" 2>/dev/null &
    simpid=$!
    for _ in $(seq 100); do
        port=$(head -n1 "$work/sim.out" 2>/dev/null || true)
        [[ -n $port ]] && return 0
        sleep 0.05
    done
    echo "the simulator did not start" >&2
    exit 2
}

# Bytes on the line, frame by frame (preamble bytes included):
#   E8 speed switch  20 x FE + EE EF E8, model code, 0000, 01, 2 speed bytes, FD = 31
#   E0/E2/E3         FE FE EE EF cmd, model code, extra code, FD = 10, plus the
#                    command preamble: 12 at 9600, 48 at 38400
#   E1 identity      FE FE EF EE E1, 2 words, 52-byte payload, FD = 62
#   E4 data          FE FE dst src E4, 40 hex characters, FD = 46; the computer's
#                    carry the data preamble: 0 at 9600, 12 at 38400
#   E5 end           FE FE dst src E5, "Nalu Inc.", 2 count digits, FD = 17
#   E6 acknowledge   FE FE EF EE E6 00 FD = 7
# A character is 10 bits (8N1). The identify always runs at 9600 baud after
# an E8 sent at 38400; a transfer at 9600 sends its E8 at 38400, one at
# 38400 sends it at 9600.
wire_seconds() {  # kind (read|write), baud
    local kind=$1 baud=$2 other cmd data fast slow
    if [[ $baud == 9600 ]]; then other=38400 cmd=22 data=46; else other=9600 cmd=58 data=58; fi
    # identify: E8 at 38400, E0 (22) and E1 (62) at 9600
    slow=$((22 + 62)); fast=31
    if [[ $kind == read ]]; then
        local line=$((cmd + 512 * 46 + 17))
    else
        local line=$((cmd + 496 * data + 17 + 7))
    fi
    awk -v slow=$slow -v fast=$fast -v e8=31 -v other=$other -v line=$line -v baud=$baud \
        'BEGIN { printf "%.3f", slow*10/9600 + fast*10/38400 + e8*10/other + line*10/baud }'
}

failed=0
image=$work/image.kcl

measure() {  # label, kind, baud, ctl arguments...
    local label=$1 kind=$2 baud=$3
    shift 3
    /usr/bin/time -f "%e %U %S" -o "$work/time" "$ctl" "$@" --quiet >/dev/null
    read -r elapsed user sys <"$work/time"
    local wire bound verdict cpu
    wire=$(wire_seconds "$kind" "$baud")
    bound=$(awk -v w="$wire" 'BEGIN { printf "%.3f", w * 1.05 + 0.3 }')
    cpu=$(awk -v u="$user" -v s="$sys" -v e="$elapsed" 'BEGIN { printf "%.1f", (u + s) * 100 / e }')
    verdict=ok
    awk -v e="$elapsed" -v b="$bound" 'BEGIN { exit !(e <= b) }' || { verdict=SLOW; failed=1; }
    printf "%-16s wire %7.3f s  took %6.2f s  bound %7.3f s  over %+6.3f s  cpu %4s %%  %s\n" \
        "$label" "$wire" "$elapsed" "$bound" "$(awk -v e="$elapsed" -v w="$wire" 'BEGIN { print e - w }')" "$cpu" "$verdict"
}

# The radio holds the factory image: settings without errors, so that the
# writes are not refused.
factory=$bin/XTR450MPT.kcl
echo "Wire time on (radio emulates the line speed):"
start_sim --image "$factory"
"$ctl" read --port "$port" -o "$image" --quiet
measure "read 9600" read 9600 read --port "$port" -o "$work/r1.kcl"
measure "write 9600" write 9600 write --no-backup --no-verify --port "$port" "$image"
measure "read 38400" read 38400 read --high-speed --port "$port" -o "$work/r2.kcl"
measure "write 38400" write 38400 write --no-backup --no-verify --high-speed --port "$port" "$image"

seconds_of() {  # ctl arguments...: elapsed seconds of one run
    /usr/bin/time -f "%e" -o "$work/time" "$ctl" "$@" --quiet >/dev/null
    cat "$work/time"
}

# The time the backup before a write and the check after it add, each
# against the wire time of the read it makes.
added() {  # label, baud, option that leaves the other step out, speed options...
    local label=$1 baud=$2 other=$3
    shift 3
    local plain with wire bound verdict
    plain=$(seconds_of write --no-backup --no-verify "$@" --port "$port" "$image")
    with=$(seconds_of write "$other" "$@" --port "$port" "$image")
    wire=$(wire_seconds read "$baud")
    bound=$(awk -v w="$wire" 'BEGIN { printf "%.3f", w + 0.3 }')
    local extra
    extra=$(awk -v a="$with" -v b="$plain" 'BEGIN { printf "%.3f", a - b }')
    verdict=ok
    awk -v e="$extra" -v b="$bound" 'BEGIN { exit !(e <= b) }' || { verdict=SLOW; failed=1; }
    printf "%-16s adds %7.3f s  read wire %7.3f s  bound %7.3f s  %s\n" "$label" "$extra" "$wire" "$bound" "$verdict"
}
added "backup 9600" 9600 --no-verify
added "verify 9600" 9600 --no-backup
added "backup 38400" 38400 --no-verify --high-speed
added "verify 38400" 38400 --no-backup --high-speed

echo "Wire time off:"
start_sim --no-wire-time --image "$factory"
t0=$(date +%s.%N)
"$ctl" info --port "$port" --quiet >/dev/null
"$ctl" read --high-speed --port "$port" -o "$work/r3.kcl" --quiet
"$ctl" write --no-backup --no-verify --high-speed --port "$port" "$work/r3.kcl" --quiet
t1=$(date +%s.%N)
total=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", b - a }')
verdict=ok
awk -v t="$total" 'BEGIN { exit !(t < 3) }' || { verdict=SLOW; failed=1; }
printf "info + read + write  took %s s  (bound 3 s)  %s\n" "$total" "$verdict"
exit $failed
