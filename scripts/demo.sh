#!/usr/bin/env bash
# The main job: prepares the machine, builds, and runs launcher.exe under Wine on
# the demo installation, with the host's JDK as its Java VM.
#   bash scripts/demo.sh                  a registered demo JVM is found and used
#   bash scripts/demo.sh --install-jvm    the launcher installs the JVM the installation carries
set -euo pipefail
cd "$(dirname "$0")/.."
export DEMO_COMMAND_STARTED
DEMO_COMMAND_STARTED=$(date +%s.%N)
# The wizard's window needs the JDK's windowing library, which the headless JDK lacks.
bash scripts/setup.sh --wizard-windows
. scripts/arch.sh
echo "demo: $why: $road_says."
bash scripts/build.sh >/dev/null
[ "$road" = x64 ] && bash scripts/build.sh x64 >/dev/null
LAUNCHER_BUILD_DIR="$(pwd)/$road_build" python3 scripts/demo.py "$@"
