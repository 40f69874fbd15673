#!/usr/bin/env bash
# Sets everything up and starts Volmira APT on its data folder. Without a
# display it shows the last airport on the terminal instead.
set -euo pipefail
cd "$(dirname "$0")"
# Only the program's own targets: the tests and benchmarks are test.sh's.
scripts/setup.sh volmira-apt volmira-apt-desktop volmira-apt-print shipped_database
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Keine grafische Anzeige gefunden: zeige den zuletzt gewählten Flughafen im Terminal."
  exec build/volmira-apt lookup "$@"
fi
exec build/volmira-apt "$@"
