#!/usr/bin/env bash
# The sample book: the program makes it again from its script, byte for byte
# what the repository holds; then --print-pdf writes it, and the PDF has one
# page per page file with the text as text. The batch's errors are checked
# at their limits.
# Usage: tests/sample_book.sh DAUBERY
set -euo pipefail
daubery=$1
book="$(cd "$(dirname "$0")/../data/sample-book" && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export QT_QPA_PLATFORM=offscreen
# Under the address sanitizer the leak check at exit can trip over the
# dynamic TLS of the PDF writer's libraries (its tracer crashes reading a
# stale TLS range); it still runs with TLS blocks seen as ordinary heap.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_tls_get_addr=0"
fail() { echo "sample book: $*" >&2; exit 1; }

"$daubery" --headless --script "$book/make_book.script" >make.log 2>/dev/null
! grep -E "^(error|message)" make.log || fail "the script did not run cleanly"
for page in "$book"/text*.skl; do
  cmp "$page" "$(basename "$page")" || fail "$(basename "$page") differs from the repository's"
done
[ "$(ls text*.skl | wc -l)" = "$(ls "$book"/text*.skl | wc -l)" ] || fail "page count"

pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
"$daubery" --print-pdf book.pdf "$book/text0000.skl" 2>err.log || fail "whole book: $(cat err.log)"
[ "$(pages book.pdf)" = 6 ] || fail "the whole book has $(pages book.pdf) pages"
pdftotext book.pdf book.txt
for text in 読書の手引き 目次 横書きの文章 縦書きの文章 図形と網かけ 筆で描いた絵 -1- -5-; do
  grep -q -- "$text" book.txt || fail "no text '$text' in the PDF"
done
pdftoppm -r 20 -png book.pdf shown && [ "$(ls shown-*.png | wc -l)" = 6 ] || fail "pages do not render"

# Every second page from 1: pages 1, 3 and 5, in order.
"$daubery" --print-pdf odd.pdf "$book/text0000.skl" --pages 1-5:2 2>err.log || fail "odd pages"
[ "$(pages odd.pdf)" = 3 ] || fail "odd pages: $(pages odd.pdf)"
[ "$(pdftotext odd.pdf - | grep -E '^-[0-9]+-$' | tr '\n' ' ')" = "-1- -3- -5- " ] || fail "odd order"

# A range past the book's end writes what there is and fails.
status=0
"$daubery" --print-pdf tail.pdf "$book/text0004.skl" --pages 4-9 2>err.log || status=$?
[ $status = 1 ] && [ "$(pages tail.pdf)" = 2 ] || fail "past the end: status $status"
grep -q "stopped at text0006.skl" err.log || fail "past the end: $(cat err.log)"

# Nothing to read writes no document.
status=0
"$daubery" --print-pdf none.pdf "$book/text0007.skl" --pages 7-8 2>err.log || status=$?
[ $status = 1 ] && [ ! -e none.pdf ] || fail "no page: status $status"

expect_refused() {  # status, then the arguments
  local want=$1; shift
  status=0
  "$daubery" --print-pdf bad.pdf "$@" 2>err.log || status=$?
  [ $status = "$want" ] || fail "'$*' gave status $status: $(cat err.log)"
  [ ! -e bad.pdf ] || fail "'$*' wrote a PDF"
}
expect_refused 1 "$work/no-such-folder/text0000.skl"
expect_refused 2 "$book/text0000.skl" --pages 0-10000
expect_refused 2 "$book/text0000.skl" --pages 0-5:0
expect_refused 2 "$book/text0000.skl" --pages 5-4
expect_refused 1 "$book/make_book.script"
"$daubery" --print-pdf last.pdf "$book/text0000.skl" --pages 5-5:1 2>err.log || fail "page 5: $(cat err.log)"
[ "$(pages last.pdf)" = 1 ] || fail "page 5 alone"
echo "sample book: ok"
