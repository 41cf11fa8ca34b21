#!/usr/bin/env bash
# An installation author's trial run: launcher.exe under Wine on a copy of the
# author's installation folder, with the host's JDK as its JVM (scripts/try.py).
#   bash scripts/try.sh DIR [launcher arguments]
# Prepares the machine and builds first, as the demo does; with LAUNCHER_BUILD_DIR
# set, that build is taken as it is and nothing is prepared.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ]; then
  echo "usage: bash scripts/try.sh DIR [launcher arguments]" >&2
  exit 2
fi
folder=$(cd "$1" 2>/dev/null && pwd) || { echo "try: no folder $1" >&2; exit 2; }
shift
if [ -z "${LAUNCHER_BUILD_DIR:-}" ]; then
  bash scripts/setup.sh --wizard-windows
  . scripts/arch.sh
  echo "try: $why: $road_says."
  bash scripts/build.sh >/dev/null
  [ "$road" = x64 ] && bash scripts/build.sh x64 >/dev/null
  export LAUNCHER_BUILD_DIR="$(pwd)/$road_build"
fi
python3 scripts/try.py "$folder" "$@"
