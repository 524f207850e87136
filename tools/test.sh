#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest, with a
# private PostgreSQL server for the tests that run on it (NOTA_TEST_PG).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_BUILD_DIR:-$root/build}
"$root/tools/install-deps.sh"
"$root/tools/build.sh"

cd "$build"
# Every test sees what an Indonesian desktop sees; the tests that run on a
# PostgreSQL server get a private one (a server that does not start fails the
# run: those tests are never skipped in silence).
LC_ALL=id_ID.UTF-8 QT_QPA_PLATFORM=offscreen \
  bash "$root/tools/pg-cluster.sh" with ctest --output-on-failure -j "$(nproc)"
