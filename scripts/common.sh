# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${QUILLMOUNT_BUILD_DIR:-$top/build}

install_packages() {
    local wanted missing=()
    wanted=$(grep -v '^#' "$top/scripts/packages.txt" | grep -v '^$')
    for pkg in $wanted; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$top" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$build_dir" --parallel "$(nproc)"
}
