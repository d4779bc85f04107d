# Shared by the end-to-end scripts: Tavrix.exe and the test helper under Wine, driven from bash.
# ctest sets TAVRIX_EXE, CLIPHELPER_EXE, WINE_RUN and TAVRIX_BUILD_DIR; run by hand, the
# windows build of this tree is used.
set -u
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
TAVRIX_BUILD_DIR=${TAVRIX_BUILD_DIR:-$e2e_root/build/windows}
TAVRIX_EXE=${TAVRIX_EXE:-$TAVRIX_BUILD_DIR/Tavrix.exe}
CLIPHELPER_EXE=${CLIPHELPER_EXE:-$TAVRIX_BUILD_DIR/cliphelper.exe}
CL7_EXE=${CL7_EXE:-$TAVRIX_BUILD_DIR/tavrix-cl7.exe}
WINE_RUN=${WINE_RUN:-$e2e_root/tools/wine-run.sh}
# One prefix for every copy of the program, wherever the copy lies.
export TAVRIX_WINEPREFIX=${TAVRIX_WINEPREFIX:-$TAVRIX_BUILD_DIR/wineprefix}

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tavrix-e2e.XXXXXX")
e2e_background=()

e2e_cleanup() {
    local pid
    for pid in "${e2e_background[@]}"; do
        kill "$pid" 2>/dev/null
    done
    # Wait for the server to be gone, so that the next test starts a fresh one.
    WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -k </dev/null >/dev/null 2>&1
    WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -w </dev/null >/dev/null 2>&1
    rm -rf "$E2E_TMP" "$E2E_TMP-session"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Message boxes and windows need a display (tools/test.sh runs the tests under xvfb-run).
need_display() {
    [ -n "${DISPLAY:-}" ] || fail "needs a display: run under xvfb-run"
}

step() {
    echo "-- $*"
}

# expect_eq <what> <expected> <actual>
expect_eq() {
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1" >&2
        echo "expected: $(printf '%q' "$2")" >&2
        echo "actual:   $(printf '%q' "$3")" >&2
        exit 1
    fi
}

helper() {
    timeout 60 "$WINE_RUN" "$CLIPHELPER_EXE" "$@"
}

# keep_wine_session: a sleeping helper for the rest of the script. Wine empties its clipboard, and
# its bridge to the X clipboard goes away, when the last Win32 process of the prefix ends.
# It returns once that helper runs: a helper started before it would otherwise be the last
# process when it ends, and take the clipboard with it.
keep_wine_session() {
    local i
    "$WINE_RUN" "$CLIPHELPER_EXE" pid sleep 180000 >"$E2E_TMP-session" &
    e2e_background+=($!)
    for ((i = 0; i < 200; i++)); do
        grep -q '^pid' "$E2E_TMP-session" 2>/dev/null && return
        sleep 0.1
    done
}

# helper_background <arguments...>: the helper in the background, its pid in $helper_pid and its
# output readable line by line with helper_line. One at a time.
helper_background() {
    rm -f "$E2E_TMP/helper-output"
    mkfifo "$E2E_TMP/helper-output"
    "$WINE_RUN" "$CLIPHELPER_EXE" "$@" >"$E2E_TMP/helper-output" &
    helper_pid=$!
    e2e_background+=("$helper_pid")
    exec 3<"$E2E_TMP/helper-output"
}

# helper_line: the background helper's next line of output (empty after 30 s without one).
helper_line() {
    local line=
    read -r -t 30 line <&3
    printf '%s' "${line%$'\r'}"
}

# helper_end: ends the background helper.
helper_end() {
    kill "$helper_pid" 2>/dev/null
    wait "$helper_pid" 2>/dev/null
    exec 3<&-
}

# tavrix <exe> <arguments...>: runs to its end; the exit code is Tavrix's.
tavrix() {
    timeout 60 "$WINE_RUN" "$@"
}

# winname <name>: the file in the test's folder, as a Windows program sees it.
winname() {
    local path=$E2E_TMP/$1
    echo "Z:${path//\//\\}"
}

# tavrix_start <exe> <arguments...>: in the background; the pid is in $tavrix_pid.
tavrix_start() {
    "$WINE_RUN" "$@" &
    tavrix_pid=$!
    e2e_background+=("$tavrix_pid")
}

# tavrix_wait [seconds]: waits for the program started last and sets $tavrix_status to its exit
# code, or to "timeout". (Not in a subshell: only this shell can wait for its children.)
tavrix_wait() {
    local limit=$((${1:-30} * 10)) i
    tavrix_status=timeout
    for ((i = 0; i < limit; i++)); do
        if ! kill -0 "$tavrix_pid" 2>/dev/null; then
            wait "$tavrix_pid"
            tavrix_status=$?
            return
        fi
        sleep 0.1
    done
}

# A copy of Tavrix.exe alone in a fresh folder, for tests that look at files beside it.
tavrix_copy() {
    local dir
    dir=$(mktemp -d "$E2E_TMP/exe.XXXXXX")
    cp "$TAVRIX_EXE" "$dir/Tavrix.exe"
    echo "$dir/Tavrix.exe"
}

# The hex digits of a text in UTF-16LE with its terminating zero: what "helper set 13=" takes.
utf16_hex() {
    printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 | tr -d ' \n'
    printf '0000'
}

# A known clipboard: a Unicode text and a registered format with raw bytes.
put_known_clipboard() {
    helper set "13=$(utf16_hex 'Tavrix e2e ✓')" "Tavrix E2E Format=00ff10" ||
        fail "the helper could not set the clipboard"
}

# ---- the main window, seen from another process ----

# What the helper reads of the Tavrix window: "client:", "tree:", "node:", "selected:" and
# "panel <n>:" lines.
window_contents() {
    helper contents Tavrix 10 | tr -d '\r'
}

# wait_for_window_line <line>: the window's contents once they hold that line (else the last
# ones read, and status 1).
wait_for_window_line() {
    local out
    for _ in $(seq 1 60); do
        out=$(window_contents)
        if grep -qxF "$1" <<<"$out"; then
            echo "$out"
            return 0
        fi
        sleep 0.25
    done
    echo "$out"
    return 1
}

# window_screenshot <name>: the Tavrix window as <build dir>/screenshots/<name>.png.
window_screenshot() {
    local id shots=$TAVRIX_BUILD_DIR/screenshots
    mkdir -p "$shots"
    sleep 0.5 # let the views paint
    id=$(xwininfo -root -tree 2>/dev/null | grep -m1 '"Tavrix' | awk '{print $1}')
    import -window "${id:-root}" "$shots/$1.png" || fail "no screenshot $1"
    echo "screenshot: $shots/$1.png"
}

# no_welcome_page: the first start in this prefix opens no page in the browser.
no_welcome_page() {
    "$WINE_RUN" reg add 'HKCU\Software\Norvane\Tavrix' /v FirstStarted /t REG_DWORD /d 1 /f \
        >/dev/null 2>&1 || fail "cannot write the settings"
}

# build_locale <name, e.g. de_DE>: builds <name>.UTF-8 under $E2E_TMP/locale and sets LOCPATH's
# value in $locales; exits as skipped when the system cannot build it.
build_locale() {
    locales=$E2E_TMP/locale
    mkdir -p "$locales"
    if ! localedef -i "$1" -f UTF-8 "$locales/$1.UTF-8" >/dev/null 2>&1; then
        echo "SKIP: cannot build the $1.UTF-8 locale (localedef or its sources missing)"
        exit 77
    fi
}
