#!/usr/bin/env bash
# Builds both trees and runs every test: native (with ASan and UBSan), then the Windows
# build under Wine. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/env.sh"

qew_install_packages
trap qew_stop_wine EXIT

echo "== native build (ASan, UBSan)"
qew_configure_and_build native -DCMAKE_BUILD_TYPE=Debug -DQEW_SANITIZE=ON
echo "== native tests"
ctest --test-dir "$QEW_BUILD/native" --output-on-failure -j"$(nproc)"

echo "== Windows build"
qew_build_windows
qew_ensure_display
qew_ensure_wineprefix
echo "== Windows tests under Wine"
# Once in a few hundred starts Wine fails to start a test process at all (it ends in
# 0.01 s with no output); such a test is run once more, a failing test fails both times.
ctest --test-dir "$QEW_BUILD/win" --output-on-failure --timeout 300 --repeat until-pass:2

if [ -x "$QEW_ROOT/scripts/fuzz.sh" ]; then
  echo "== fuzzing"
  "$QEW_ROOT/scripts/fuzz.sh" "${QEW_FUZZ_SECONDS:-60}"
fi
echo "== all tests passed"
