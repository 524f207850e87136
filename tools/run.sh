#!/usr/bin/env bash
# Installs what is missing, builds, provisions the default database when it
# does not exist yet, and starts Sistem Nota.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_BUILD_DIR:-$root/build}
"$root/tools/install-deps.sh"
"$root/tools/build.sh" sistemnota notadb  # only what it starts
if [ -x "$build/notadb" ]; then
  db=$("$build/notadb" path)
  # A server database is its administrator's to create (README: Several desks).
  if [[ $db != postgres*://* ]] && [ ! -e "$db" ]; then
    echo "Creating the database $db (first account: admin / admin - change it under Admin > Ganti Password)"
    printf 'admin\n' | "$build/notadb" init --user admin  # on standard input: not in the process list
    "$build/notadb" sample
  fi
fi
exec "$build/sistemnota"
