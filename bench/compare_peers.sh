#!/usr/bin/env bash
# Runs the same work through quillmount-batch -j 1 and through the peers
# packaged by Debian, on one thread each, and prints the ratios (peer time
# divided by ours: above 1 means we are faster). Times are CPU seconds
# (user + system), the best of a few runs, so that a busy machine does not
# skew the comparison; wall-clock seconds are shown beside them.
#
#   bench/compare_peers.sh            builds into build-bench/ first
#   QUILLMOUNT_BUILD_DIR=dir bench/compare_peers.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${QUILLMOUNT_BUILD_DIR:-$top/build-bench}
runs=${RUNS:-3}
work=$(mktemp -d "${TMPDIR:-/tmp}/quillmount-peers.XXXXXX")
trap 'rm -rf "$work"' EXIT

install_missing() {
    local missing=()
    for pkg in libvips-tools python3-pil libjpeg-turbo-progs time; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install_missing
if [ -f "$build_dir/CMakeCache.txt" ]; then
    cmake "$build_dir" -DQUILLMOUNT_BENCH=ON >/dev/null
else
    cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMOUNT_BENCH=ON \
        -DQUILLMOUNT_GUI=OFF -DQUILLMOUNT_TESTS=OFF >/dev/null
fi
cmake --build "$build_dir" --target quillmount-batch core_bench jpeg_bench >/dev/null
batch="$build_dir/bin/quillmount-batch"
export VIPS_CONCURRENCY=1
python=/usr/bin/python3

cd "$work"
# A 6000 x 4000 test picture: gradients with grain, saved as a JPEG of
# quality 90 of about 9 MB (like a photograph of that size), plus the same
# pixels as PPM and in the peer's own format.
"$python" - <<'PY'
from PIL import Image
size = (6000, 4000)
grain = Image.effect_noise(size, 32)
across = Image.linear_gradient("L").rotate(90).resize(size)
round_ = Image.radial_gradient("L").resize(size)
down = Image.linear_gradient("L").resize(size)
picture = Image.merge("RGB", (Image.blend(across, grain, 0.35), Image.blend(round_, grain, 0.3),
                              Image.blend(down, grain, 0.4)))
picture.save("photo.jpg", quality=90)
picture.save("photo.ppm")
PY
vips copy photo.jpg photo.v

# measure NAME COMMAND...: best CPU and wall seconds and the peak resident
# memory of the best run, as "cpu wall kilobytes".
measure() {
    local best="" line cpu
    for _ in $(seq "$runs"); do
        /usr/bin/time -f "%U %S %e %M" -o time.txt "$@" >/dev/null 2>run.err || { cat run.err >&2; return 1; }
        line=$(awk '{ printf "%.3f %.3f %d", $1 + $2, $3, $4 }' time.txt)
        cpu=${line%% *}
        if [ -z "$best" ] || awk "BEGIN { exit !($cpu < ${best%% *}) }"; then best=$line; fi
    done
    echo "$best"
}

# python_seconds SCRIPT: the best of the times the script prints itself.
python_seconds() {
    local best=""
    for _ in $(seq "$runs"); do
        t=$("$python" -c "$1")
        if [ -z "$best" ] || awk "BEGIN { exit !($t < $best) }"; then best=$t; fi
    done
    echo "$best"
}

# bench_seconds FILTER: CPU seconds per iteration of a Google Benchmark case.
bench_seconds() {
    "$build_dir/bench/$1" --benchmark_filter="$2" --benchmark_repetitions="$runs" \
        --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null |
        "$python" -c 'import json, sys
runs = [b for b in json.load(sys.stdin)["benchmarks"] if b.get("aggregate_name") == "median"]
b = runs[0]
scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1}[b["time_unit"]]
print("%.4f" % (b["cpu_time"] * scale))'
}

rows=()
# row WHAT TARGET OURS PEER [PEER_NAME]: one line of the table.
row() {
    local ratio
    ratio=$(awk "BEGIN { printf \"%.2f\", $4 / $3 }")
    local verdict=$(awk "BEGIN { print ($ratio >= $2) ? \"meets\" : \"MISSES\" }")
    rows+=("$(printf '%-44s ours %7.3fs  %-16s %7.3fs  ratio %5s  target >= %-4s %s' "$1" "$3" "$5" "$4" "$ratio" "$2" "$verdict")")
}

