#!/usr/bin/env bash
# With a real outside client: a line selected with the mouse in the viewer and copied with Ctrl+C
# is what xclip reads from the desktop clipboard.
source "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || fail "needs a display: run under xvfb-run"
command -v xclip >/dev/null || fail "xclip is not installed"
tests_exe="$TAVRIX_BUILD_DIR/tavrix_win32_tests.exe"
[ -f "$tests_exe" ] || fail "missing $tests_exe"

keep_wine_session

step "the viewer copies a selected line"
TAVRIX_VIEWER_XCLIP=1 timeout 120 "$WINE_RUN" "$tests_exe" \
    --gtest_filter=ViewerXclipCopy.SelectAndCopyALineForXclip >"$E2E_TMP/run.log" 2>&1 ||
    { cat "$E2E_TMP/run.log"; fail "the copying side failed"; }
grep -q '\[  PASSED  \] 1 test' "$E2E_TMP/run.log" || { cat "$E2E_TMP/run.log"; fail "not run"; }

step "xclip reads it"
expected=$(printf 'Gr\xc3\xbc\xc3\x9fe aus dem Viewer')
for _ in $(seq 1 25); do
    actual=$(timeout 10 xclip -o -selection clipboard 2>/dev/null)
    [ "$actual" = "$expected" ] && break
    sleep 0.2
done
expect_eq "xclip -o -selection clipboard" "$expected" "$actual"
echo PASS
