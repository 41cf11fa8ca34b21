#!/usr/bin/env bash
# Configures (once) and builds one build of the launcher, its test programs and
# test doubles:
#   bash scripts/build.sh            the 32-bit product, into build/
#   bash scripts/build.sh x64 [T..]  its 64-bit twin, into build-x64/ (only targets T.. if given)
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:-x86}
[ $# -gt 0 ] && shift
case "$arch" in
  x86) dir=build toolchain=cmake/mingw-i686.cmake ;;
  x64) dir=build-x64 toolchain=cmake/mingw-x86_64.cmake ;;
  *) echo "build: unknown build '$arch' (x86 or x64)" >&2; exit 2 ;;
esac
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
