#!/usr/bin/env bash
# The real program on a class folder of two children, on a virtual screen
# (run under xvfb-run): started as the class's menu entry starts it, a child
# chooses their name with the keyboard and answers the first card; the main
# window works on that child's box and no other, and the end from outside
# saves and releases it; the practice record is kept in that child's folder.
# Usage: klasse_process_test.sh PROGRAM X_KEYS SAMPLE_FOLDER
set -euo pipefail
program=$1 keys=$2 sample=$3
work=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }
waitFor() { for _ in $(seq 200); do eval "$1" && return 0; sleep 0.05; done; return 1; }

class="$work/Klasse"
for child in Ben Anna; do
  mkdir -p "$class/$child"
  cp "$sample"/ZEKCARDS.INI "$sample"/ZEKCARD[123].LST "$class/$child/"
  chmod u+w "$class/$child"/*
done
mkdir "$work/home"
(cd "$work/home" && HOME="$work/home" QT_QPA_PLATFORM=xcb CUPS_SERVER="$work/none.sock" \
   SPEECHD_ADDRESS=unix_socket:/nonexistent/speechd.sock \
   exec "$program" --klasse "$class") >/dev/null 2>&1 &
pid=$!

# Anna's name comes first and has the keyboard: Tab goes on to Ben's.
"$keys" "Wer übt heute?" Tab space || fail "no window \"Wer übt heute?\""
waitFor '[ -e "$class/Ben/ZEK-Rechtschreibkartei.lock" ]' || fail "Ben's box was not opened"
[ ! -e "$class/Anna/ZEK-Rechtschreibkartei.lock" ] || fail "Anna's box was opened"
# the first card of box 1, typed: it moves to box 2 in Ben's file
word=$(grep -a -m1 '^1, ' "$sample/ZEKCARD1.LST" | cut -d, -f2 | tr -d ' ')
"$keys" "ZEK-Rechtschreibkartei" "$word" || fail "no main window"
answered=$(sed "0,/^1, $word,/s//2, $word,/" "$sample/ZEKCARD1.LST")
waitFor '[ "$(cat "$class/Ben/ZEKCARD1.LST")" = "$answered" ]' || fail "the answer is not in Ben's box"
cmp -s "$class/Anna/ZEKCARD1.LST" "$sample/ZEKCARD1.LST" || fail "Anna's box changed"
# the practice record follows the child: one line in Ben's folder, none in Anna's
waitFor 'grep -q ";Deutsch;$word;1;2;richtig" "$class/Ben/Verlauf.csv" 2>/dev/null' || fail "the answer is not in Ben's record"
[ ! -e "$class/Anna/Verlauf.csv" ] || fail "Anna has a record"

kill -TERM "$pid"
rc=0; wait "$pid" || rc=$?; pid=
[ "$rc" = 0 ] || fail "the program ended with $rc on SIGTERM"
[ ! -e "$class/Ben/ZEK-Rechtschreibkartei.lock" ] || fail "Ben's box stayed locked"
echo "1 passed, 0 failed"
