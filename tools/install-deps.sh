#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those missing.
# As root directly, otherwise through sudo.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6svg6-dev qt6-image-formats-plugins
  libsqlite3-dev sqlite3 libsodium-dev libgtest-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  poppler-utils xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
