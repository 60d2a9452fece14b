#!/usr/bin/env bash
# Benchmarks of the rules reader, writer, title interpretation and proposed templates (optimised native build).
set -euo pipefail
source "$(dirname "$0")/env.sh"
qew_install_packages
qew_configure_and_build bench -DCMAKE_BUILD_TYPE=Release -DQEW_TESTS=OFF -DQEW_BENCH=ON
"$QEW_BUILD/bench/qew_bench" "$@"
