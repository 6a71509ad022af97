#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Applies the deliberate faults of scripts/mutants.list one at a time, builds, runs the tests and
# says for each fault whether the tests caught it. The source is restored after every fault, also
# when the run is interrupted.
#   MUTANTS_BUILD_DIR  build folder (default build-mutants; configured once)
#   MUTANTS_ONLY       space-separated fault ids to run (default: all)
#   MUTANTS_TIMEOUT    seconds per test (default 300); a test that hangs counts as failing
#   MUTANTS_ALL_TESTS  1: run every test for every fault, to see all the tests that catch it
#   MUTANTS_TESTS      a ctest -R regular expression: only these tests (to see what one test catches)
# Exit status: 0 done, 1 some fault is stale (its old text is not in its file exactly once),
# 2 a usage error, a broken list, or tests that fail without any fault.
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true
cd "$(dirname "$0")/.."
list=scripts/mutants.list
build=${MUTANTS_BUILD_DIR:-build-mutants}
timeout=${MUTANTS_TIMEOUT:-300}
marker=$build/mutant-applied  # while a fault is applied: the file it is in
backup=$build/mutant-backup   # that file as it was

die() {
  echo "mutants: $*" >&2
  exit 2
}

# --- the list: blocks of "id:", "file:", "what:", one or more "old:" and "new:" lines ----------
ids=() files=() whats=() olds=() news=()
block_open=false
cur_id='' cur_file='' cur_what='' cur_old='' cur_new='' have_old=false have_new=false
close_block() {
  $block_open || return 0
  [ -n "$cur_id" ] && [ -n "$cur_file" ] && [ -n "$cur_what" ] && $have_old && $have_new ||
    die "$list: block '${cur_id:-?}' needs id, file, what, old and new"
  [ -n "$cur_old" ] || die "$list: $cur_id: empty old text"
  local existing
  for existing in "${ids[@]}"; do [ "$existing" != "$cur_id" ] || die "$list: $cur_id twice"; done
  ids+=("$cur_id") files+=("$cur_file") whats+=("$cur_what") olds+=("$cur_old") news+=("$cur_new")
  block_open=false
  cur_id='' cur_file='' cur_what='' cur_old='' cur_new='' have_old=false have_new=false
}
# "key: value" or "key:" for an empty value; repeated old/new lines are joined by newlines.
value_of() {
  local line=$1 key=$2
  if [ "$line" = "$key:" ]; then printf ''; else printf '%s' "${line#"$key: "}"; fi
}
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    '#'*) continue ;;
    '') close_block ;;
    id:*) close_block; block_open=true; cur_id=$(value_of "$line" id) ;;
    file:*) cur_file=$(value_of "$line" file) ;;
    what:*) cur_what=$(value_of "$line" what) ;;
    old:*)
      if $have_old; then cur_old+=$'\n'; fi
      cur_old+=$(value_of "$line" old)
      have_old=true
      ;;
    new:*)
      if $have_new; then cur_new+=$'\n'; fi
      cur_new+=$(value_of "$line" new)
      have_new=true
      ;;
    *) die "$list: cannot read line: $line" ;;
  esac
