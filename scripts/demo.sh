#!/usr/bin/env bash
# The main job: prepares the machine, builds, and runs launcher.exe under Wine on
# the demo installation, with the host's JDK as its Java VM.
#   bash scripts/demo.sh                  a registered demo JVM is found and used
#   bash scripts/demo.sh --install-jvm    the launcher installs the JVM the installation carries
set -euo pipefail
cd "$(dirname "$0")/.."
export DEMO_COMMAND_STARTED
DEMO_COMMAND_STARTED=$(date +%s.%N)
bash scripts/setup.sh
# The wizard's window needs the JDK's windowing library, which the headless JDK lacks.
if ! dpkg-query -W -f='${Status}' default-jre 2>/dev/null | grep -q 'install ok installed'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "demo: default-jre is missing (the wizard's window needs it); installing it needs root" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends default-jre >/dev/null
fi
. scripts/arch.sh
echo "demo: $why: $road_says."
bash scripts/build.sh >/dev/null
[ "$road" = x64 ] && bash scripts/build.sh x64 >/dev/null
LAUNCHER_BUILD_DIR="$(pwd)/$road_build" python3 scripts/demo.py "$@"
