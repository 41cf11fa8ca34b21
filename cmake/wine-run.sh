#!/bin/sh
# ctest's way into Wine: runs a test program only in a prefix that the test
# command made (scripts/test.sh), never in the developer's own ~/.wine.
if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine-run: WINEPREFIX is not set: run the tests through scripts/test.sh" >&2
  exit 1
fi
exec "$@"
