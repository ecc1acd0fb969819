#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds the tests' tree (Debug with
# sanitizers, warnings as errors), gives the work-file fuzzer a short pass over its seeds and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/format.sh --check
cmake --preset dev >/dev/null
cmake --build --preset dev
./scripts/fuzz.sh 20
ctest --preset dev