echo "Measuring (best of $runs; CPU seconds)..." >&2

# Lanczos3 6000 x 4000 -> 1500 x 1000.
ours_jpeg=$(measure "$batch" -j 1 --resize 1500,1000,lanczos3 -o small.jpg photo.jpg)
vips_jpeg=$(measure vips reduce photo.jpg small-vips.jpg 4 4 --kernel lanczos3)
ours_core=$(bench_seconds core_bench 'BM_ResampleLanczos3/1500/1000$')
vips_core=$(measure vips reduce photo.v small-vips.v 4 4 --kernel lanczos3)
pil_core=$(python_seconds 'from PIL import Image; import time
im = Image.open("photo.ppm"); im.load(); t = time.process_time()
im.resize((1500, 1000), Image.LANCZOS); print(time.process_time() - t)')
pil_jpeg=$(measure "$python" -c 'from PIL import Image
Image.open("photo.jpg").resize((1500, 1000), Image.LANCZOS).save("small-pil.jpg", quality=90)')
row "Lanczos3 down, JPEG to JPEG" 1.5 "${ours_jpeg%% *}" "${vips_jpeg%% *}" "vips reduce"
row "Lanczos3 down, resampling alone" 1.5 "$ours_core" "${vips_core%% *}" "vips reduce (.v)"
row "Lanczos3 down, JPEG to JPEG" 2.5 "${ours_jpeg%% *}" "${pil_jpeg%% *}" "Pillow"
row "Lanczos3 down, resampling alone" 2.5 "$ours_core" "$pil_core" "Pillow"

# Opening a JPEG: decoding alone, ours through the codec against djpeg
# writing to nowhere (the target allows us 15 % more time: ratio >= 0.87).
ours_decode=$(QUILLMOUNT_BENCH_JPEG="$work/photo.jpg" bench_seconds jpeg_bench 'BM_JpegDecode')
djpeg=$(measure djpeg -outfile /dev/null photo.jpg)
row "JPEG decode 6000 x 4000" 0.87 "$ours_decode" "${djpeg%% *}" "djpeg"

# Quarter turn and flip, PPM in and out on both sides.
ours_rot=$(measure "$batch" -j 1 --rotate 90 -o turned.ppm photo.ppm)
vips_rot=$(measure vips rot photo.ppm turned-vips.ppm d90)
row "rotate 90, PPM to PPM" 1.0 "${ours_rot%% *}" "${vips_rot%% *}" "vips rot"
ours_flip=$(measure "$batch" -j 1 --flip horizontal -o flipped.ppm photo.ppm)
vips_flip=$(measure vips flip photo.ppm flipped-vips.ppm horizontal)
row "flip horizontal, PPM to PPM" 1.0 "${ours_flip%% *}" "${vips_rot%% *}" "vips rot"
row "flip horizontal, PPM to PPM" 1.0 "${ours_flip%% *}" "${vips_flip%% *}" "vips flip"
ours_rot_core=$(bench_seconds core_bench 'BM_Rotate/90$')
vips_rot_v=$(measure vips rot photo.v turned-vips.v d90)
row "rotate 90, turning alone" 1.0 "$ours_rot_core" "${vips_rot_v%% *}" "vips rot (.v)"

echo
printf '%s\n' "${rows[@]}"

# Peak memory of the batch tool on the 6000 x 4000 picture (72 MB of
# pixels); the target is under three times that.
echo
picture_kb=$((6000 * 4000 * 3 / 1024))
for work_item in "--resize 1500,1000,lanczos3 -o m.jpg photo.jpg" "--rotate 90 -o m.jpg photo.jpg" \
                 "--resize 12000,8000,lanczos3 -o m.jpg photo.jpg"; do
    # shellcheck disable=SC2086
    /usr/bin/time -f "%M" -o time.txt "$batch" -j 1 $work_item
    peak=$(cat time.txt)
    printf 'peak memory %-48s %6d MB = %.2f x the picture (target < 3)\n' "$work_item" $((peak / 1024)) \
        "$(awk "BEGIN { print $peak / $picture_kb }")"
done
