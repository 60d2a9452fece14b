#!/usr/bin/env bash
# Builds the Windows programs in Release and writes dist/QuorvelExtPlrWizard-VERSION.zip:
# the wizard, the user's guide with its pictures, and players-check.exe when the build has
# it. VERSION is the program's one version number, from res/version.h, which also gives
# the version block. Prints the zip's path.
set -euo pipefail
source "$(dirname "$0")/env.sh"

qew_install_packages >&2
version=$(sed -n 's/^#define QEW_VERSION_STRING "\(.*\)"$/\1/p' "$QEW_ROOT/res/version.h")
if [ -z "$version" ]; then
  echo "res/version.h gives no QEW_VERSION_STRING" >&2
  exit 1
fi
targets=(QuorvelExtPlrWizard)
qew_configure_windows
qew_windows_has_target players-check && targets+=(players-check)
echo "== building ${targets[*]} (Release)" >&2
qew_build_windows_targets "${targets[@]}"

name=QuorvelExtPlrWizard-$version
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name/images"
cp "$QEW_BUILD/win/QuorvelExtPlrWizard.exe" "$QEW_ROOT/docs/guide.md" "$stage/$name/"
cp "$QEW_ROOT"/docs/images/*.png "$stage/$name/images/"
if [ -f "$QEW_BUILD/win/players-check.exe" ]; then
  cp "$QEW_BUILD/win/players-check.exe" "$stage/$name/"
fi
mkdir -p "$QEW_ROOT/dist"
zip="$QEW_ROOT/dist/$name.zip"
rm -f "$zip"
(cd "$stage" && zip -q -r -X "$zip" "$name")
echo "$zip"
