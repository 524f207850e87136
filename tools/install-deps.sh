#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those missing, and
# generates the locales the tests use. As root directly, otherwise through sudo.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-image-formats-plugins
  libsqlite3-dev sqlite3 libsodium-dev libzstd-dev libgtest-dev libbenchmark-dev
  libpq-dev postgresql postgresql-contrib
  fonts-liberation fonts-dejavu-core
  poppler-utils xvfb xauth
  desktop-file-utils appstream lintian
  libcups2-dev cups
  locales ccache
)
# The desktops the program is for, and the English one the format tests pin.
locales=(id_ID en_US)

# One query for all packages: a later run costs a few milliseconds.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null | awk '/install ok installed/ {print $1}') || true
missing=()
for p in "${packages[@]}"; do
  grep -qx "$p" <<<"$installed" || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  # The server package creates and starts a system cluster, which the tests
  # never use (tools/pg-cluster.sh runs a private one). Without a service
  # manager nothing may stop it again, so there services are kept from
  # starting during the install, as container images do.
  temporary_policy=
  if [ ! -d /run/systemd/system ] && [ ! -e /usr/sbin/policy-rc.d ]; then
    printf '#!/bin/sh\nexit 101\n' | "${sudo_cmd[@]}" tee /usr/sbin/policy-rc.d > /dev/null
    "${sudo_cmd[@]}" chmod +x /usr/sbin/policy-rc.d
    temporary_policy=/usr/sbin/policy-rc.d
    trap '"${sudo_cmd[@]}" rm -f "$temporary_policy"' EXIT
  fi
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
  if [ -n "$temporary_policy" ]; then
    "${sudo_cmd[@]}" rm -f "$temporary_policy"
    trap - EXIT
  fi
fi
available=$(locale -a 2>/dev/null || true)
for l in "${locales[@]}"; do
  grep -qix "$l.utf8" <<<"$available" || "${sudo_cmd[@]}" localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
