#!/usr/bin/env bash
# The release package: "--target package" makes Tavrix-4.0-win64.zip in the build folder, holding
# exactly Tavrix.exe, tavrix-cl7.exe, README.md and LICENSE at its top, the programs as the build
# made them.
#   zip_contents.sh <build dir>
set -u
build=$1
zip=$build/Tavrix-4.0-win64.zip
fail() { echo "FAIL: $*"; exit 1; }
command -v unzip >/dev/null || fail "unzip is not installed"

rm -f "$zip"
cmake --build "$build" --target package >"$build/package.log" 2>&1 || { cat "$build/package.log"; fail "the package target failed"; }
[ -f "$zip" ] || fail "no $zip"

names=$(unzip -Z1 "$zip" | sort | paste -sd' ')
[ "$names" = "LICENSE README.md Tavrix.exe tavrix-cl7.exe" ] || fail "the zip holds: $names"
for exe in Tavrix.exe tavrix-cl7.exe; do
    unzip -p "$zip" $exe | cmp -s - "$build/$exe" || fail "$exe in the zip is not the one built"
done
unzip -l "$zip"
echo PASS
