#!/usr/bin/env bash
# The script paths ("/CLOSE", "/CLEAR", "/SAVE", loading a file) load none of the libraries only
# the window needs: common dialogs, shell, COM, imaging, rich edit.
source "$(dirname "$0")/lib.sh"

gui_libraries="comdlg32.dll shell32.dll ole32.dll oleaut32.dll windowscodecs.dll msftedit.dll"

# expect_no_gui_libraries <arguments...>: runs Tavrix.exe with Wine's library-load trace and
# checks what its main thread loaded.
expect_no_gui_libraries() {
    step "Tavrix.exe $*"
    TAVRIX_WINEDEBUG=+loaddll tavrix "$TAVRIX_EXE" "$@" 2>"$E2E_TMP/trace.txt"
    expect_eq "exit code of $*" 0 $?
    local thread loaded library
    thread=$(grep -m1 -i 'Loaded L"[^"]*Tavrix\.exe"' "$E2E_TMP/trace.txt" | cut -d: -f1)
    [ -n "$thread" ] || fail "no library-load trace for Tavrix.exe"
    loaded=$(grep "^$thread:" "$E2E_TMP/trace.txt" | grep -o 'Loaded L"[^"]*"' |
        sed 's/.*\\//; s/"$//' | tr 'A-Z' 'a-z' | sort -u | tr '\n' ' ')
    [[ " $loaded" == *" user32.dll "* ]] || fail "the trace misses user32.dll: $loaded"
    for library in $gui_libraries; do
        [[ " $loaded" != *" $library "* ]] || fail "$* loaded $library ($loaded)"
    done
}

put_known_clipboard
expect_no_gui_libraries /CLOSE
expect_no_gui_libraries /SAVE "$(winname saved)" /CLOSE
expect_no_gui_libraries "$(winname saved.cl7)" /CLOSE
expect_no_gui_libraries /CLEAR /CLOSE
echo PASS
