#!/usr/bin/env bash
# Builds the settings and translation benchmark natively with optimisation and runs it.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${TMPDIR:-/tmp}/tavrix-settings-bench"
mkdir -p "$out"
g++ -std=c++20 -O2 -DNDEBUG -I"$root/src" -o "$out/bench" "$root/bench/SettingsBench.cpp" \
    "$root"/src/i18n/*.cpp "$root"/src/i18n/languages/*.cpp "$root/src/settings/IniFile.cpp" "$root/src/settings/IniDocument.cpp" \
    "$root/src/settings/IniInteger.cpp" "$root/src/base/TextHelpers.cpp" \
    "$root/src/base/Unicode.cpp" "$root/src/base/Error.cpp" "$root/src/base/UiText.cpp"
"$out/bench"
