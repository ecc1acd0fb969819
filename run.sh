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
echo "Acquisition sur l'interface simulée (EA0 : sinusoïde de 2 V à 50 Hz), 21 points toutes les 1 ms :"
"$bin/cli/pelavorine-cli" run --points 21 --tbase 0.001 --inputs EA0 --acquire \
  --line "UMAX=MAX(EA0)" --line "UEFF=EFF(EA0)" --show EA0,UMAX,UEFF
echo
echo "Charge d'un condensateur (R = 1 kOhm, C = 2 µF, E = 5 V), feuille de calcul :"
"$bin/cli/pelavorine-cli" run --points 11 --tbase 0.001 \
  --line "E=5 ; générateur" --line "TAU=1000*2E-6" \
  --line "U=E*(1-EXP(-T/TAU))" --line "I=(E-U)/1000" --line "UF=U[NBPOINT]" \
  --show T,U,I,UF
echo
echo "Pour ouvrir le bureau, lancez ./run.sh depuis une session graphique"
echo "(ou : QT_QPA_PLATFORM=xcb $bin/app/pelavorine)."
