#!/usr/bin/env bash
# Renders a sample printed invoice to PNG pages and a PDF and grabs the
# preview window at each zoom under Xvfb, for a person to look at. Pictures go
# to $1 (default: build/report-shots). Indonesian regional settings unless
# LC_ALL names others.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_BUILD_DIR:-$root/build}
out=${1:-$build/report-shots}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" --target report_preview_shots -j "$(nproc)"
mkdir -p "$out"
LC_ALL=${LC_ALL:-id_ID.UTF-8} xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/reports/report_preview_shots" "$out"
pdftoppm -r 60 -png "$out/report.pdf" "$out/pdf"
ls "$out"
