#!/usr/bin/env bash
# Makes the documentation's pictures of the desk, 1280x800, with no display needed:
#   docs/bureau.png     the calculation window open on a short sheet (a charging capacitor)
#   docs/mosaique.png   three curve windows in a mosaic (a sine, its derivative, their product)
#   docs/acquisition.png a permanent acquisition of EA0 and EA1 on the simulated interface
# Usage: scripts/capture_bureau.sh [CAPTURE_BINARY]   (default: the release build of
#        tools/capture, built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release/tools/capture/pelavorine-capture}
if [ $# -eq 0 ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target pelavorine-capture
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/Quandrel"
# A settings file of an earlier run: no first-run question.
printf '[Systeme]\nLogiciel=PELAVORINE 2003\nVersion=5.11\nAcquisition=\n' \
  >"$tmp/Quandrel/Pelavorine2003.ini"
printf '{"screens":[{"name":"ecran","x":0,"y":0,"width":1280,"height":800,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]}\n' \
  >"$tmp/ecran.json"

capturer() { # scene image
  HOME="$tmp" XDG_DATA_HOME="$tmp/data" XDG_CACHE_HOME="$tmp/cache" XDG_STATE_HOME="$tmp/state" \
    PELAVORINE_CONFIG_DIR="$tmp" QT_QPA_PLATFORM="offscreen:configfile=$tmp/ecran.json" \
    "$bin" "$1" "$PWD/$2"
  echo "$2"
}
capturer bureau docs/bureau.png
capturer mosaique docs/mosaique.png
capturer acquisition docs/acquisition.png