done <"$list"
close_block
[ ${#ids[@]} -gt 0 ] || die "$list holds no faults"

selected=()
if [ -n "${MUTANTS_ONLY:-}" ]; then
  for wanted in $MUTANTS_ONLY; do
    found=false
    for i in "${!ids[@]}"; do
      if [ "${ids[$i]}" = "$wanted" ]; then selected+=("$i") found=true; fi
    done
    $found || die "no fault '$wanted' in $list"
  done
else
  selected=("${!ids[@]}")
fi

# --- applying and restoring -------------------------------------------------------------------
read_file() {  # REPLY: the exact bytes of $1, trailing newlines included
  REPLY=$(cat -- "$1"; printf x)
  REPLY=${REPLY%x}
}
occurrences() {
  local hay=$1 needle=$2 n=0
  while [[ $hay == *"$needle"* ]]; do
    hay=${hay#*"$needle"}
    n=$((n + 1))
  done
  echo "$n"
}
restore() {
  [ -f "$marker" ] || return 0
  local file
  file=$(cat "$marker")
  cat "$backup" >"$file"
  touch "$file"  # newer than the objects built from the fault, so the next build redoes them
  rm -f "$marker" "$backup"
}
# How often the old text of fault $1 occurs in its file; 0 when the file is gone.
anchor_count() {
  [ -f "${files[$1]}" ] || { echo 0; return; }
  read_file "${files[$1]}"
  occurrences "$REPLY" "${olds[$1]}"
}
report_stale() {
  printf "%-7s %-34s %s (old text found %s times in %s)\n" stale "${ids[$1]}" "${whats[$1]}" "$2" \
    "${files[$1]}"
}

# The file with fault $1 applied.
with_fault() {
  read_file "${files[$1]}"
  local content=$REPLY
  printf "%s" "${content%%"${olds[$1]}"*}${news[$1]}${content#*"${olds[$1]}"}"
}

# MUTANTS_CHECK=1: only say which faults are stale, without building; MUTANTS_CHECK=diff also
# shows each fault as a diff.
if [ "${MUTANTS_CHECK:-0}" != 0 ]; then
  stale=0
  for i in "${selected[@]}"; do
    n=$(anchor_count "$i")
    [ "$n" -eq 1 ] || { report_stale "$i" "$n"; stale=$((stale + 1)); continue; }
    if [ "$MUTANTS_CHECK" = diff ]; then
      echo "== ${ids[$i]}: ${whats[$i]}"
      with_fault "$i" | diff -u --label "${files[$i]}" --label "${ids[$i]}" "${files[$i]}" - || true
    fi
  done
  echo "mutants: ${#selected[@]} faults, $stale stale"
  [ "$stale" -eq 0 ] || exit 1
  exit 0
fi

trap restore EXIT
trap 'exit 130' INT TERM HUP

mkdir -p "$build"
if [ -f "$marker" ]; then
  echo "mutants: restoring $(cat "$marker") from an interrupted run" >&2
  restore
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
logs=$build/mutants-logs
mkdir -p "$logs"

ctest_args=(--test-dir "$build" -j2 --timeout "$timeout")
[ "${MUTANTS_ALL_TESTS:-0}" = 1 ] || ctest_args+=(--stop-on-failure)
[ -z "${MUTANTS_TESTS:-}" ] || ctest_args+=(-R "$MUTANTS_TESTS")

# The names of the failing tests in a ctest log, comma-separated.
failed_tests() {
  sed -n 's/^[[:space:]]*[0-9]\{1,\} - \([^ ]*\) (.*)$/\1/p' "$1" | paste -sd, -
}

# --- the tests without a fault must pass, or every fault would look caught ---------------------
if ! cmake --build "$build" -j"$(nproc)" >"$logs/baseline.log" 2>&1; then
  die "the build fails without any fault (see $logs/baseline.log)"
fi
if ! ctest "${ctest_args[@]}" >>"$logs/baseline.log" 2>&1; then
  die "tests fail without any fault: $(failed_tests "$logs/baseline.log") (see $logs/baseline.log)"
fi

caught=0 run=0 by_build=0 stale=0 missed=()
for i in "${selected[@]}"; do
  id=${ids[$i]} file=${files[$i]} what=${whats[$i]} old=${olds[$i]} new=${news[$i]}
  log=$logs/$id.log
  count=$(anchor_count "$i")
  if [ "$count" -ne 1 ]; then
    report_stale "$i" "$count"
    stale=$((stale + 1))
    continue
  fi
  faulty=$(with_fault "$i"; printf x)
  cp -p -- "$file" "$backup"
  printf "%s" "$file" >"$marker"
  printf "%s" "${faulty%x}" >"$file"
  run=$((run + 1))
  if ! cmake --build "$build" -j"$(nproc)" >"$log" 2>&1; then
    printf '%-7s %-34s %s (the build fails)\n' caught "$id" "$what"
    caught=$((caught + 1)) by_build=$((by_build + 1))
  elif ctest "${ctest_args[@]}" >>"$log" 2>&1; then
    printf '%-7s %-34s %s\n' MISSED "$id" "$what"
    missed+=("$id")
  else
    printf '%-7s %-34s %s (%s)\n' caught "$id" "$what" "$(failed_tests "$log")"
    caught=$((caught + 1))
  fi
  restore
done

[ "$by_build" -eq 0 ] || echo "mutants: $by_build of the caught faults fail to build"
[ ${#missed[@]} -eq 0 ] || echo "mutants: missed ${missed[*]}"
[ "$stale" -eq 0 ] || echo "mutants: $stale stale (their old text moved: update $list)"
echo "mutants: caught $caught of $run"
[ "$stale" -eq 0 ] || exit 1
