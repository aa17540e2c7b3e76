#!/usr/bin/env bash
# Regenerates the pictures of data/ with the generator programs of datagen/
# (built with -DQUILLMOUNT_DATAGEN=ON). The results are checked in, so only
# run this after changing a generator.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${QUILLMOUNT_DATAGEN_BUILD_DIR:-$top/build-datagen}

generators=(frame_patterns masks textures)

cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQUILLMOUNT_DATAGEN=ON -DQUILLMOUNT_GUI=OFF -DQUILLMOUNT_TESTS=OFF
cmake --build "$build_dir" --target "${generators[@]}"
for generator in "${generators[@]}"; do
    "$build_dir/datagen/$generator" "$top/data"
done
