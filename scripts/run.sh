#!/usr/bin/env bash
# Builds the desktop program and starts it on its shipped data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target xtr450 xtr450ctl
exec build/bin/xtr450 "$@"
