#!/usr/bin/env bash
# With a real outside client: the clipboard monitor lists what xclip put on the desktop's
# clipboard (text, HTML, a PNG image) and shows text as its summary. The Win32 test
# OutsideClient.MonitorListsWhatXclipPut does the looking; this script plays the other program.
source "$(dirname "$0")/lib.sh"
need_display
command -v xclip >/dev/null || fail "xclip is not installed"
tests_exe=$TAVRIX_BUILD_DIR/tavrix_win32_tests.exe
[ -f "$tests_exe" ] || fail "missing $tests_exe"

# A 2 x 2 PNG image.
printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x02\0\0\0\x02\x08\x02\0\0\0\xfd\xd4\x9as\0\0\0\x16IDATx\x9cc\xf8\xcf\xc0\xf0\x9f\x81\xe1?\x03\xc3\x7f\x06\x06\0\x35\xf6\x08\xfa\x87\x1b\x8d\x9d\0\0\0\0IEND\xaeB`\x82' >"$E2E_TMP/image.png"

run_case() { # case file xclip-arguments...
    local name=$1 file=$2 out=$E2E_TMP/$1.out xclip_pid status
    shift 2
    step "$name"
    helper clear || fail "cannot clear the clipboard"
    TAVRIX_OUTSIDE_CASE=$name "$WINE_RUN" "$tests_exe" \
        --gtest_filter=OutsideClient.MonitorListsWhatXclipPut >"$out" 2>&1 &
    local test_pid=$!
    e2e_background+=("$test_pid")
    for _ in $(seq 1 150); do
        grep -q '^ready' "$out" && break
        sleep 0.1
    done
    grep -q '^ready' "$out" || fail "$name: the test never got ready: $(cat "$out")"
    xclip -quiet -selection clipboard "$@" -i "$file" </dev/null >/dev/null 2>&1 &
    xclip_pid=$!
    e2e_background+=("$xclip_pid")
    wait "$test_pid"
    status=$?
    kill "$xclip_pid" 2>/dev/null
    tr -d '\r' <"$out" | grep -E '^(node|preview|size):|Failure|Expected|Which is|^\[  (PASSED|FAILED)'
    expect_eq "$name: test result" 0 "$status"
}

printf '%s' 'Tavrix outside text ä✓' >"$E2E_TMP/text.txt"
printf '%s' '<b>Tavrix</b> outside html' >"$E2E_TMP/page.html"
run_case text "$E2E_TMP/text.txt"
run_case html "$E2E_TMP/page.html" -t text/html
run_case png "$E2E_TMP/image.png" -t image/png
echo PASS
