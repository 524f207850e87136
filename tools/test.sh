#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_BUILD_DIR:-$root/build}
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
cd "$build"
# Every test sees what an Indonesian desktop sees.
LC_ALL=id_ID.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
