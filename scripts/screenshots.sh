#!/usr/bin/env bash
# Makes the README's screenshots under a virtual X display, on a data folder
# of their own so the user's notes and settings stay out of them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
for shot in EDDF:docs/airport-eddf.png EDST:docs/airport-edst.png; do
  xvfb-run -a -s "-screen 0 1280x800x24" \
    build/volmira-apt --data-dir "$home" --screenshot "${shot#*:}" --show "${shot%%:*}"
done
