#!/usr/bin/env bash
# Formats every C++ file of the tree with the project's .clang-format.
# Usage: scripts/format.sh          rewrites the files in place
#        scripts/format.sh --check  only reports the files that drift (exit status 1)
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' fichiers < <(git ls-files -z -- '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  if ! clang-format --dry-run --Werror "${fichiers[@]}" 2>/tmp/pelavorine-format.$$; then
    grep -o '^[^:]*:[0-9]*:[0-9]*: error' /tmp/pelavorine-format.$$ | cut -d: -f1 | sort -u |
      sed 's/^/  /'
    rm -f /tmp/pelavorine-format.$$
    echo "Mise en forme à reprendre (fichiers ci-dessus) ; pour la corriger : scripts/format.sh" >&2
    exit 1
  fi
  rm -f /tmp/pelavorine-format.$$
  exit 0
fi
clang-format -i "${fichiers[@]}"
