#!/usr/bin/env bash
# Prepares a Debian 12 machine to build and test the launcher. Safe to run again:
# it installs only what is missing. With --wizard-windows also default-jre, whose
# windowing library a wizard's window needs (the demo and the trial run).
set -euo pipefail

# wine64 and the x86-64 compiler build and run the 64-bit twin on hosts that
# cannot run 32-bit programs; fonts-wine gives windows their decoration font;
# locales holds the sources from which the tests compile the Unix locales that
# give Wine the Japanese and the UTF-8 code pages; openssl and osslsigncode sign a
# copy of the launcher in the build test.
need=(g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686 wine wine32:i386
      wine64 g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev fonts-wine
      xvfb cmake make googletest default-jdk-headless ecj imagemagick x11-apps
      x11-utils xauth python3 clang libclang-rt-14-dev locales openssl osslsigncode)
[ "${1:-}" = --wizard-windows ] && need+=(default-jre)

missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
