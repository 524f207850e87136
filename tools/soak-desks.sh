#!/usr/bin/env bash
# Three desks storing invoices on one server while it is mistreated, then
# `notadb check`, whose list is compared with what the tables hold.
#
#   tools/soak-desks.sh [SECONDS]     (default 300; root: the server's disk is a small tmpfs)
#
# Chaos, one every few seconds, in turn: the desks' sessions are killed, the
# server is restarted, its disk is filled for a moment, and the desks' role
# loses the right to write invoice lines for a moment. Each desk
# (build/tests/data/desk_writer) is started again whenever it stops. At the
# end: how many invoices the desks reported stored, how many of those are
# whole, and whether `notadb check` lists exactly the invoices whose lines
# have no header and the headers whose total is not the sum of their lines.
# Exit status 0 when the check's list agrees with the tables.
set -uo pipefail
seconds=${1:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_BUILD_DIR:-$root/build}
notadb=$build/notadb
desk=$build/tests/data/desk_writer
[ -x "$notadb" ] && [ -x "$desk" ] || { echo "soak: build notadb and desk_writer first" >&2; exit 2; }
[ "$(id -u)" = 0 ] || { echo "soak: run as root (the server's disk is a tmpfs mounted here)" >&2; exit 2; }

folder=$(mktemp -d /tmp/nota-soak.XXXXXX)
mount -t tmpfs -o size=400m,mode=0777 tmpfs "$folder" || exit 1
work=$(mktemp -d /tmp/nota-soak-work.XXXXXX)
pids=()
finish() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  bash "$root/tools/pg-cluster.sh" stop "$folder" >/dev/null 2>&1
  umount "$folder" && rmdir "$folder"
}
trap finish EXIT

admin=$(bash "$root/tools/pg-cluster.sh" start "$folder") || exit 1
bin=$(dirname "$(ls -d /usr/lib/postgresql/*/bin/psql | sort -V | tail -1)")
psql() { "$bin/psql" -X -q -At -v ON_ERROR_STOP=1 "$admin" "$@"; }
psql -c "CREATE ROLE kasir LOGIN" -c "CREATE DATABASE toko OWNER kasir"
shop=${admin%/*}/toko
shop=${shop/\/\/nota@/\/\/kasir@}
toko() { "$bin/psql" -X -q -At -v ON_ERROR_STOP=1 "${admin%/*}/toko" "$@"; }
printf 'admin\n' | "$notadb" --database "$shop" init --user admin >/dev/null || exit 1

end=$((SECONDS + seconds))
for d in 1 2 3; do
  (
    runs=0
    while [ $SECONDS -lt $end ]; do
      runs=$((runs + 1))
      echo go | timeout 120 "$desk" "$shop" "desk$d-$runs" 40 >>"$work/desk$d.out" 2>>"$work/desk$d.err"
      sleep 0.2
    done
  ) &
  pids+=($!)
done

chaos=0
while [ $SECONDS -lt $end ]; do
  sleep 4
  chaos=$((chaos + 1))
  case $((chaos % 4)) in
    1) psql -c "SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity WHERE usename = 'kasir'" >/dev/null
       echo "kill sessions" ;;
    2) bash "$root/tools/pg-cluster.sh" stop "$folder" >/dev/null 2>&1; sleep 1
       bash "$root/tools/pg-cluster.sh" start "$folder" >/dev/null 2>&1
       echo "restart" ;;
    3) fallocate -l "$(( $(df --output=avail -B1 "$folder" | tail -1) - 4096 ))" "$folder/filler" 2>/dev/null
       sleep 2; rm -f "$folder/filler"
       # A server that stopped on the full disk is started again.
       bash "$root/tools/pg-cluster.sh" start "$folder" >/dev/null 2>&1
       echo "disk full" ;;
    0) toko -c 'REVOKE INSERT ON "Nota" FROM kasir' 2>/dev/null; sleep 2
       toko -c 'GRANT INSERT ON "Nota" TO kasir' 2>/dev/null
       echo "revoke" ;;
  esac
done >"$work/chaos.log"
for p in "${pids[@]}"; do wait "$p"; done
pids=()
bash "$root/tools/pg-cluster.sh" start "$folder" >/dev/null 2>&1

reported=$(cat "$work"/desk*.out | grep -cv '^done\|^ready')
headers=$(toko -c 'SELECT count(*) FROM "NotaUtama"')
lines=$(toko -c 'SELECT count(*) FROM "Nota"')
orphans=$(toko -c 'SELECT count(DISTINCT "ID_Nota") FROM "Nota" n WHERE NOT EXISTS (SELECT 1 FROM "NotaUtama" h WHERE h."No_Nota" = n."ID_Nota")')
short=$(toko -c 'SELECT count(*) FROM "NotaUtama" h LEFT JOIN (SELECT "ID_Nota", sum("Jumlah") s FROM "Nota" GROUP BY 1) l
                 ON l."ID_Nota" = h."No_Nota" WHERE abs(coalesce(l.s, 0) - coalesce(h."Jumlah_Total", 0)) > 0.005')
"$notadb" --database "$shop" check >"$work/check.out" 2>"$work/check.err"
checked_orphans=$(grep -c "which has no header in NotaUtama" "$work/check.err")
checked_short=$(grep -c ": Jumlah_Total is " "$work/check.err")
echo "chaos: $(sort "$work/chaos.log" | uniq -c | tr '\n' ' ')"
echo "desk runs ended by an error: $(cat "$work"/desk*.err | grep -c .) (first: $(head -c 160 "$work/desk1.err" | head -1))"
echo "invoices reported stored: $reported; headers: $headers; lines: $lines"
echo "tables: $orphans invoices with lines but no header, $short headers whose total is not the sum of their lines"
echo "notadb check: $checked_orphans and $checked_short of those; other problems: $(grep -c '^  ' "$work/check.err") listed in all"
[ "$orphans" = "$checked_orphans" ] && [ "$short" = "$checked_short" ]
