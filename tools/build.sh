#!/usr/bin/env bash
# Builds in release mode into build/ (or $NOTA_BUILD_DIR): the targets named
# on the command line, or everything. Configures only a new build folder; the
# build itself reconfigures when a CMakeLists.txt changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_BUILD_DIR:-$root/build}
# Compiler cache entries keyed by paths inside the checkout, so that a fresh
# checkout in another folder (as CI makes) reuses them.
export CCACHE_BASEDIR=$root
if [ ! -f "$build/CMakeCache.txt" ]; then
  # Ninja: a build with nothing to do is checked in a tenth of a second.
  generator=()
  command -v ninja > /dev/null && generator=(-G Ninja)
  cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release > /dev/null
fi
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
