#!/usr/bin/env bash
# Runs every test: unit tests under Wine and process-level tests of the real
# launcher, each in a hermetic Wine prefix. Prepares the machine and builds first.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
bash scripts/build.sh

# The template prefix every test copies; made once, kept in build/.
LAUNCHER_BUILD_DIR="$root/build" python3 -c \
  'import sys; sys.path.insert(0, "tests/process"); import winebed; winebed.ensure_template()'

# Unit tests share one throw-away copy with a running server, started before
# ctest so that Wine's helper processes do not inherit ctest's pipes.
unit_prefix=$(mktemp -d "$root/build/unit-prefix.XXXXXX")
cleanup() {
  WINEPREFIX="$unit_prefix/prefix" wineserver -k >/dev/null 2>&1 || true
  rm -rf "$unit_prefix"
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
