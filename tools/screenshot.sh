#!/usr/bin/env bash
# Screenshots of the access windows under a virtual X server, for a person to
# compare with the window designs.
# Usage: tools/screenshot.sh [--dark] [--scale FACTOR] [output folder]
#   --dark          a dark desktop palette
#   --scale FACTOR  the desktop's scale (1.5, 2), as QT_SCALE_FACTOR sets it
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_BUILD_DIR:-$root/build}
dark=()
while [ $# -gt 0 ]; do
  case $1 in
    --dark) dark=(--dark); shift ;;
    --scale) export QT_SCALE_FACTOR=$2; shift 2 ;;
    *) break ;;
  esac
done
out=${1:-$build/screenshots}
cmake --build "$build" --target nota-screenshot -j2
mkdir -p "$out"
xvfb-run -a -s "-screen 0 2560x2048x24" "$build/tools/nota-screenshot" "${dark[@]}" "$out"
echo "screenshots in $out"
