#!/usr/bin/env bash
# The headless command lines the program must refuse (exit code 2 and a
# reason on standard error) and the largest sizes it must still accept.
set -u
daubery=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'state\n' >"$work/ok.script"
failed=0
expect() {
  local code=$1 pattern=$2 out status
  shift 2
  out=$("$daubery" --headless "$@" 2>&1)
  status=$?
  [ "$status" -eq "$code" ] && grep -q -- "$pattern" <<<"$out" ||
    { echo "FAILED: $* gave $status: $out"; failed=1; }
}
expect 2 "is a folder, not a file" --script "$work"
expect 2 "usage" --script "$work/ok.script" --size 4294967297 10
expect 2 "usage" --script "$work/ok.script" --size 10 -1
expect 2 "usage" --script "$work/ok.script" --size 16385 1
expect 2 "usage" --script "$work/ok.script" --size 1 0
expect 0 "mousecmd=" --script "$work/ok.script" --size 16384 1
expect 0 "mousecmd=" --script "$work/ok.script" --size 1 16384
exit $failed
