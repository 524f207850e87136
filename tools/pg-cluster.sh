#!/usr/bin/env bash
# A private PostgreSQL server for test runs, kept whole inside one folder.
#
#   pg-cluster.sh start DIR   creates the cluster in DIR if needed, starts it
#                             and prints the tests' connection URI, e.g.
#                             postgresql://nota@127.0.0.1:54320/nota_test
#                             (also written to DIR/uri)
#   pg-cluster.sh stop DIR    stops it; a cluster that is not running is fine
#   pg-cluster.sh with COMMAND [ARG...]
#                             runs COMMAND with NOTA_TEST_PG set to a fresh
#                             cluster in a temporary folder, stopped and
#                             removed however COMMAND ends; a cluster that does
#                             not start fails before COMMAND runs
#
# DIR holds data/ (the cluster), server.log, initdb.log, the Unix socket and
# the files port and uri. Role nota is the superuser, without password: local
# socket and loopback connections are trusted. As root the server runs as the
# system user postgres, since initdb and the server refuse to run as root.
set -euo pipefail

readonly role=nota
readonly database=nota_test
readonly first_port=54320
readonly port_tries=100

# Settings from the caller's environment would send our own client calls
# elsewhere.
unset PGHOST PGHOSTADDR PGPORT PGUSER PGDATABASE PGSERVICE PGOPTIONS PGDATA

die() {
  echo "pg-cluster: $*" >&2
  exit 1
}

usage() {
  echo "usage: $0 start DIR | stop DIR | with COMMAND [ARG...]" >&2
  exit 2
}

if [ "${1:-}" = with ]; then
  shift
  [ $# -gt 0 ] || usage
  self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
  folder=$(mktemp -d "${TMPDIR:-/tmp}/nota-pg.XXXXXX")
  trap 'bash "$self" stop "$folder" || true; rm -rf "$folder"' EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  NOTA_TEST_PG=$(bash "$self" start "$folder")
  export NOTA_TEST_PG
  "$@"
  exit $?
fi

# The server programs of the newest PostgreSQL installed. pg_config's bindir
# is the client one on Debian, without initdb or the server.
find_server_bindir() {
  local dir best='' best_version=-1 version
  for dir in /usr/lib/postgresql/*/bin; do
    [ -x "$dir/initdb" ] && [ -x "$dir/pg_ctl" ] || continue
    version=${dir#/usr/lib/postgresql/}
    version=${version%/bin}
    [[ $version =~ ^[0-9]+$ ]] || continue
    if [ "$version" -gt "$best_version" ]; then
      best=$dir
      best_version=$version
    fi
  done
  if [ -z "$best" ]; then
    # Installations that do put them on the PATH.
    local initdb
    initdb=$(command -v initdb || true)
    [ -n "$initdb" ] && [ -x "$(dirname "$initdb")/pg_ctl" ] && best=$(dirname "$initdb")
  fi
  [ -n "$best" ] || die "initdb and pg_ctl not found (looked in /usr/lib/postgresql/*/bin and PATH); run tools/install-deps.sh"
  echo "$best"
}

# Runs a server program as the cluster's owner: the postgres system user
# when we are root, else ourselves. From DIR, since root's working folder
# may be closed to that user.
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    (cd "$dir" && runuser -u "$owner" -- "$@")
  else
    (cd "$dir" && "$@")
  fi
}

absolute_dir() {
  [ -n "$1" ] || usage
  mkdir -p -- "$1" || die "cannot create $1"
  (cd -- "$1" && pwd -P)
}

server_running() {
  [ -f "$data/PG_VERSION" ] && as_owner "$bin/pg_ctl" status -D "$data" > /dev/null 2>&1
}

uri_for() {
  echo "postgresql://$role@127.0.0.1:$1/$2"
}

port_in_use() {
  (: <> "/dev/tcp/127.0.0.1/$1") 2> /dev/null
}

init_cluster() {
  # C.UTF-8: text compares by code point, while upper and lower case still
  # know every letter (case-blind search on names).
  local locale_args=(--locale=C.UTF-8)
  local locales
  locales=$(locale -a 2> /dev/null || true)
  if ! grep -qix 'c\.utf-\?8' <<< "$locales"; then
    echo "pg-cluster: locale C.UTF-8 missing, creating the cluster without locale" >&2
    locale_args=(--no-locale)
  fi
  if ! as_owner "$bin/initdb" -D "$data" -E UTF8 "${locale_args[@]}" --username="$role" \
      --auth-local=trust --auth-host=trust > "$dir/initdb.log" 2>&1; then
    cat "$dir/initdb.log" >&2
    die "initdb failed in $data"
  fi
  # Loopback TCP (so benchmarks measure a network path) and a socket in DIR.
  # fsync stays on: the crash tests rely on committed data surviving.
  cat >> "$data/postgresql.conf" <<EOF

# Private test cluster
listen_addresses = '127.0.0.1'
unix_socket_directories = '$dir'
shared_buffers = 32MB
max_connections = 200
EOF
}

