#!/usr/bin/env bash
# The soft drop shadow (radius 3, offsets 3,3, black, onto silver) on a
# 6000 x 4000 picture, PPM in and out: quillmount-batch -j 1 as a whole
# process against Pillow doing the same (Gaussian blur of the alpha plane,
# shadow moved by the offsets, alpha_composite onto silver, picture pasted
# on top). Prints the best CPU seconds (user + system) of a few runs, the
# wall-clock seconds beside them, and the ratio Pillow / ours (target >= 3).
#
#   bench/shadow_vs_pillow.sh            builds into build-bench/ first
#   QUILLMOUNT_BUILD_DIR=dir RUNS=5 bench/shadow_vs_pillow.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${QUILLMOUNT_BUILD_DIR:-$top/build-bench}
runs=${RUNS:-3}
python=/usr/bin/python3
work=$(mktemp -d "${TMPDIR:-/tmp}/quillmount-shadow.XXXXXX")
trap 'rm -rf "$work"' EXIT

missing=()
for pkg in python3-pil time; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ -f "$build_dir/CMakeCache.txt" ]; then
    cmake "$build_dir" -DQUILLMOUNT_BENCH=ON >/dev/null
else
    cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMOUNT_BENCH=ON \
        -DQUILLMOUNT_GUI=OFF -DQUILLMOUNT_TESTS=OFF >/dev/null
fi
cmake --build "$build_dir" --target quillmount-batch >/dev/null
batch="$build_dir/bin/quillmount-batch"

cd "$work"
"$python" - <<'PY'
from PIL import Image
size = (6000, 4000)
grain = Image.effect_noise(size, 24)
Image.merge("RGB", (Image.linear_gradient("L").rotate(90).resize(size),
                    Image.radial_gradient("L").resize(size),
                    Image.blend(Image.linear_gradient("L").resize(size), grain, 0.3))).save("photo.ppm")
PY

cat > pillow_shadow.py <<'PY'
import sys
from PIL import Image, ImageFilter
radius, dx, dy = 3, 3, 3
picture = Image.open(sys.argv[1]).convert("RGB")
w, h = picture.size
grow = max(2 * max(abs(dx), abs(dy)) + int(radius * 5), 1)
shift = grow // 2
size = (w + grow, h + grow)
alpha = Image.new("L", size, 0)
alpha.paste(255, (shift, shift, shift + w, shift + h))
moved = Image.new("L", size, 0)
moved.paste(alpha.filter(ImageFilter.GaussianBlur(radius)), (dx, dy))
shadow = Image.new("RGBA", size, (0, 0, 0, 0))
shadow.putalpha(moved)
canvas = Image.new("RGBA", size, (192, 192, 192, 255))
canvas.alpha_composite(shadow)
canvas.paste(picture, (shift, shift))
canvas.convert("RGB").save(sys.argv[2])
PY

# measure COMMAND...: "cpu wall" of the run with the least CPU time.
measure() {
    local best="" line cpu
    for _ in $(seq "$runs"); do
        /usr/bin/time -f "%U %S %e" -o time.txt "$@" >/dev/null 2>run.err || { cat run.err >&2; return 1; }
        line=$(awk '{ printf "%.3f %.3f", $1 + $2, $3 }' time.txt)
        cpu=${line%% *}
        if [ -z "$best" ] || awk "BEGIN { exit !($cpu < ${best%% *}) }"; then best=$line; fi
    done
    echo "$best"
}

echo "Measuring (best of $runs)..." >&2
ours=$(measure "$batch" -j 1 --shadow 3,3,3 -o ours.ppm photo.ppm)
pillow=$(measure "$python" pillow_shadow.py photo.ppm pillow.ppm)
# What reading and writing the picture alone costs us, for scale.
io=$(measure "$batch" -j 1 --rotate 180 --rotate 180 -o io.ppm photo.ppm)

printf '%-34s cpu %6.3fs  wall %6.3fs\n' "quillmount-batch --shadow 3,3,3" ${ours}
printf '%-34s cpu %6.3fs  wall %6.3fs\n' "Pillow GaussianBlur(3) + composite" ${pillow}
printf '%-34s cpu %6.3fs  wall %6.3fs\n' "quillmount-batch read + write only" ${io}
awk -v ours="${ours%% *}" -v pillow="${pillow%% *}" 'BEGIN {
    ratio = pillow / ours
    printf "ratio (Pillow / ours, CPU): %.2f  target >= 3: %s\n", ratio, (ratio >= 3) ? "meets" : "MISSES"
}'
