#!/usr/bin/env bash
# The Debian package as a user gets it: built from the existing build with
# CPack, unpacked into a fresh root, its desktop entry and metadata checked by
# the desktop's own validators, and the installed programs run: the admin tool
# creates a database and the program shows its login window (or, without a
# database, the window that creates one). The program runs without a display
# on the "minimal" platform, which writes every painted window to a PNG file,
# so that the test sees the window itself.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
app_id=id.kervano.sistemnota
work=$(mktemp -d)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-deps.sh installs it)"
done

# --- the package
cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(ls "$work"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 \
              libsodium23 libsqlite3-0 fonts-liberation fonts-dejavu-core; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "the package does not depend on $needed"
done
! grep -Eq "(^|, )libqt6sql6" <<<"$depends" || fail "the package depends on Qt's SQL module, which SQLite needs no longer"
! grep -Eq -- "-dev( |,|$)|cmake|build-essential" <<<"$depends" || fail "the package depends on what only the build needs"

# --- what a distribution's packager checks: no error, no warning
lintian -EvIL +pedantic --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  { grep -v '^N:' "$work/lintian.log" >&2; fail "lintian refuses the package"; }
grep -E '^[EW]:' "$work/lintian.log" || true

root="$work/root"
dpkg -x "$deb" "$root"
usr="$root/usr"
for f in bin/sistemnota bin/notadb share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$app_id.svg share/man/man1/sistemnota.1.gz share/man/man1/notadb.1.gz \
         share/doc/sistemnota/copyright share/doc/sistemnota/changelog.Debian.gz; do
  [ -f "$usr/$f" ] || fail "the package lacks /usr/$f"
done
# PNG width and height: bytes 16-23, big-endian.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for size in 16 22 24 32 48 64 128 256; do
  icon="$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $(png_size "$icon")"
done
! ldd "$usr/bin/sistemnota" "$usr/bin/notadb" | grep -q "not found" || fail "a library of the installed programs is missing"

# --- the desktop's validators
desktop-file-validate "$usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic --no-net "$usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"

# --- the installed programs
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Starts the installed program and waits until it has painted a window of
# `size`; the program is ended afterwards.
shows_window() {
  local size=$1 shots=$2
  mkdir -p "$shots"
  (cd "$shots" && exec env QT_QPA_PLATFORM=minimal:enable_fonts QT_DEBUG_BACKINGSTORE=1 "$usr/bin/sistemnota") \
    >"$shots/run.log" 2>&1 &
  program_pid=$!
  local found=
  for _ in $(seq 1 600); do
    for shot in "$shots"/output*.png; do
      [ -f "$shot" ] && [ "$(png_size "$shot")" = "$size" ] && found=$shot && break 2
    done
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
  [ -n "$found" ] || { tail -20 "$shots/run.log" >&2; return 1; }
  echo "painted: $found ($size)"
}

export NOTA_KV_DATABASE="$work/data/kv.sqlite"
# Without a database: the window that offers to create one (417x236), and nothing is created by showing it.
shows_window 417x236 "$work/first" || fail "the installed program did not show the window that creates the database"
[ ! -e "$NOTA_KV_DATABASE" ] || fail "the database was created without being asked for"

"$usr/bin/notadb" init --user admin --password admin >/dev/null || fail "the installed notadb could not create a database"
"$usr/bin/notadb" check >/dev/null || fail "the installed notadb finds the new database faulty"
# With the database: the login window (417x193).
shows_window 417x193 "$work/login" || fail "the installed program did not show the login window"
