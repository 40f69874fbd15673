#!/usr/bin/env bash
# Builds the program (as the set-up does) and makes the Debian package
# build/volmira-apt_<version>_amd64.deb from it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build
cpack -G DEB
ls -1 "$PWD"/volmira-apt_*_amd64.deb
