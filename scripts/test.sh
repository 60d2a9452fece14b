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
# Listing the tests starts each test program too, and one failed listing stops ctest before
# any test runs: the lists are made first, with a second try, and ctest keeps them.
ctest --test-dir "$QEW_BUILD/win" -N >/dev/null 2>&1 || ctest --test-dir "$QEW_BUILD/win" -N >/dev/null
ctest --test-dir "$QEW_BUILD/win" --output-on-failure --timeout 300 --repeat until-pass:2

echo "== release package"
zip=$("$QEW_ROOT/scripts/package.sh")
name=$(basename "$zip" .zip)
exe=$(mktemp)
unzip -p "$zip" "$name/QuorvelExtPlrWizard.exe" >"$exe"
mapfile -t found < <(python3 "$QEW_ROOT/tools/pe_version.py" "$exe")
rm -f "$exe"
# The exe's version block, in numbers and as text, against the version in the zip's name.
if [ "${#found[@]}" -ne 2 ] || [ "QuorvelExtPlrWizard-${found[1]}" != "$name" ] ||
   [ "${found[0]#"${found[1]}".}" = "${found[0]}" ]; then
  echo "the package $name.zip holds an exe of version ${found[*]:-(none)}" >&2
  exit 1
fi
echo "$zip: version ${found[1]} (${found[0]})"

if [ -x "$QEW_ROOT/scripts/fuzz.sh" ]; then
  echo "== fuzzing"
  "$QEW_ROOT/scripts/fuzz.sh" "${QEW_FUZZ_SECONDS:-60}"
fi
echo "== all tests passed"
