#!/usr/bin/env bash
# Figures of the web version (a benchmark, not a test; read them with the
# load printed at the top):
#   - the page's download: each file of build-web/site and its size
#     compressed by gzip -9, as a web server would send it;
#   - with --build: the time of a whole web build (emscripten, without
#     ccache) in a scratch folder, beside the native build of the same
#     engine sources (zarvel-tty, without ccache) as the reference;
#   - the page in headless Chromium (web_bench.js): time to the title menu
#     and the tab's CPU while the game waits.
# usage: tools/bench/web_bench.sh [--build] [RUNS]   (after scripts/web-build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
site=$root/build-web/site
build=0
runs=3
for arg in "$@"; do
  case $arg in
    --build) build=1 ;;
    [0-9]*) runs=$arg ;;
    *) echo "usage: $0 [--build] [RUNS]" >&2; exit 2 ;;
  esac
done
[ -f "$site/zarvel.wasm" ] || { echo "no $site/zarvel.wasm: run scripts/web-build first" >&2; exit 1; }
echo "load: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; $(date -u '+%Y-%m-%d %H:%M UTC')"

echo "page download                 bytes   gzip -9"
total=0
total_gz=0
for file in "$site"/*; do
  size=$(stat -c %s "$file")
  gz=$(gzip -9 -c "$file" | wc -c)
  total=$((total + size))
  total_gz=$((total_gz + gz))
  printf '%-22s %12d %9d\n' "$(basename "$file")" "$size" "$gz"
done
printf '%-22s %12d %9d\n' "total" "$total" "$total_gz"

if [ "$build" = 1 ]; then
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  export NODE_PATH=/usr/share/nodejs CCACHE_DISABLE=1
  start=$(date +%s.%N)
  emcmake cmake -S "$root/web" -B "$scratch/web" -DCMAKE_BUILD_TYPE=Release \
    -DZARVEL_WEB_RESOURCES="$root/build-web/resources" >/dev/null 2>&1
  cmake --build "$scratch/web" -j"$(nproc)" >/dev/null
  web_seconds=$(awk "BEGIN { print $(date +%s.%N) - $start }")
  start=$(date +%s.%N)
  cmake -S "$root" -B "$scratch/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZARVEL_DESKTOP=OFF >/dev/null
  cmake --build "$scratch/native" -j"$(nproc)" --target zarvel-tty >/dev/null
  native_seconds=$(awk "BEGIN { print $(date +%s.%N) - $start }")
  printf '%-52s %9.1f %10.1f\n' "whole build, s (web: page and node runner)" \
    "$web_seconds" "$native_seconds"
fi

node "$root/tools/bench/web_bench.js" "$site" "$runs"
