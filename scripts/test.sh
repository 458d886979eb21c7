#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build=${PIVORA_BUILD_DIR:-$root/build}
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
