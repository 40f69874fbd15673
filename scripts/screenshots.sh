#!/usr/bin/env bash
# Makes the README's screenshots under a virtual X display, on a data folder
# of their own so the user's notes and settings stay out of them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
shot() {
  xvfb-run -a -s "-screen 0 1280x800x24" build/volmira-apt --data-dir "$home" --screenshot "$@"
}
for airport in EDDF:docs/airport-eddf.png EDST:docs/airport-edst.png; do
  shot "${airport#*:}" --show "${airport%%:*}"
done
# The shipped data hold no approaches: one for the approach list and its dialog.
build/volmira-apt approach add EDDF 25R --ils-freq 110.70 --ils-ident ife --ils-gs 3.0 --data-dir "$home" >/dev/null
shot docs/edit-mode.png --show EDDF --edit
for dialog in frmChangeRwy frmChangeAPT frmChangeCom frmChangeApproach; do
  shot "docs/$dialog.png" --show EDDF --dialog "$dialog"
done
