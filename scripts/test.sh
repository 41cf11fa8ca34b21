#!/usr/bin/env bash
# Runs every test: unit tests under Wine and process-level tests of the real
# launcher, each in a hermetic Wine prefix. Prepares the machine and builds first.
# Arguments are passed on to ctest (for example -R cleanup).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
. scripts/arch.sh
echo "test: $why: $road_says."

# The product is built and checked statically on every host.
bash scripts/build.sh
[ "$road" = x64 ] && bash scripts/build.sh x64

# The text logic on the host, with sanitizers, and its fuzz targets.
if [ -f scripts/host-test.sh ]; then
  bash scripts/host-test.sh
fi

scratch=()
cleanup() {
  # Normally each test has tidied up already; this catches a test killed on timeout.
  local entry build dir
  for entry in "${scratch[@]}"; do
    build=${entry%%:*} dir=${entry#*:}
    for pidfile in "$dir"/*/xvfb.pid; do
      [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null || true
    done
    LAUNCHER_BUILD_DIR="$root/$build" python3 tests/process/winebed.py stop "$dir"/prefix "$dir"/*/prefix || true
    rm -rf "$dir"
  done
}
trap cleanup EXIT

# ctest in one build folder, on copies of that build's template prefix (made once,
# kept in the folder). The unit tests share one copy with a running server,
# started before ctest so that Wine's helper processes do not inherit its pipes.
run_ctest() {
  local build=$1
  shift
  local unit bed_root exports
  unit=$(mktemp -d "$root/$build/unit-prefix.XXXXXX")
  bed_root=$(mktemp -d "$root/$build/beds.XXXXXX")
  scratch+=("$build:$unit" "$build:$bed_root")
  exports=$(LAUNCHER_BUILD_DIR="$root/$build" python3 tests/process/winebed.py shared-prefix "$unit")
  (
    # Wine names files by the locale's character set: the exports set LANG, no LC_ overrides it.
    for v in $(env | grep -o '^\(WINE\|LC_\)[A-Z_]*'); do unset "$v"; done
    unset DISPLAY
    eval "$exports"
    export LAUNCHER_BED_ROOT="$bed_root"
    cd "$build"
    ctest --output-on-failure -j2 "$@"
  )
}

run_ctest "$road_build" "$@"
if [ "$road" = x86 ]; then
  # The 64-bit twin's unit tests too, so that 64-bit faults show on every host.
  echo "test: the 64-bit twin's unit tests (build-x64/)"
  bash scripts/build.sh x64 unit_tests
  run_ctest build-x64 -L unit "$@"
fi
