#!/usr/bin/env bash
# The long fuzz run: the host tests with every fuzz target running for
# FUZZ_SECONDS (default 600) seconds. Findings are kept under build-host/fuzz-runs/.
set -euo pipefail
export FUZZ_SECONDS=${FUZZ_SECONDS:-600}
exec bash "$(dirname "$0")/host-test.sh"
