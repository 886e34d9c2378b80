#!/usr/bin/env bash
# Mutation run: applies the hand-made faults of scripts/mutants/MODULE.tsv one
# at a time to a scratch copy of the sources, rebuilds, and sees whether a
# test fails. Usage:
#
#   scripts/mutate.sh [-o REPORT] [MODULE...]     (no module: every table)
#   scripts/mutate.sh --check [MODULE...]          (only check the tables)
#   scripts/mutate.sh --all-tests [MODULE...]      (every test on every mutant)
#   scripts/mutate.sh --tables DIR [MODULE...]     (tables from DIR instead)
#
# The worktree is never touched: its files (committed or not) are copied to
# a scratch folder ($DAUBERY_MUTATE_DIR, else one under $TMPDIR or /tmp) whose
# non-sanitized build is reused across mutants and runs, so a mutant costs one
# object rebuild and a link. Per mutant: the module's unit tests (the table's
# "# tests:" filter) run first, and the whole ctest suite only when they pass.
# With --all-tests the whole suite runs on every mutant and the report adds,
# per test, the mutants it kills and those no other test kills.
# The report (a Markdown table and one score line per module) goes to REPORT,
# else to report.md in the scratch folder; its path is printed at the end.
#
# Table lines: file TAB text TAB replacement TAB why [TAB equivalent: reason];
# the text must occur exactly once in the file; '#' lines are comments.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
REPORT=""
CHECK_ONLY=0
ALL_TESTS=0
TABLES=$ROOT/scripts/mutants
while [ $# -gt 0 ]; do
  case "$1" in
    -o) REPORT=$2; shift 2 ;;
    --check) CHECK_ONLY=1; shift ;;
    --all-tests) ALL_TESTS=1; shift ;;
    --tables) TABLES=$(cd "$2" && pwd); shift 2 ;;
    -h|--help) sed -n '2,22p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    --) shift; break ;;
    -*) echo "mutate.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done

