#!/usr/bin/env bash
# What the tool's test scripts share: a scratch folder to work in, and expect.
#   . lib.sh <path of tavrix-cl7> <name of the scratch folder>
cl7=$1
dir=$(mktemp -d "${TMPDIR:-/tmp}/$2.XXXXXX")
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# expect <exit code> <expected output> <what> <command...>: standard output and error together.
expect() {
    local code=$1 output=$2 what=$3 actual status
    shift 3
    actual=$("$cl7" "$@" 2>&1)
    status=$?
    [ "$status" = "$code" ] || fail "$what: exit code $status, expected $code; output: $actual"
    [ "$actual" = "$output" ] || fail "$what: output
$actual
expected
$output"
}
