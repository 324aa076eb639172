#!/usr/bin/env bash
# The Windows build under Wine: cross-compiles the core, xtr450ctl.exe and the
# core test programs with MinGW-w64 into build-win, runs the test programs
# under Wine (settings in Wine's registry, the instance guard on a named
# mutex, a write to a port that never sends), then moves real bytes through
# the Win32 serial code: Wine's COM5 is mapped onto the pseudo-terminal of
# the Linux xtr450-radiosim, and xtr450ctl.exe identifies, reads and writes
# at both line speeds; every image read must equal the one served, byte for
# byte. Uses a throw-away Wine prefix and needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

packages=(g++-mingw-w64-x86-64-posix wine wine64 libgtest-dev python3)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

stamp() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }

echo "-- cross build (build-win)"
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" "${launcher[@]}" >/dev/null
cmake --build build-win -j "$jobs" --target xtr450ctl xtr_all_tests
# The simulated radio runs on Linux; the main build usually has it already.
if [ ! -x build/bin/xtr450-radiosim ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
cmake --build build -j "$jobs" --target xtr450-radiosim

echo "-- no DLL beyond the system's"
for exe in build-win/bin/xtr450ctl.exe build-win/tests/*.exe; do
  foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' |
            grep -viE '^(kernel32|msvcrt|advapi32|user32|ws2_32|shell32|ole32|bcrypt|ntdll|setupapi|cfgmgr32)\.dll$' || true)
  if [ -n "$foreign" ]; then
    echo "$exe needs: $foreign" >&2
    exit 1
  fi
done

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
helpers=()
cleanup() {
  for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${helpers[@]}"; do wait "$pid" 2>/dev/null || true; done
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

t0=$(stamp)
# One server for the whole run, started here so that its own output (an
# object dump when it stops) stays out of the log.
mkdir -p "$WINEPREFIX"
wineserver -p >"$work/wineserver.log" 2>&1
wineboot --init >/dev/null 2>&1 || true
echo "-- Wine prefix ready in $(seconds "$t0" "$(stamp)") s"

# Starts a helper in the background and waits (at most 10 s) for the
# pseudo-terminal path it prints first, which it leaves in $device.
start_helper() {  # output-file command...
  local out=$1
  shift
  "$@" >"$out" 2>"$out.err" &
  helpers+=($!)
  for _ in $(seq 100); do
    [ -s "$out" ] && { device=$(head -n 1 "$out"); return 0; }
    sleep 0.1
  done
  echo "helper $* printed no device path" >&2
  cat "$out.err" >&2
  return 1
}

# A port that never sends: a pseudo-terminal whose other side is held open
# and never read.
start_helper "$work/stuck" python3 -c '
import os, signal
master, slave = os.openpty()
print(os.ttyname(slave), flush=True)
signal.pause()'
ln -sfn "$device" "$WINEPREFIX/dosdevices/com9"
export XTR450_TEST_STUCK_PORT=COM9

echo "-- core test programs under Wine"
t0=$(stamp)
# One program at a time: they share the one Wine prefix (its registry and
# named objects), and the guard and registry tests must not meet.
ctest --test-dir build-win --output-on-failure --timeout 600
echo "-- test programs passed in $(seconds "$t0" "$(stamp)") s"

echo "-- xtr450ctl.exe against xtr450-radiosim through COM5"
ctl() { (cd "$work" && "$wine" "$root/build-win/bin/xtr450ctl.exe" "$@"); }
ctl_to() { local out=$1; shift; ctl "$@" >"$out"; }
# The data records, after the three header lines; a file written by the
# Windows program ends its lines with CR LF, as Windows text files do.
records() { tail -n +4 "$1" | tr -d '\r'; }
timed() {  # label command...
  local label=$1 t
  shift
  t=$(stamp)
  "$@"
  echo "$label: $(seconds "$t" "$(stamp)") s"
}
# A simulated radio whose memory starts all zero, on COM5; at its end it
# saves what its memory holds then.
start_radio() {
  start_helper "$work/sim$1" build/bin/xtr450-radiosim --blank --save "$work/final$1.kcl"
  sim_pid=${helpers[-1]}
  ln -sfn "$device" "$WINEPREFIX/dosdevices/com5"
}
stop_radio() {  # number expected-file
  kill -TERM "$sim_pid"
  wait "$sim_pid"
  cmp <(records "$work/final$1.kcl") <(records "$2")
  frames=$((${frames:-0} + $(grep -c " baud$" "$work/sim$1.err")))
}

# Each radio starts empty, so a maker write (0x0000-0x1FFF) must carry every
# byte of the image, and the read after it must bring every byte back.
start_radio 1
timed "info" ctl_to "$work/info.txt" info --port 5
grep -q "^Model: 2527" "$work/info.txt"  # Windows ends lines with CR LF
timed "write at 9600 baud" ctl write --port 5 --maker --quiet "$root/data/demo-mpt.kcl"
timed "read at 38400 baud" ctl read --port 5 --high-speed --quiet -o read1.kcl
cmp <(records "$work/read1.kcl") <(records data/demo-mpt.kcl)
stop_radio 1 data/demo-mpt.kcl

start_radio 2
timed "write at 38400 baud" ctl write --port 5 --high-speed --maker --variant cps --quiet "$root/data/demo-cps.kcl"
timed "read at 9600 baud" ctl read --port 5 --variant cps --quiet -o read2.kcl
cmp <(records "$work/read2.kcl") <(records data/demo-cps.kcl)
# An ordinary write covers 0x0100-0x1FFF.
timed "write without the maker's area at 38400 baud" ctl write --port 5 --high-speed --quiet "$root/data/demo-mpt.kcl"
ctl read --port 5 --high-speed --quiet -o read3.kcl
cmp <(records "$work/read3.kcl") <(records data/demo-mpt.kcl)
stop_radio 2 data/demo-mpt.kcl
echo "frames the simulated radios logged: $frames"
echo "Wine: all transfers byte-exact; the stage took ${SECONDS} s."
