#!/usr/bin/env bash
# Sets everything up and starts Volmira APT on its data folder.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
exec build/volmira-apt lookup EDHN "$@"
