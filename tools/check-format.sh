#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted as .clang-format says.
set -eu
cd "${1:-$(dirname "$0")/..}"
files=$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' 2>/dev/null || find src tests bench fuzz -name '*.cpp' -o -name '*.h')
[ -z "$files" ] && exit 0
echo "$files" | xargs clang-format --dry-run --Werror
