#!/usr/bin/env bash
# The folders of src/ are floors: a file may include headers of its own
# folder and of the floors below it, never of a floor above it or of another
# folder on its own floor (so no two folders can include each other).
# Usage: scripts/check_floors.sh [SRC_DIR]   (default: the project's src/)
set -euo pipefail

# The floors, ground first; folders on one line share a floor. CMake reads
# this table too (one library per folder, linked to the floors below).
# floors-begin
FLOORS='
platform help
geometry resources
model
picture
drawing
render
paint reading tracing
shell
qt
app
'
# floors-end

src="${1:-$(dirname "$0")/../src}"
declare -A floor_of
n=0
while read -r line; do
  [ -z "$line" ] && continue
  for folder in $line; do floor_of[$folder]=$n; done
  n=$((n + 1))
done <<<"$FLOORS"

status=0
while IFS= read -r -d '' file; do
  rel="${file#"$src"/}"
  from="${rel%%/*}"
  if [ -z "${floor_of[$from]+x}" ]; then
    echo "$rel: the folder '$from' has no floor in scripts/check_floors.sh" >&2
    status=1
    continue
  fi
  while IFS= read -r target; do
    to="${target%%/*}"
    [ "$to" = "$from" ] && continue
    [ "$to" = "$target" ] && continue  # a header beside the file, no folder
    if [ -z "${floor_of[$to]+x}" ]; then
      echo "$rel: includes \"$target\" from '$to', which has no floor" >&2
      status=1
    elif [ "${floor_of[$to]}" -ge "${floor_of[$from]}" ]; then
      if [ "${floor_of[$to]}" -eq "${floor_of[$from]}" ]; then
        why="'$to' shares its floor"
      else
        why="'$to' is a floor above '$from'"
      fi
      echo "$rel: includes \"$target\": $why" >&2
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

[ $status -eq 0 ] && echo "floors: every include runs downward"
exit $status
