#!/usr/bin/env bash
# Runs one fuzz target with the compiler's fuzzing engine:
#   tools/fuzz.sh <name> [seconds] [more fuzzer options...]
# <name> is one of fuzz/fuzz_<name>.cpp (report_file, filter_text, query_text,
# number_text, date_text, picture_blob); seconds defaults to 300. Installs
# clang and its fuzzing runtime when missing, builds into build-fuzz/ (or
# $NOTA_FUZZ_BUILD_DIR) with the address and undefined-behaviour checks, and
# fuzzes from the seed corpus fuzz/corpus/<name>/. New inputs it finds go to
# build-fuzz/corpus/<name>/, a crashing input to build-fuzz/crashes/<name>/:
# copy a crash into fuzz/corpus/<name>/ (named crash-...) so the normal test
# run replays it, then mend the fault.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${NOTA_FUZZ_BUILD_DIR:-$root/build-fuzz}
name=${1:?usage: tools/fuzz.sh <name> [seconds] [fuzzer options...]}
seconds=${2:-300}
shift $(( $# >= 2 ? 2 : 1 ))
[ -f "$root/fuzz/fuzz_$name.cpp" ] || { echo "no fuzz target fuzz/fuzz_$name.cpp" >&2; exit 2; }

"$root/tools/install-deps.sh"
# The fuzzing engine comes with clang; the normal build does not need it.
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
    -DNOTA_FUZZ=ON -DBUILD_TESTING=OFF -DNOTA_BUILD_BENCH=OFF > /dev/null
fi
cmake --build "$build" -j "$(nproc)" --target "fuzz_$name"

mkdir -p "$build/corpus/$name" "$build/crashes/$name"
cd "$build/crashes/$name"
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -artifact_prefix="$build/crashes/$name/" \
  -print_final_stats=1 "$@" "$build/corpus/$name" "$root/fuzz/corpus/$name"
