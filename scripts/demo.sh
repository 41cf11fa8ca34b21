#!/usr/bin/env bash
# The main job: prepares the machine, builds, and runs launcher.exe on the demo installation.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh >/dev/null
LAUNCHER_BUILD_DIR="$(pwd)/build" python3 scripts/demo.py
