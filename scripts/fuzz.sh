#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for ${FUZZ_SECONDS:-30} seconds on a copy
# of its seed corpus. Any finding fails the run; the crashing input is left in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMORA_WITH_QT=OFF -DVELMORA_WITH_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target all
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus_name=${name#fuzz_}
  work=build-fuzz/corpus-$corpus_name
  mkdir -p "$work"
  if [ -d fuzz/corpus/$corpus_name ]; then cp -r fuzz/corpus/$corpus_name/. "$work"/; fi
  echo "== $name for ${seconds}s =="
  (cd build-fuzz && "../$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 "../$work" 2>&1 | tail -n 12)
done
