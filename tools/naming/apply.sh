#!/bin/bash
# Applies the naming rule to a Tavrix tree: file moves (git mv), identifier renames outside string
# literals, plain enums turned into enum class with the helpers their uses need, struct fields in
# camelCase, and the Names section of docs/ARCHITECTURE.md; then clang-format on what changed.
# Not yet applied: its result has not been built and tested. Copy this folder out of the tree
# first (the renames would rewrite the script's own patterns), then: apply.sh <tree>
set -euo pipefail
here=$(dirname "$(realpath "$0")")
tree=$(realpath "${1:?usage: apply.sh <tree>}")
test -d "$tree/src" || { echo "not a Tavrix tree: $tree" >&2; exit 1; }
TAVRIX_NAMES_SECTION="$here/names_section.md" python3 "$here/rename.py" "$tree"
if command -v clang-format >/dev/null; then
    (cd "$tree" && { git diff --name-only --diff-filter=AMR HEAD; git ls-files -o --exclude-standard; } |
        grep -E '^(src|tests|tools|bench|fuzz)/.*\.(h|cpp)$' | sort -u |
        while read -r f; do test -f "$f" && echo "$f"; done | xargs -r clang-format -i)
fi
echo "apply.sh: done on $tree"