MODULES=("$@")
if [ ${#MODULES[@]} -eq 0 ]; then
  for t in "$TABLES"/*.tsv; do
    [ -e "$t" ] && MODULES+=("$(basename "$t" .tsv)")
  done
fi
for m in "${MODULES[@]}"; do
  [ -f "$TABLES/$m.tsv" ] || { echo "mutate.sh: no table $TABLES/$m.tsv" >&2; exit 2; }
done
[ ${#MODULES[@]} -gt 0 ] || { echo "mutate.sh: no tables in $TABLES" >&2; exit 2; }

# Splits a table line into file, find, repl, why and equiv; false when it
# has fewer than four fields. Split by hand: read would merge empty fields
# (a replacement may be empty).
split_line() {
  local line=$1 tabs=${1//[!$'\t']/} rest
  [ ${#tabs} -ge 3 ] || return 1
  file=${line%%$'\t'*}; rest=${line#*$'\t'}
  find=${rest%%$'\t'*}; rest=${rest#*$'\t'}
  repl=${rest%%$'\t'*}; rest=${rest#*$'\t'}
  why=${rest%%$'\t'*}
  equiv=""
  [ "$why" != "$rest" ] && equiv=${rest#*$'\t'}
  return 0
}

# How often $MUT_FIND occurs in the file (0 when there is no such file).
count_text() {
  perl -e '
    open my $in, "<", $ARGV[0] or do { print 0; exit 0 }; local $/; my $s = <$in>;
    my ($n, $p) = (0, 0);
    while (($p = index($s, $ENV{MUT_FIND}, $p)) >= 0) { ++$n; $p += length $ENV{MUT_FIND}; }
    print $n' "$1"
}

# Each mutant's text must occur exactly once in the worktree's file.
if [ "$CHECK_ONLY" = 1 ]; then
  status=0
  for module in "${MODULES[@]}"; do
    table=$TABLES/$module.tsv n=0 line_no=0
    sed -n '1p' "$table" | grep -q '^# tests: .' || { echo "$module.tsv:1: no '# tests:' line"; status=1; }
    while IFS= read -r line || [ -n "$line" ]; do
      line_no=$((line_no + 1))
      case "$line" in '#'* | '') continue ;; esac
      if ! split_line "$line"; then echo "$module.tsv:$line_no: fewer than four fields"; status=1; continue; fi
      occurrences=$(MUT_FIND=$find count_text "$ROOT/$file")
      if [ "$occurrences" != 1 ]; then echo "$module.tsv:$line_no: found $occurrences times in $file"; status=1; fi
      n=$((n + 1))
    done <"$table"
    echo "$module: $n mutants"
  done
  exit "$status"
fi

SCRATCH=${DAUBERY_MUTATE_DIR:-${TMPDIR:-/tmp}/daubery-mutate-$(id -u)-$(printf '%s' "$ROOT" | cksum | cut -d' ' -f1)}
COPY=$SCRATCH/src
BUILD=$SCRATCH/build
LOGS=$SCRATCH/logs
REPORT=${REPORT:-$SCRATCH/report.md}
JOBS=${MUTATE_JOBS:-2}
UNIT_TIMEOUT=${MUTATE_UNIT_TIMEOUT:-120}  # seconds for the module's unit tests
# Seconds for each ctest test: ten times the slowest today, so that a mutant
# that makes every reader of a drawing loop costs minutes, not hours.
TEST_TIMEOUT=${MUTATE_TEST_TIMEOUT:-30}
mkdir -p "$COPY" "$BUILD" "$LOGS"
case "$REPORT" in /*) ;; *) REPORT=$PWD/$REPORT ;; esac

exec 9>"$SCRATCH/lock"
flock -n 9 || { echo "mutate.sh: another run uses $SCRATCH" >&2; exit 2; }

# Brings the copy up to the worktree's files; only changed files get a new
# time, so the build stays incremental.
sync_copy() {
  local list=$SCRATCH/files
  git -C "$ROOT" ls-files -co --exclude-standard -z | sort -z >"$list"
  while IFS= read -r -d '' f; do
    [ -f "$ROOT/$f" ] || continue
    if ! cmp -s "$ROOT/$f" "$COPY/$f"; then
      mkdir -p "$(dirname "$COPY/$f")"
      cp "$ROOT/$f" "$COPY/$f"
    fi
  done <"$list"
  # Files gone from the worktree go from the copy too.
  (cd "$COPY" && find . -type f -printf '%P\0' | sort -z) |
    comm -z -23 - "$list" | while IFS= read -r -d '' f; do rm -f "$COPY/$f"; done
}

# Replaces the one occurrence of $MUT_FIND in the file by $MUT_REPL; exit 3
# (and the count on stderr) when it does not occur exactly once.
apply_text() {
  perl -e '
    my ($path) = @ARGV;
    open my $in, "<", $path or die "$path: $!"; local $/; my $s = <$in>; close $in;
    my ($f, $r) = ($ENV{MUT_FIND}, $ENV{MUT_REPL});
    my ($n, $p) = (0, 0);
    while (($p = index($s, $f, $p)) >= 0) { ++$n; $p += length $f; }
    if ($n != 1) { print STDERR "$n\n"; exit 3; }
    substr($s, index($s, $f), length $f) = $r;
    open my $out, ">", $path or die "$path: $!"; print $out $s; close $out;' "$1"
}

# Failed gtest names in a log, comma-separated; a crash or timeout names the
# test that was running.
gtest_failures() {
  local failed
  failed=$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_./]*\)\( (.*\)\{0,1\}$/\1/p' "$1" | sort -u | paste -sd, -)
  if [ -z "$failed" ]; then
    failed=$(sed -n 's/^\[ RUN      \] //p' "$1" | tail -n 1)
    failed="${failed:-test_core} (crashed or timed out)"
  fi
  printf '%s' "$failed"
}

ctest_failures() {
  sed -n 's/^[[:space:]]*[0-9]\{1,\} - \([^ ]*\) (\(.*\))$/\1 (\2)/p' "$1" |
    sed 's/ (Failed)$//' | paste -sd, - | sed 's/,/, /g'
}

md_escape() { printf '%s' "$1" | sed 's/|/\\|/g; s/`/'"'"'/g'; }

build() { nice ninja -C "$BUILD" -j "$JOBS" "$@" >"$LOGS/build.log" 2>&1; }

# An interrupted run leaves no mutant behind (the next sync would also undo it).
restore=""
trap '[ -n "$restore" ] && cp "$SCRATCH/original" "$restore"' EXIT

echo "Scratch copy: $COPY"
sync_copy
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S "$COPY" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDAUBERY_SANITIZE=OFF \
    -DDAUBERY_BENCH=OFF -DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS >"$LOGS/cmake.log" 2>&1 || { cat "$LOGS/cmake.log" >&2; exit 1; }
fi
echo "Building and testing the unchanged sources..."
build || { tail -n 30 "$LOGS/build.log" >&2; echo "mutate.sh: the unchanged sources do not build" >&2; exit 1; }
if ! (cd "$BUILD" && QT_QPA_PLATFORM=offscreen nice ctest -j "$JOBS" --timeout "$TEST_TIMEOUT" \
        >"$LOGS/baseline.log" 2>&1); then
  echo "mutate.sh: the unchanged sources fail tests: $(ctest_failures "$LOGS/baseline.log")" >&2
  exit 1
fi

{
  echo "# Mutation run"
  echo
  echo "Sources: $ROOT ($(git -C "$ROOT" rev-parse --short HEAD)$(git -C "$ROOT" diff --quiet HEAD -- 2>/dev/null || echo ', with uncommitted changes')), $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo
  echo "| module | file | change | result | killed by |"
  echo "|---|---|---|---|---|"
} >"$REPORT"
SCORES=()
bad_tables=0
: >"$SCRATCH/kills"

for module in "${MODULES[@]}"; do
  table=$TABLES/$module.tsv
  filter=$(sed -n '1s/^# tests: *//p' "$table")
  [ -n "$filter" ] || { echo "mutate.sh: $module.tsv has no '# tests:' first line" >&2; bad_tables=1; continue; }
  total=0 killed=0 by_compiler=0 equivalent=0 survived=0 broken=0
  line_no=0
  # The table is read on descriptor 3: the builds and tests must not eat it.
  while IFS= read -r line <&3 || [ -n "$line" ]; do
    line_no=$((line_no + 1))
    case "$line" in '#'* | '') continue ;; esac
    if ! split_line "$line"; then
      echo "$module:$line_no: fewer than four fields" >&2; broken=$((broken + 1)); continue
    fi
    change="\`$(md_escape "$find")\` → \`$(md_escape "$repl")\`"
    target=$COPY/$file
    result="" by=""
    if [ ! -f "$target" ]; then
      result="bad mutant: no such file"; broken=$((broken + 1))
    else
      cp "$target" "$SCRATCH/original"
      restore=$target
      if ! count=$(MUT_FIND=$find MUT_REPL=$repl apply_text "$target" 2>&1); then
        result="bad mutant: text found ${count:-?} times"; broken=$((broken + 1))
      fi
    fi
    if [ -z "$result" ]; then
      total=$((total + 1))
      printf '%s:%d %s ... ' "$module" "$line_no" "$file"
      if ! build test_core; then
        result="killed by the compiler"; by_compiler=$((by_compiler + 1))
      elif [ "$ALL_TESTS" = 0 ] && ! (cd "$BUILD/tests" && QT_QPA_PLATFORM=offscreen timeout "$UNIT_TIMEOUT" nice ./test_core \
                --gtest_filter="$filter" >"$LOGS/unit.log" 2>&1) 2>/dev/null; then
        result="killed"; by=$(gtest_failures "$LOGS/unit.log")
      elif ! build; then
        result="killed by the compiler"; by_compiler=$((by_compiler + 1))
      elif ! (cd "$BUILD" && QT_QPA_PLATFORM=offscreen nice ctest -j "$JOBS" --timeout "$TEST_TIMEOUT" \
                >"$LOGS/ctest.log" 2>&1) 2>/dev/null; then
        result="killed"; by=$(ctest_failures "$LOGS/ctest.log")
      else
        result="survived"
      fi
      if [ "$ALL_TESTS" = 1 ] && [ -n "$by" ]; then
        printf '%s\n' "$by" | sed 's/, /\n/g' | sed 's/ ([^)]*)$//' |
          sed "s/^/$module:$line_no\t/" >>"$SCRATCH/kills"
      fi
      if [ "$result" = "survived" ] && [ -n "$equiv" ]; then
        result="equivalent"; by=${equiv#equivalent: }; equivalent=$((equivalent + 1))
      elif [ "$result" = "survived" ]; then
        survived=$((survived + 1))
      else
        killed=$((killed + 1))
        [ -n "$equiv" ] && result="$result (marked equivalent)"
      fi
      echo "$result${by:+: $by}"
      # A fresh time makes the next build recompile the restored file.
      cp "$SCRATCH/original" "$target"
      restore=""
    else
      echo "$module:$line_no $file ... $result" >&2
    fi
    echo "| $module | $file | $change | $result | $(md_escape "$by") |" >>"$REPORT"
  done 3<"$table"
  counted=$((total - equivalent))
  percent=100
  [ "$counted" -gt 0 ] && percent=$((100 * killed / counted))
  score="$module: $killed of $counted killed ($percent %), $by_compiler of them by the compiler; $equivalent equivalent, $survived survived"
  [ "$broken" -gt 0 ] && score="$score; $broken bad mutants" && bad_tables=1
  SCORES+=("$score")
done

{
  echo
  echo "## Scores"
  echo
  for s in "${SCORES[@]}"; do echo "- $s"; done
} >>"$REPORT"
if [ "$ALL_TESTS" = 1 ]; then
  # Per test: mutants killed, and those it alone kills (sorted by the latter).
  {
    echo
    echo "## Tests"
    echo
    echo "| test | kills | kills alone |"
    echo "|---|---|---|"
    (cd "$BUILD" && ctest -N) | sed -n 's/^ *Test *#[0-9]*: //p' >"$SCRATCH/all_tests"
    awk -F'\t' 'FNR == NR { k[$1] += 0; next } { n[$1]++; t[$1] = $2; k[$2]++ } END {
        for (m in n) if (n[m] == 1) a[t[m]]++
        for (x in k) printf "| %s | %d | %d |\n", x, k[x], a[x] + 0 }' \
      "$SCRATCH/all_tests" "$SCRATCH/kills" |
      sort -t'|' -k4,4nr -k3,3nr
  } >>"$REPORT"
fi
printf '%s\n' "${SCORES[@]}"
echo "Report: $REPORT"
exit "$bad_tables"
