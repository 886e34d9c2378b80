# Shared by the .check files: describe FILE prints a drawing's layers and
# the records the selection scripts care about, one line each, in chain
# order ("line WIDTH x0,y0 x1,y1", "region ENTRIES", "letter x,y height H
# escapement E columns C", "english", "bitmap x,y rate R"), reals to three
# decimals.
u32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
i32() { od -An -td4 -j "$2" -N4 "$1" | tr -d ' '; }
f64() { printf '%.3f' "$(od -An -tf8 -j "$2" -N8 "$1" | tr -d ' ')"; }
describe() {
  local f=$1 layer at out="" n
  layer=$(u32 "$f" 4)
  while [ "$layer" != 0 ]; do
    out+="layer"$'\n'
    at=$(u32 "$f" "$layer")
    while [ "$at" != 0 ]; do
      out+="line $(i32 "$f" $((at + 4))) $(f64 "$f" $((at + 40))),$(f64 "$f" $((at + 48)))"
      out+=" $(f64 "$f" $((at + 64))),$(f64 "$f" $((at + 72)))"$'\n'
      at=$(u32 "$f" $((at + 96)))
    done
    at=$(u32 "$f" $((layer + 4)))
    while [ "$at" != 0 ]; do
      out+="region"
      for n in $(seq 0 $(($(i32 "$f" $((at + 88))) - 1))); do out+=" $(i32 "$f" $((at + 96 + 8 * n)))"; done
      out+=$'\n'
      at=$(u32 "$f" $((at + 84)))
    done
    at=$(u32 "$f" $((layer + 8)))
    while [ "$at" != 0 ]; do
      out+="letter $(f64 "$f" "$at"),$(f64 "$f" $((at + 8))) height $(i32 "$f" $((at + 16)))"
      out+=" escapement $(i32 "$f" $((at + 24))) columns $(f64 "$f" $((at + 96)))"$'\n'
      at=$(u32 "$f" $((at + 204)))
    done
    [ "$(u32 "$f" $((layer + 12)))" = 0 ] || out+="english"$'\n'
    at=$(u32 "$f" $((layer + 16)))
    while [ "$at" != 0 ]; do
      out+="bitmap $(f64 "$f" "$at"),$(f64 "$f" $((at + 8))) rate $(f64 "$f" $((at + 16)))"$'\n'
      at=$(u32 "$f" $((at + 32)))
    done
    layer=$(u32 "$f" $((layer + 20)))
  done
  printf '%s' "$out"
}
