#!/usr/bin/env bash
# Configures (once) and builds everything into build/: launcher.exe, the test
# programs and the test doubles.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
fi
cmake --build build -j"$(nproc)"
