#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest, with a
# private PostgreSQL server for the tests that run on it (NOTA_TEST_PG).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_BUILD_DIR:-$root/build}
"$root/tools/install-deps.sh"
"$root/tools/build.sh"

# A fresh cluster for this run, stopped and removed however the run ends.
pg_dir=$(mktemp -d "${TMPDIR:-/tmp}/nota-pg.XXXXXX")
stop_pg() {
  bash "$root/tools/pg-cluster.sh" stop "$pg_dir" || true
  rm -rf "$pg_dir"
}
trap stop_pg EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# A cluster that does not start fails the run: the PostgreSQL tests are
# never skipped in silence.
NOTA_TEST_PG=$(bash "$root/tools/pg-cluster.sh" start "$pg_dir")
export NOTA_TEST_PG

cd "$build"
# Every test sees what an Indonesian desktop sees.
LC_ALL=id_ID.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
