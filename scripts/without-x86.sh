#!/usr/bin/env bash
# Runs a command as on a host whose kernel cannot run 32-bit programs, to try the
# 64-bit road on any host. Needs root: in a private mount namespace, Wine's 32-bit
# loader and the 32-bit dynamic loader are covered by copies that the kernel
# refuses with "Exec format error", as it refuses every 32-bit program there.
#   bash scripts/without-x86.sh bash scripts/test.sh
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "without-x86: needs root, for a private mount namespace" >&2
  exit 1
fi
refused=$(mktemp -d)
trap 'rm -rf "$refused"' EXIT
for file in /usr/lib/wine/wine /usr/lib/i386-linux-gnu/ld-linux.so.2; do
  [ -e "$file" ] || continue
  copy="$refused/$(basename "$file")"
  cp "$file" "$copy"
  # ELF machine type ARM: not a program this x86-64 kernel runs.
  printf '\x28' | dd of="$copy" bs=1 seek=18 conv=notrunc status=none
done
unshare --mount --propagation private bash -c '
  refused=$1; shift
  [ -e "$refused/wine" ] && mount --bind "$refused/wine" /usr/lib/wine/wine
  [ -e "$refused/ld-linux.so.2" ] && mount --bind "$refused/ld-linux.so.2" /usr/lib/i386-linux-gnu/ld-linux.so.2
  exec "$@"' without-x86 "$refused" "$@"
