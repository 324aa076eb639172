#!/usr/bin/env bash
# The Debian package: builds it with CPack from the main build folder, checks
# its file list and manual pages, installs it on this machine with apt, runs
# the installed xtr450ctl and xtr450-radiosim and the desktop program under
# Xvfb, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(dpkg-dev xvfb xauth x11-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if dpkg -s xtr450 >/dev/null 2>&1; then
  # Left by an interrupted run (or installed by hand): the stage needs a
  # machine without it to show that a fresh install works.
  echo "Removing the installed package xtr450 first"
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -qq --purge xtr450 >/dev/null
fi
jobs=$(nproc 2>/dev/null || echo 2)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

echo "-- build and package"
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
cmake --build build -j "$jobs" --target xtr450 xtr450ctl xtr450-radiosim xtr_man
rm -rf build/package
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/package/xtr450_*.deb)
echo "$deb"

echo "-- contents"
listing=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' | grep -v '/$' | sort)
echo "$listing"
expected=$(sort <<'LIST'
/usr/bin/xtr450
/usr/bin/xtr450-radiosim
/usr/bin/xtr450ctl
/usr/share/applications/xtr450.desktop
/usr/share/icons/hicolor/scalable/apps/xtr450.svg
/usr/share/man/man1/xtr450-radiosim.1.gz
/usr/share/man/man1/xtr450ctl.1.gz
/usr/share/xtr450/XTR450.OVL
/usr/share/xtr450/XTR450CPS.kcl
/usr/share/xtr450/XTR450MPT.kcl
/usr/share/xtr450/demo-cps.kcl
/usr/share/xtr450/demo-mpt.kcl
/usr/share/xtr450/xtr450-manual.html
LIST
)
if [ "$listing" != "$expected" ]; then
  echo "the package holds other files than expected:" >&2
  diff <(echo "$expected") <(echo "$listing") >&2 || true
  exit 1
fi
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "no dependency on Qt 6 Widgets" >&2; exit 1; }
command -v desktop-file-validate >/dev/null && desktop-file-validate packaging/xtr450.desktop

work=$(mktemp -d)
installed=0
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  if [ "$installed" = 1 ]; then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -qq --purge xtr450 >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

echo "-- install"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
installed=1
version=$(sed -n 's/^project(xtr450 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(/usr/bin/xtr450ctl --version)" = "xtr450ctl $version" ]
[ "$(/usr/bin/xtr450-radiosim --version)" = "xtr450-radiosim $version" ]
/usr/bin/xtr450ctl --version

# The manual pages hold each command's help as the installed program prints it.
man_text=$(zcat /usr/share/man/man1/xtr450ctl.1.gz)
for command in info read write check sheets show get set; do
  usage=$(/usr/bin/xtr450ctl "$command" --help | head -n 1 | sed 's/-/\\-/g')
  grep -qF -- "$usage" <<<"$man_text" || { echo "man page lacks: $usage" >&2; exit 1; }
done
zcat /usr/share/man/man1/xtr450-radiosim.1.gz | grep -qF -- '\-\-no\-wire\-time'

# The installed command line finds its data in /usr/share/xtr450.
# A factory-fresh radio has no block frequencies and no hunt list yet: its
# check reports exactly those two errors.
factory_check=$(cd "$work" && /usr/bin/xtr450ctl check /usr/share/xtr450/XTR450MPT.kcl) && {
  echo "the factory image passed its check" >&2; exit 1; }
grep -qx '2 errors, 0 warnings' <<<"$factory_check" || { echo "$factory_check" >&2; exit 1; }
# The demonstration files shipped beside it open and pass the checks.
(cd "$work" && /usr/bin/xtr450ctl check /usr/share/xtr450/demo-mpt.kcl >/dev/null && /usr/bin/xtr450ctl check --variant cps /usr/share/xtr450/demo-cps.kcl >/dev/null)

echo "-- desktop program under Xvfb"
export XTR450_SETTINGS=$work/settings.ini
cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
# Starts the program, waits (at most 30 s) for its main window and saves a
# picture of the screen.
set -u
/usr/bin/xtr450 &
app=$!
for _ in $(seq 300); do
  if xwininfo -root -tree | grep -q 'XT-R450'; then
    xwininfo -root -tree | grep 'XT-R450' | head -n 3
    kill "$app"
    wait "$app" 2>/dev/null
    exit 0
  fi
  kill -0 "$app" 2>/dev/null || { echo "xtr450 ended early" >&2; exit 1; }
  sleep 0.1
done
echo "no window of xtr450 appeared" >&2
kill "$app"
exit 1
SESSION
chmod +x "$work/session.sh"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1024x768x24" "$work/session.sh"

echo "-- remove"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -qq --purge xtr450 >/dev/null
installed=0
[ ! -e /usr/bin/xtr450ctl ] && [ ! -e /usr/share/xtr450 ]
echo "Package: built, installed, run and removed; the stage took ${SECONDS} s."
