#!/usr/bin/env bash
# Screenshots of the access windows under a virtual X server, for a person to
# compare with the window designs. Usage: tools/screenshot.sh [output folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_BUILD_DIR:-$root/build}
out=${1:-$build/screenshots}
cmake --build "$build" --target nota-screenshot -j2
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/nota-screenshot" "$out"
echo "screenshots in $out"
