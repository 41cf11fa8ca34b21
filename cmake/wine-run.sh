#!/bin/sh
# ctest's way into Wine: runs a test program only in a prefix that the test
# command made (scripts/test.sh), never in the developer's own ~/.wine.
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-run: WINEPREFIX is not set: run the tests through scripts/test.sh" >&2
  exit 1
fi
# Now and then (rarely, seen with 64-bit Wine) a program fails before its main()
# and prints nothing. The test framework's first line tells a program that ran
# from one that never started: only the latter is started once more, and says so.
out=$(mktemp) || exit 1
trap 'rm -f "$out"' EXIT
"$@" >"$out" 2>&1
rc=$?
if [ "$rc" -ne 0 ] && ! grep -q '^Running main() from' "$out"; then
  cat "$out"
  echo "wine-run: the program ended with $rc before its main() ran: a failed start of Wine; starting it once more" >&2
  "$@" >"$out" 2>&1
  rc=$?
fi
cat "$out"
exit "$rc"
