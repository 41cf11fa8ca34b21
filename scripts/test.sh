#!/usr/bin/env bash
# Runs every test: unit tests under Wine and process-level tests of the real
# launcher, each in a hermetic Wine prefix. Prepares the machine and builds first.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
bash scripts/build.sh

# The text logic on the host, with sanitizers, and its fuzz targets.
if [ -f scripts/host-test.sh ]; then
  bash scripts/host-test.sh
fi

# The template prefix every test copies; made once, kept in build/.
LAUNCHER_BUILD_DIR="$root/build" python3 -c \
  'import sys; sys.path.insert(0, "tests/process"); import winebed; winebed.ensure_template()'

# Unit tests share one throw-away copy with a running server, started before
# ctest so that Wine's helper processes do not inherit ctest's pipes.
unit_prefix=$(mktemp -d "$root/build/unit-prefix.XXXXXX")
export LAUNCHER_BED_ROOT
LAUNCHER_BED_ROOT=$(mktemp -d "$root/build/beds.XXXXXX")
cleanup() {
  # Normally each test has tidied up already; this catches a test killed on timeout.
  for prefix in "$unit_prefix/prefix" "$LAUNCHER_BED_ROOT"/*/prefix; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  done
  for pidfile in "$LAUNCHER_BED_ROOT"/*/xvfb.pid; do
    [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null || true
  done
  rm -rf "$unit_prefix" "$LAUNCHER_BED_ROOT"
}
trap cleanup EXIT
cp -a build/wine-template "$unit_prefix/prefix"
for v in $(env | grep -o '^WINE[A-Z_]*'); do unset "$v"; done
unset DISPLAY
export WINEPREFIX="$unit_prefix/prefix" WINEARCH=win32 WINEDEBUG=-all
wineserver -p
wine cmd /c exit 0 </dev/null >/dev/null 2>&1

cd build
ctest --output-on-failure -j2 "$@"
