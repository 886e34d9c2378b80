#!/usr/bin/env bash
# The floors check passes on the source tree and fails on a scratch copy of it
# into which one bad include has been put: upward, sideways on one floor, a
# cycle between two folders, and a folder that has no floor.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
check="$root/scripts/check_floors.sh"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

"$check" "$root/src" >/dev/null || { echo "the source tree itself fails the check"; exit 1; }

fails_with() {  # fails_with WHAT EXPECTED_TEXT EDIT...
  local what="$1" expected="$2"
  shift 2
  rm -rf "$scratch/src" && cp -r "$root/src" "$scratch/src"
  (cd "$scratch/src" && "$@")
  local out
  out="$("$check" "$scratch/src" 2>&1)" && { echo "not caught: $what"; return 1; }
  grep -qF "$expected" <<<"$out" || { echo "caught for the wrong reason: $what: $out"; return 1; }
}

add_include() { sed -i "1a #include \"$2\"" "$1"; }
status=0
fails_with "model includes render" "model/block.h: includes \"render/view.h\": 'render' is a floor above 'model'" \
  add_include model/block.h render/view.h || status=1
fails_with "paint includes reading" "'reading' shares its floor" \
  add_include paint/canvas.cpp reading/file_dialogs.h || status=1
fails_with "geometry and resources include each other" "'resources' shares its floor" \
  sh -c 'sed -i "1a #include \"resources/menu.h\"" geometry/angle.h &&
         sed -i "1a #include \"geometry/angle.h\"" resources/menu.h' || status=1
fails_with "a folder without a floor" "the folder 'attic' has no floor" \
  sh -c 'mkdir attic && echo "#pragma once" > attic/old.h' || status=1
fails_with "an include with spaces before it" "'shell' is a floor above 'drawing'" \
  sh -c 'sed -i "1a \  #  include \"shell/mouse.h\"" drawing/lines.cpp' || status=1
[ $status -eq 0 ] && echo "the floors check catches every bad include"
exit $status
