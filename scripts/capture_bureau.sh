#!/usr/bin/env bash
# Makes docs/bureau.png: the desk, 1280x800, with the calculation window open on a short sheet
# (a charging capacitor) that has run. No display needed. Usage:
#   scripts/capture_bureau.sh [PELAVORINE_BINARY]   (default: the release build, built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/src/app/pelavorine}
if [ $# -eq 0 ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target pelavorine
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/Quandrel"
# A settings file of an earlier run: no first-run question.
printf '[Systeme]\nLogiciel=PELAVORINE 2003\nVersion=5.11\nAcquisition=\n' \
  >"$tmp/Quandrel/Pelavorine2003.ini"
printf '{"screens":[{"name":"ecran","x":0,"y":0,"width":1280,"height":800,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]}\n' \
  >"$tmp/ecran.json"

HOME="$tmp" XDG_DATA_HOME="$tmp/data" XDG_CACHE_HOME="$tmp/cache" XDG_STATE_HOME="$tmp/state" \
  PELAVORINE_CONFIG_DIR="$tmp" QT_QPA_PLATFORM="offscreen:configfile=$tmp/ecran.json" \
  PELAVORINE_CAPTURE="$PWD/docs/bureau.png" "$bin"
echo "docs/bureau.png"
