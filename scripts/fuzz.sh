#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (ASan + UBSan) in
# build-asan/ (scripts/build-asan.sh) and runs each for SECONDS (default 60),
# two at a time, from the seed corpora in fuzz/corpus/. Inputs that find new
# code are kept in build-asan/fuzzing/corpus/, crashes in
# build-asan/fuzzing/artifacts/, each target's log in build-asan/fuzzing/logs/.
# Fails when a target found a crash, a leak or a hang. The targets' scratch
# files go to TMPDIR, by default /dev/shm.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     targets: wav settings plugin_files cli_arguments
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(wav settings plugin_files cli_arguments)

scripts/build-asan.sh fuzz_targets
source scripts/sanitizer-env.sh
# The targets' scratch files go to TMPDIR: in memory unless it names a place.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ]; then export TMPDIR=/dev/shm; fi

mkdir -p build-asan/fuzzing/logs build-asan/fuzzing/artifacts
run() {
  local name="$1" dict=()
  [ -f "fuzz/$name.dict" ] && dict=("-dict=fuzz/$name.dict")
  mkdir -p "build-asan/fuzzing/corpus/$name"
  "build-asan/fuzz/fuzz_$name" "build-asan/fuzzing/corpus/$name" "fuzz/corpus/$name" "${dict[@]}" \
    -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build-asan/fuzzing/artifacts/$name-" >"build-asan/fuzzing/logs/$name.log" 2>&1
}

declare -A status
pids=()
for name in "${targets[@]}"; do
  run "$name" & pids+=("$!:$name")
  # Two at a time: each target is one process.
  if [ ${#pids[@]} -ge 2 ]; then
    entry="${pids[0]}"; pids=("${pids[@]:1}")
    if wait "${entry%%:*}"; then status[${entry#*:}]=ok; else status[${entry#*:}]=FAILED; fi
  fi
done
for entry in "${pids[@]}"; do
  if wait "${entry%%:*}"; then status[${entry#*:}]=ok; else status[${entry#*:}]=FAILED; fi
done

failed=0
for name in "${targets[@]}"; do
  log="build-asan/fuzzing/logs/$name.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)
  printf '%-14s %-6s %12s runs %8s exec/s  %s\n' "$name" "${status[$name]}" "${runs:-?}" "${speed:-?}" "${cov:-}"
  if [ "${status[$name]}" != ok ]; then
    failed=1
    grep -E 'ERROR|property failed|SUMMARY|Test unit written' "$log" | head -5 || true
  fi
done
exit "$failed"
