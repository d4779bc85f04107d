#!/usr/bin/env bash
# With a real outside client: text that xclip put on the desktop clipboard is gone after
# "Tavrix.exe /CLEAR /CLOSE".
source "$(dirname "$0")/lib.sh"
need_display
command -v xclip >/dev/null || fail "xclip is not installed"

keep_wine_session

text="Tavrix xclip text $$"
step "xclip puts \"$text\""
printf '%s' "$text" | xclip -quiet -selection clipboard >/dev/null 2>&1 &
e2e_background+=($!)

for _ in $(seq 1 50); do
    helper list | grep -q '^13	' && break
    sleep 0.2
done
helper list | grep -q '^13	' || fail "the X text never reached Wine's clipboard"
helper get 13 "$E2E_TMP/text.bin" || fail "cannot read the bridged text"
expect_eq "bridged text" "$text" "$(iconv -f UTF-16LE -t UTF-8 "$E2E_TMP/text.bin" | tr -d '\0')"
expect_eq "xclip -o before" "$text" "$(timeout 10 xclip -o -selection clipboard)"

step "Tavrix.exe /CLEAR /CLOSE"
tavrix "$TAVRIX_EXE" /CLEAR /CLOSE
expect_eq "exit code" 0 $?

sleep 0.5
after=$(timeout 10 xclip -o -selection clipboard 2>/dev/null)
[ "$after" != "$text" ] || fail "xclip still returns the text"
expect_eq "formats after the clear" 0 "$(helper count)"
echo PASS
