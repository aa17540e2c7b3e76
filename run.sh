#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts Quillmount with the
# data folder of this repository.
source "$(dirname "$0")/scripts/common.sh"
install_packages
build -DQUILLMOUNT_TESTS=OFF
exec "$build_dir/bin/quillmount" "$@"
