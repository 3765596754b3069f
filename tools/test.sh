#!/usr/bin/env bash
# Sets up, builds and runs every test (unit, simulator, leak and screen tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 600
