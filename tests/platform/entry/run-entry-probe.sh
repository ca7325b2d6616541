#!/bin/sh
# Runs the entry probe from this folder and checks what it printed and its exit code.
out=$("$1" "a b" "巡更")
code=$?
echo "$out"
[ "$code" -eq 3 ] || { echo "exit code $code, not 3"; exit 1; }
[ "$out" = "entry checked, flushed" ] || exit 1
