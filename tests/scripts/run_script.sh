#!/usr/bin/env bash
# Runs one end-to-end script headless in a fresh folder (holding copies of
# tests/data) and compares its log with NAME.log; then runs NAME.check, if
# there is one, in that folder with the daubery binary as $DAUBERY; a check
# stops at its first failing command, so no failure is hidden by a later one.
set -euo pipefail
daubery=$1
script=$2
here=$(cd "$(dirname "$script")" && pwd)
name=$(basename "$script" .script)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$here/../data/." "$here/../errors/." "$work/"
cd "$work"
"$daubery" --headless --script "$here/$name.script" >actual.log 2>stderr.log ||
  { echo "daubery exited with $?"; cat stderr.log; exit 1; }
if [ -f "$here/$name.log" ] && ! diff -u "$here/$name.log" actual.log; then
  echo "log differs from $name.log"; exit 1
fi
[ ! -f "$here/$name.check" ] || DAUBERY=$daubery bash -e "$here/$name.check"
