#!/usr/bin/env bash
# Two programs on one X display: a drawing copied
# (523) in one is pasted (524) in the other byte for byte, and text goes
# both ways between the program and a program that knows only Unicode,
# code page 932 inside (a character it cannot hold arrives as "?").
# The script starts its own X server on a display number the server picks
# itself, so programs of other runs on this machine never share its clipboard.
# Usage: clipboard_peers.sh PEER DRAWING
set -euo pipefail
peer=$1
drawing=$2
work=$(mktemp -d)
server=""
xserver=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -nolisten tcp -screen 0 640x480x24 3>"$work/display" 2>"$work/xvfb.log" &
xserver=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "no X server:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
export QT_QPA_PLATFORM=xcb

# Starts the serving peer and waits (at most 10 s) until its copy is out.
serve() {
  "$peer" "$@" >"$work/server.log" 2>&1 &
  server=$!
  for _ in $(seq 100); do
    grep -q '^ready$' "$work/server.log" && return 0
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
  done
  echo "the copying peer did not start:"; cat "$work/server.log"; exit 1
}
stop() {
  kill "$server"
  wait "$server" 2>/dev/null || true
  server=""
}

serve copy "$drawing"
"$peer" paste "$work/pasted.skl" >"$work/paste.log"
stop
used=$(od -An -tu4 -N4 "$drawing" | tr -d ' ')
head -c "$used" "$drawing" | cmp - "$work/pasted.skl" || { echo "pasted drawing differs"; exit 1; }
! grep '^message' "$work/paste.log" || { echo "the paste was refused"; exit 1; }

text="日本語のテキスト ABC"
serve copy-text "$text"
"$peer" get-text "$work/got.txt"
stop
[ "$(cat "$work/got.txt")" = "$text" ] || { echo "other program got: $(cat "$work/got.txt")"; exit 1; }

serve set-text "価格 €5 😀!"
"$peer" paste-text "$work/buffer.bin"
stop
[ "$(iconv -f CP932 -t UTF-8 "$work/buffer.bin")" = "価格 ?5 ?!" ] ||
  { echo "text buffer: $(od -c "$work/buffer.bin")"; exit 1; }
echo "two programs exchanged a drawing of $used bytes and text both ways"
