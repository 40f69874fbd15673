#!/usr/bin/env bash
# Installs the Debian packages the build needs (only when one is missing),
# configures and builds into build/: the given targets, or everything (tests,
# benchmarks) when none is given. Used by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config qt6-base-dev qt6-pdf-dev libsqlcipher-dev libgeographiclib-dev
          googletest libgtest-dev libbenchmark-dev fonts-liberation2 poppler-utils xvfb xauth
          libcurl4-openssl-dev python3 python3-pyftpdlib qt6-translations-l10n
          dpkg-dev desktop-file-utils appstream lintian
          sqlcipher)  # the engine's own shell, set beside lookup by bench/run.sh
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installiere: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# A compiler cache, where the machine has one, rebuilds a fresh checkout from what it compiled before.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
# Paths below the checkout count as relative, so that a checkout in another folder finds the same entries.
export CCACHE_BASEDIR="$PWD"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build -j "$(nproc)" "${targets[@]}"
