#!/usr/bin/env bash
# Runs a Windows executable under Wine in a prefix private to the build directory.
# Used as CMake's cross-compiling emulator and by the scripts in tools/ and tests/e2e/.
#   wine-run.sh program.exe [arguments...]
# Environment: TAVRIX_WINEPREFIX overrides the prefix (default: <build dir>/wineprefix, where the
# build dir is the nearest folder above the program that holds CMakeCache.txt). A program given
# by name alone (such as Wine's own "reg") needs TAVRIX_WINEPREFIX.
set -u
exe=$1
shift

if [ -z "${TAVRIX_WINEPREFIX:-}" ] && [ "${exe#*/}" = "$exe" ]; then
    echo "wine-run.sh: a program given by name ($exe) needs TAVRIX_WINEPREFIX" >&2
    exit 2
fi
if [ -z "${TAVRIX_WINEPREFIX:-}" ]; then
    dir=$(cd "$(dirname "$exe")" && pwd)
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ "$dir" = / ] && dir=$(cd "$(dirname "$exe")" && pwd)
    TAVRIX_WINEPREFIX=$dir/wineprefix
fi
export WINEPREFIX=$TAVRIX_WINEPREFIX
# Quiet unless a test asks for one of Wine's traces (TAVRIX_WINEDEBUG=+loaddll).
export WINEDEBUG=${TAVRIX_WINEDEBUG:--all}
# A test may add its own (TAVRIX_WINEDLLOVERRIDES="version=n,b").
export WINEDLLOVERRIDES="mscoree,mshtml=${TAVRIX_WINEDLLOVERRIDES:+;$TAVRIX_WINEDLLOVERRIDES}"
export WINEARCH=win64

# Debian installs the 64-bit loader as /usr/lib/wine/wine64; its "wine" wrapper would also
# look for the 32-bit one and say so on standard error.
wine_bin=$(command -v wine64 || { [ -x /usr/lib/wine/wine64 ] && echo /usr/lib/wine/wine64; } || command -v wine)

server_socket() {
    local id
    id=$(stat -c '%d %i' "$WINEPREFIX" 2>/dev/null) || return 1
    set -- $id
    printf '/tmp/.wine-%s/server-%x-%x/socket' "$(id -u)" "$1" "$2"
}

# Creating a prefix takes several seconds; serialise it between parallel callers.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            wineboot -i </dev/null >/dev/null 2>&1 9>&-
            wineserver -w </dev/null >/dev/null 2>&1 9>&-
        fi
    ) 9>"$WINEPREFIX.lock"
fi

# A server started without a display cannot create top-level windows later, so restart it when
# DISPLAY changes. The server and Wine's background services get /dev/null as their standard
# streams: if they inherited ours, whoever reads our output would wait for them to exit.
# Callers that start together (a test's background holder and its program) take turns here, so
# that one of them starts the server and its services and the others find them running. The lock
# is not handed down to the server or the services.
marker=$WINEPREFIX/.tavrix-display
(
    flock 9
    if [ "$(cat "$marker" 2>/dev/null)" != "${DISPLAY:-none}" ]; then
        wineserver -k </dev/null >/dev/null 2>&1 9>&-
        wineserver -w </dev/null >/dev/null 2>&1 9>&-
        echo "${DISPLAY:-none}" >"$marker"
    fi
    if [ ! -S "$(server_socket)" ]; then
        wineserver -p30 </dev/null >/dev/null 2>&1 9>&-
        "$wine_bin" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
) 9>"$WINEPREFIX.lock"

exec "$wine_bin" "$exe" "$@"
