#!/usr/bin/env bash
# Builds the fuzz preset and runs the work-file reader fuzzer for N seconds (default 600).
# Usage: scripts/fuzz.sh [SECONDES] [option libFuzzer...]
# The seeds (fuzz/corpus and tests/data/endommages) are copied to build/fuzz/corpus, where the
# new inputs go too; findings (crash-*, leak-*, timeout-*) land in build/fuzz/trouvailles.
set -euo pipefail
cd "$(dirname "$0")/.."
duree="${1:-600}"
shift || true

cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target fuzz_lecture_travail

corpus=build/fuzz/corpus
trouvailles=build/fuzz/trouvailles
mkdir -p "$corpus" "$trouvailles"
# An input is one byte of parts, then the file: each seed goes in with all parts, then with
# the values, the environment and the sheet alone.
for f in fuzz/corpus/*.PL2 tests/data/endommages/*.PL2; do
  nom=$(basename "$f" .PL2)
  for parties in 0f 01 02 04; do
    { printf "\x$parties"; cat "$f"; } >"$corpus/$nom-$parties"
  done
done

# With -jobs, libFuzzer writes the run's output to fuzz-0.log in the working folder.
cd build/fuzz
rm -f fuzz-0.log
echo "Fuzzing pendant $duree s (build/fuzz/fuzz-0.log)..."
set +e
ASAN_OPTIONS="detect_leaks=1:${ASAN_OPTIONS:-}" UBSAN_OPTIONS="print_stacktrace=1" \
  fuzz/fuzz_lecture_travail corpus -max_total_time="$duree" -jobs=1 -workers=1 \
  -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix=trouvailles/ "$@" >fuzz.log 2>&1
code=$?
set -e
grep -E '^(#[0-9]+[[:space:]]+DONE|stat::|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)' \
  fuzz-0.log || tail -n 30 fuzz-0.log
echo "Corpus : $(find corpus -type f | wc -l) fichiers ; trouvailles : $(ls trouvailles | wc -l)" \
  "(build/fuzz/trouvailles)"
exit "$code"
