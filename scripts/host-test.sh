#!/usr/bin/env bash
# The launcher's text logic on this Linux host: builds host/ with AddressSanitizer
# and UndefinedBehaviorSanitizer into build-host/, runs its unit tests, then runs
# every fuzz target for FUZZ_SECONDS seconds on a copy of its seed corpus.
# Fails on a failed test, a crash, a sanitizer report or a timeout.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${FUZZ_SECONDS:-20}
jobs=$(nproc)

cmake -S host -B build-host -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-host -j"$jobs"
(cd build-host && ctest --output-on-failure -j"$jobs")

targets=$(cd host/fuzz && for f in *_fuzz.cpp; do echo "${f%_fuzz.cpp}"; done)
runs="$root/build-host/fuzz-runs"
rm -rf "$runs"

# The fuzzer adds what it finds to its first corpus directory, so it gets a
# copy; the committed seeds stay as they are.
fuzz_one() {
  local target=$1 dir="$runs/$1" status=0
  mkdir -p "$dir/artifacts"
  cp -r "host/fuzz/corpus/$target" "$dir/corpus"
  "build-host/fuzz_$target" "$dir/corpus" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$dir/artifacts/" \
    >"$dir/log" 2>&1 || status=$?
  echo "$status" >"$dir/status"
}

echo "fuzzing each target for $seconds seconds, $jobs at a time"
for target in $targets; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  fuzz_one "$target" &
done
wait

# A sanitizer report or a failed check fails the target even if the exit status were 0.
reports='ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|check failed'
passed=0
failed=0
for target in $targets; do
  dir="$runs/$target"
  status=$(cat "$dir/status" 2>/dev/null || echo "none")
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1)
  if [ "$status" = 0 ] && [ -n "$executions" ] && [ -z "$(ls -A "$dir/artifacts")" ] &&
     ! grep -qE "$reports" "$dir/log"; then
    passed=$((passed + 1))
    echo "fuzz_$target: ok, $executions executions"
  else
    failed=$((failed + 1))
    echo "fuzz_$target: FAILED (exit $status, ${executions:-no} executions), log in $dir/log" >&2
    grep -E -m5 'ERROR|runtime error:|check failed|SUMMARY|Test unit written' "$dir/log" >&2 || true
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
