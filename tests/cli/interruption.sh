#!/usr/bin/env bash
# Ctrl+C interrupts a permanent sheet like Escape: the document reports it, status 1.
set -u
cli=$1
out=$(mktemp)
"$cli" run --line ".PERMANENT" --line "Y=T*2" --json >"$out" &
pid=$!
# Wait until the tool has installed its SIGINT handler (SigCgt bit 2), then interrupt.
for _ in $(seq 1 500); do
  mask=$(awk '/^SigCgt:/ {print $2}' /proc/$pid/status 2>/dev/null) || break
  [ -n "$mask" ] && (( (16#$mask & 2) != 0 )) && break
  sleep 0.01
done
kill -INT $pid
wait $pid
rc=$?
doc=$(cat "$out"); rm -f "$out"
[ $rc -eq 1 ] || { echo "status $rc, expected 1: $doc"; exit 1; }
grep -q '"message":"Interruption des calculs par utilisateur"' <<<"$doc" || { echo "no interruption in: $doc"; exit 1; }
echo "interrupted as expected"
