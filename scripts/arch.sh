# Sourced by the test and demo commands after set-up: decides which build runs
# under Wine here, says so, and sets
#   road       x86 (the 32-bit product) or x64 (its 64-bit twin)
#   road_build the build folder whose programs run (build or build-x64)
#   can_run_x86  1 when this host runs 32-bit x86 programs, else 0
# LAUNCHER_TEST_ARCH=x86 or x64 forces a road.

# Whether 32-bit programs run here is found by running one, Wine's 32-bit loader:
# kernels can have 32-bit emulation switched off whatever uname and the installed
# packages say.
probe_x86() {
  local loader=/usr/lib/wine/wine out
  if [ ! -x "$loader" ]; then
    x86_why="Wine's 32-bit loader ($loader, package wine32:i386) is not installed"
    return 1
  fi
  if out=$("$loader" --version 2>&1); then
    return 0
  fi
  x86_why="running Wine's 32-bit loader failed: $(printf '%s' "$out" | tail -n 1 | sed 's/^.*: //')"
  return 1
}

can_run_x86=0
x86_why=""
probe_x86 && can_run_x86=1
case "${LAUNCHER_TEST_ARCH:-}" in
  x86)
    if [ "$can_run_x86" = 0 ]; then
      echo "LAUNCHER_TEST_ARCH=x86, but this host cannot run 32-bit programs ($x86_why): unset it to test the 64-bit build of the same sources." >&2
      exit 1
    fi
    road=x86; why="LAUNCHER_TEST_ARCH=x86 is set" ;;
  x64)
    road=x64; why="LAUNCHER_TEST_ARCH=x64 is set" ;;
  "")
    if [ "$can_run_x86" = 1 ]; then
      road=x86; why="this host runs 32-bit programs"
    else
      road=x64; why="this host cannot run 32-bit programs ($x86_why)"
    fi ;;
  *)
    echo "LAUNCHER_TEST_ARCH is '$LAUNCHER_TEST_ARCH': use x86, x64, or leave it unset to decide by a probe." >&2
    exit 2 ;;
esac
if [ "$road" = x86 ]; then
  road_build=build
  road_says="running the 32-bit launcher"
else
  road_build=build-x64
  road_says="running the 64-bit build of the same sources (build-x64/); build/launcher.exe, the 32-bit product, is still built and checked"
fi
