#!/usr/bin/env bash
# Registered format numbers live in the Wine server, as they live in a logon session on Windows:
# a file saved before the server restarts is loaded after it, by a session that registered
# other names first, and each record still comes back under its own name.
source "$(dirname "$0")/lib.sh"
need_display
CLIPFILETOOL_EXE=${CLIPFILETOOL_EXE:-$TAVRIX_BUILD_DIR/clipfiletool.exe}

restart_server() {
    WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -k </dev/null >/dev/null 2>&1
    WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -w </dev/null >/dev/null 2>&1
}

step "put two named formats and text, then save"
helper set "Tavrix E2E Kept=4b657074" "Tavrix E2E Also=0a0b" 1=41424300 ||
    fail "cannot set the clipboard"
number_before=$(helper list | awk -F'\t' '$2 == "Tavrix E2E Kept" {print $1}')
[ -n "$number_before" ] || fail "the named format is not on the clipboard"
file="$E2E_TMP/named"
timeout 60 "$WINE_RUN" "$CLIPFILETOOL_EXE" save "$file" || fail "the save failed"

step "restart the Wine server; other names take the numbers first"
restart_server
helper set "Tavrix E2E Other=01" "Tavrix E2E Another=02" "Tavrix E2E Third=03" ||
    fail "cannot register the other names"
taken=$(helper list | awk -F'\t' -v n="$number_before" '$1 == n {print $2}')
[ -n "$taken" ] && [ "$taken" != "Tavrix E2E Kept" ] ||
    fail "the old number of the saved name is not held by another name (held by '$taken')"

step "Tavrix.exe $file.cl7 /CLOSE"
tavrix "$TAVRIX_EXE" "$file.cl7" /CLOSE
expect_eq "exit code of the load" 0 $?
listing=$(helper list)
helper get "Tavrix E2E Kept" "$E2E_TMP/kept" || fail "no data under the saved name"
expect_eq "data under the saved name" 4b657074 "$(od -An -tx1 "$E2E_TMP/kept" | tr -d ' \n')"
helper get "Tavrix E2E Also" "$E2E_TMP/also" || fail "no data under the second name"
expect_eq "data under the second name" 0a0b "$(od -An -tx1 "$E2E_TMP/also" | tr -d ' \n')"
if printf '%s\n' "$listing" | grep -q "Tavrix E2E Other\|Tavrix E2E Another\|Tavrix E2E Third"; then
    fail "data went under a name that merely took the old number: $listing"
fi
echo "PASS"
