#!/usr/bin/env bash
# With a real outside client: what xclip put on the desktop clipboard (plain text, then HTML) is
# saved to a clipboard file by the program's writer; after "Tavrix.exe /CLEAR /CLOSE" and
# "Tavrix.exe <file> /CLOSE", xclip reads the original bytes back.
source "$(dirname "$0")/lib.sh"
need_display
command -v xclip >/dev/null || fail "xclip is not installed"
CLIPFILETOOL_EXE=${CLIPFILETOOL_EXE:-$TAVRIX_BUILD_DIR/clipfiletool.exe}

keep_wine_session

# round <target> <pattern of the bridged format's "helper list" line> <content>
round() {
    local target=$1 bridged=$2 content=$3 file
    step "xclip -t $target puts $(printf '%q' "$content")"
    printf '%s' "$content" | xclip -quiet -selection clipboard -t "$target" >/dev/null 2>&1 &
    e2e_background+=($!)
    for _ in $(seq 1 50); do
        helper list | grep -q "$bridged" && break
        sleep 0.2
    done
    helper list | grep -q "$bridged" || fail "$target never reached Wine's clipboard"

    file="$E2E_TMP/saved-${target//\//-}"
    step "save to $file (.cl7 appended)"
    timeout 60 "$WINE_RUN" "$CLIPFILETOOL_EXE" save "$file" || fail "the save failed"
    [ -s "$file.cl7" ] || fail "no file $file.cl7"
    [ ! -e "$file" ] || fail "saved without the extension"

    step "Tavrix.exe /CLEAR /CLOSE"
    tavrix "$TAVRIX_EXE" /CLEAR /CLOSE
    expect_eq "exit code of the clear" 0 $?
    expect_eq "formats after the clear" 0 "$(helper count)"

    step "Tavrix.exe $file.cl7 /CLOSE"
    tavrix "$TAVRIX_EXE" "$file.cl7" /CLOSE
    expect_eq "exit code of the load" 0 $?
    helper list | grep -q "$bridged" || fail "the load did not bring back $bridged"
    expect_eq "xclip -o -t $target after the load" "$content" \
        "$(timeout 10 xclip -o -selection clipboard -t "$target")"
}

round UTF8_STRING "^13	" "Tavrix round trip ✓ $$"
round text/html "	HTML Format	" "<p>Tavrix <b>round</b> trip $$</p>"
echo PASS
