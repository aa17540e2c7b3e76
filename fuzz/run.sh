#!/bin/sh
# Builds the reader fuzzers with clang in build-fuzz and runs each for the
# given number of seconds (default 60), seeded with the test fixtures.
#   fuzz/run.sh [SECONDS] [READER...]     readers: bmp pcx dcx ico cur tga pnm wbmp
# Crash inputs land in build-fuzz/findings/<reader>/; keep each one as a
# regression file under tests/data/fuzz-regressions/<reader>/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${1:-60}
[ $# -gt 0 ] && shift
readers=${*:-"bmp pcx dcx ico cur tga pnm wbmp"}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLMOUNT_FUZZ=ON -DQUILLMOUNT_GUI=OFF -DQUILLMOUNT_TESTS=OFF >/dev/null
targets=""
for reader in $readers; do targets="$targets fuzz_$reader"; done
ninja -C "$build" $targets

# Fixture files seed each reader with the extensions it serves.
extensions() {
  case $1 in
    bmp) echo "bmp dib rle" ;; pcx) echo pcx ;; dcx) echo dcx ;; ico) echo ico ;; cur) echo cur ;;
    tga) echo "tga targa vda icb vst pix" ;; pnm) echo "pnm ppm pgm pbm pxm" ;; wbmp) echo wbmp ;;
  esac
}
for reader in $readers; do
  corpus="$build/corpus/$reader"
  findings="$build/findings/$reader"
  mkdir -p "$corpus" "$findings"
  for extension in $(extensions "$reader"); do
    find "$root/tests/data" -type f -name "*.$extension" -exec cp {} "$corpus/" \;
  done
  [ -d "$root/tests/data/fuzz-regressions/$reader" ] && cp "$root/tests/data/fuzz-regressions/$reader/"* "$corpus/" 2>/dev/null || true
  echo "== fuzz_$reader for ${seconds}s"
  "$build/fuzz/fuzz_$reader" "$corpus" -max_total_time="$seconds" -artifact_prefix="$findings/" \
    -rss_limit_mb=4096 -malloc_limit_mb=2560 -timeout=20 -print_final_stats=1 2>&1 | tail -n 12
done
