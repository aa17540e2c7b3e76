#!/usr/bin/env bash
# Installs what is missing, builds in Release and runs every test; exits
# non-zero when any test fails.
source "$(dirname "$0")/scripts/common.sh"
install_packages
build -DQUILLMOUNT_TESTS=ON
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure --timeout 600 -j "$(nproc)"
