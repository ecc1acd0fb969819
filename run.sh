#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desk. Without a display it runs a short
# headless demonstration instead.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
bin=build/release/src
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/app/pelavorine" "$@"
fi
echo "Pas d'écran : démonstration sans fenêtre."
"$bin/cli/pelavorine-cli" run --points 11 --tbase 0.001 --show NBPOINT,TBASE,T
echo
echo "Pour ouvrir le bureau, lancez ./run.sh depuis une session graphique"
echo "(ou : QT_QPA_PLATFORM=xcb $bin/app/pelavorine)."