# Starts the server on the first free port: the one it had before, then
# 54320 upward. Clusters started by this script at the same time take turns
# (a lock in the temporary folder); another program may still take a port
# between the check and the bind, which then fails and the next port is tried.
start_server() {
  local port log_offset errors ports=()
  local lock=${TMPDIR:-/tmp}/nota-pg-cluster.lock
  { : >> "$lock"; } 2> /dev/null || true
  if { exec 9< "$lock"; } 2> /dev/null; then
    flock 9
  fi
  [ -f "$dir/port" ] && ports+=("$(cat "$dir/port")")
  for ((port = first_port; port < first_port + port_tries; port++)); do ports+=("$port"); done
  for port in "${ports[@]}"; do
    [[ $port =~ ^[0-9]+$ ]] || continue
    port_in_use "$port" && continue
    # The socket's path must fit a sockaddr_un. The server must not inherit
    # the lock (fd 9 closed for it), or it would hold it for its lifetime.
    [ ${#dir} -le $((107 - ${#port} - 10)) ] ||
      die "folder path too long for the server's Unix socket: $dir"
    log_offset=$(($(stat -c %s "$log" 2> /dev/null || echo 0) + 1))
    if errors=$(as_owner "$bin/pg_ctl" start -D "$data" -l "$log" -w -t 60 -s -o "-p $port" 2>&1 9<&-); then
      echo "$port" > "$dir/port"
      exec 9<&-
      return 0
    fi
    if tail -c +"$log_offset" "$log" 2> /dev/null | grep -q 'could not bind\|could not create any TCP/IP sockets'; then
      continue
    fi
    echo "$errors" >&2
    tail -n 30 "$log" >&2 2> /dev/null || true
    die "server did not start (log: $log)"
  done
  die "no free port in $first_port..$((first_port + port_tries - 1)) on 127.0.0.1"
}

create_database() {
  local port=$1 exists
  exists=$("$bin/psql" -X -q -tA -v ON_ERROR_STOP=1 "$(uri_for "$port" postgres)" \
    -c "SELECT 1 FROM pg_database WHERE datname = '$database'") || return 1
  [ "$exists" = 1 ] && return 0
  "$bin/psql" -X -q -v ON_ERROR_STOP=1 "$(uri_for "$port" postgres)" \
    -c "CREATE DATABASE $database OWNER $role" > /dev/null
}

cmd_start() {
  if [ "$(id -u)" -eq 0 ]; then
    owner=postgres
    id -u "$owner" > /dev/null 2>&1 || die "system user $owner missing; run tools/install-deps.sh"
    chown "$owner:" "$dir"
    runuser -u "$owner" -- test -w "$dir" -a -x "$dir" ||
      die "user $owner cannot write to $dir (is a parent folder closed to it?)"
  else
    owner=$(id -un)
  fi
  case $dir in
    *[\'\",]* | *[[:space:]]*) die "folder path must not hold quotes, commas or spaces: $dir" ;;
  esac
  if server_running; then
    [ -f "$dir/uri" ] || die "a server runs in $dir but $dir/uri is missing"
    cat "$dir/uri"
    return 0
  fi
  [ -f "$data/PG_VERSION" ] || init_cluster
  start_server
  local port uri
  port=$(cat "$dir/port")
  uri=$(uri_for "$port" "$database")
  if ! create_database "$port" || ! "$bin/psql" -X -q -tA "$uri" -c 'SELECT 1' > /dev/null; then
    as_owner "$bin/pg_ctl" stop -D "$data" -m fast -s > /dev/null 2>&1 || true
    die "server started but $uri does not answer (log: $log)"
  fi
  echo "$uri" > "$dir/uri.tmp"
  mv -f "$dir/uri.tmp" "$dir/uri"
  echo "$uri"
}

cmd_stop() {
  [ -f "$data/PG_VERSION" ] || return 0
  if [ "$(id -u)" -eq 0 ]; then
    owner=$(stat -c %U "$data")
  else
    owner=$(id -un)
  fi
  server_running || return 0
  as_owner "$bin/pg_ctl" stop -D "$data" -m fast -w -s >&2 || die "could not stop the server in $data"
}

[ $# -eq 2 ] || usage
command=$1
case $command in
  start) dir=$(absolute_dir "$2") ;;
  stop)
    [ -d "$2" ] || exit 0
    dir=$(cd -- "$2" && pwd -P)
    ;;
  *) usage ;;
esac
data=$dir/data
log=$dir/server.log
owner=
bin=$(find_server_bindir)
"cmd_$command"
