#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer over the
# whole build) and runs each for ${FUZZ_SECONDS:-30} seconds on a copy of its seed corpus.
#   FUZZ_BUILD_DIR  build folder (default build-fuzz)
#   FUZZ_SECONDS    seconds per target (default 30)
#   FUZZ_TARGETS    space-separated target names to run (default: every fuzz_* target)
# Every target runs even after a finding; the script then exits non-zero and names each finding.
# A crashing or hanging input is left as <build>/findings/<target>/crash-* (or timeout-*, oom-*).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-30}

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMORA_WITH_QT=OFF -DVELMORA_WITH_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target velmora_fuzzers

targets=()
if [ -n "${FUZZ_TARGETS:-}" ]; then
  read -r -a targets <<<"$FUZZ_TARGETS"
else
  for path in "$build"/fuzz/fuzz_*; do
    [ -x "$path" ] && [ -f "$path" ] && targets+=("$(basename "$path")")
  done
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no fuzz targets were built in $build/fuzz" >&2
  exit 1
fi

failed=()
for name in "${targets[@]}"; do
  corpus_name=${name#fuzz_}
  work=$build/corpus-$corpus_name
  findings=$build/findings/$name
  mkdir -p "$work" "$findings"
  if [ -d "fuzz/corpus/$corpus_name" ]; then cp -r "fuzz/corpus/$corpus_name/." "$work/"; fi
  echo "== $name for ${seconds}s =="
  log=$build/findings/$name.log
  # -timeout: one input running longer than 10 s counts as a hang; -error_exitcode keeps any
  # finding (crash, sanitizer report, hang, out of memory) distinguishable from success.
  if "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -error_exitcode=77 -timeout_exitcode=78 -artifact_prefix="$findings/" \
      -print_final_stats=1 "$work" >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" || true
  else
    tail -n 40 "$log"
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in $build/findings/)" >&2
  exit 1
fi
echo "fuzz: ${#targets[@]} targets clean"
