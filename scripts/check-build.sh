#!/usr/bin/env bash
# Checks a launcher.exe against these sources, as an author checks the one received:
#   bash scripts/check-build.sh RECEIVED.EXE
# Builds the launcher from this checkout in a temporary folder (as scripts/build.sh
# does; the same compiler and linker versions are needed, those of Debian 12), takes
# a signature off the given file (a signed copy differs from the build by its
# signature alone) and compares the bytes. Prints "same" and exits with 0, or says
# where they differ and exits with 1.
set -euo pipefail
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "usage: bash scripts/check-build.sh LAUNCHER.EXE" >&2
  exit 2
fi
received=$(realpath "$1")
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S . -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-i686.cmake" -DLAUNCHER_TESTS=OFF >/dev/null
cmake --build "$work/build" --target launcher -j"$(nproc)" >/dev/null
# An unsigned file has no signature to take off, and is compared as it is.
if osslsigncode remove-signature -in "$received" -out "$work/unsigned.exe" >/dev/null 2>&1; then
  received=$work/unsigned.exe
fi
if cmp "$work/build/launcher.exe" "$received"; then
  echo same
else
  exit 1
fi
