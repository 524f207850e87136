#!/usr/bin/env bash
# A print system of the test's own: a cupsd with its configuration, spool,
# logs and socket in DIR, reached only through DIR/cups.sock (CUPS_SERVER),
# and, once asked for, queues (NotaPdf unless named) whose device writes
# each job to DIR/out/QUEUE.pdf. The queue passes what it gets unchanged (the program sends
# PDF), so the file is exactly the job the program printed.
#   private_cups.sh start DIR   -> prints the socket's path; exit 1 with the reason when cupsd cannot start
#   private_cups.sh queue DIR [QUEUE]   adds a queue
#   private_cups.sh stop DIR
set -euo pipefail
what=$1
dir=$(cd "$2" && pwd)
sock=$dir/cups.sock

if [ "$what" = stop ]; then
  [ -f "$dir/cupsd.pid" ] && kill "$(cat "$dir/cupsd.pid")" 2>/dev/null || true
  exit 0
fi
if [ "$what" = queue ]; then
  # A printer that takes PDF as it comes: the only filter, gziptoany, passes
  # a file that is not compressed unchanged (with no filter at all, a file:
  # device gets nothing).
  cat > "$dir/notapdf.ppd" <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "NOTAPDF.PPD"
*Manufacturer: "Test"
*Product: "(Nota PDF)"
*ModelName: "Nota PDF"
*ShortNickName: "Nota PDF"
*NickName: "Nota PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*cupsFilter: "application/pdf 0 gziptoany"
*OpenUI *PageSize/Page Size: PickOne
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
PPD
  export CUPS_SERVER=$sock
  queue=${3:-NotaPdf}
  out=$(lpadmin -p "$queue" -v "file://$dir/out/$queue.pdf" -P "$dir/notapdf.ppd" -E 2>&1) ||
    { echo "the queue could not be added: $out"; exit 1; }
  exit 0
fi

cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
[ -x "$cupsd" ] || { echo "cupsd is not installed (Debian package cups)"; exit 1; }
command -v lpadmin >/dev/null || { echo "lpadmin is not installed (Debian package cups-client)"; exit 1; }

mkdir -p "$dir"/{conf/ppd,conf/ssl,spool/tmp,cache,state,log,out}
# Runs as whoever runs the test; cupsd refuses to run its jobs as root, so
# as root it runs as the print system's own account, which owns DIR.
as=()
if [ "$(id -u)" -eq 0 ]; then
  id lp >/dev/null 2>&1 || { echo "running as root and there is no account lp to run cupsd as"; exit 1; }
  as=(setpriv --reuid=lp --regid=lp --clear-groups)
  me=lp
  group=$(id -gn lp)
else
  me=$(id -un)
  group=$(id -gn)
fi
cat > "$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice Yes
Printcap $dir/printcap
User $me
Group $group
SystemGroup $group
Sandboxing relaxed
CONF
cat > "$dir/conf/cupsd.conf" <<CONF
Listen $sock
LogLevel info
Browsing No
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
chmod 755 "$dir"
[ ${#as[@]} -eq 0 ] || chown -R lp "$dir"

"${as[@]}" "$cupsd" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
echo $! > "$dir/cupsd.pid"
# Stopped with the program that started it, even when that one crashes.
owner=$PPID
(
  exec </dev/null >/dev/null 2>&1
  while kill -0 "$owner" 2>/dev/null && [ -d "$dir" ]; do sleep 1; done
  kill "$(cat "$dir/cupsd.pid" 2>/dev/null)" 2>/dev/null || true
) &
for _ in $(seq 1 100); do
  [ -S "$sock" ] && break
  kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$sock" ]; then
  echo "cupsd did not start: $(tail -3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')"
  exit 1
fi
echo "$sock"
