#!/usr/bin/env bash
# "/?" and "-help" show the help box and do nothing else, also when other switches follow; with
# "/QUIET" the help goes to the standard output the program was given instead, and only when it
# has none (nor a console to attach to) does the box show.
source "$(dirname "$0")/lib.sh"
need_display

expected_box='caption: 
text: /HELP and /?
Shows this information.

Tavrix.exe "FileName.cl7"
It loads the file specified in the command line to the clipboard.

/CLEAR
Clears the clipboard.

/CLOSE
Closes the program.

/SAVE "FileName.cl7"
Saves the clipboard to the file.

/QUIET
Shows no message boxes; errors set the exit code.

/TIMEOUT=<seconds>
Gives up when another program takes longer than this many seconds to deliver one format (1 to 3600; 30 without it).

/LOG "changes.jsonl"
Appends every clipboard change to the file as one line of JSON while the window is open: time, change count, owner, formats and sizes, never the content.
button: OK'

put_known_clipboard
before=$(helper list)
[ -n "$before" ] || fail "the helper's clipboard is empty"

for args in "/?" "-help" "-HeLp /CLEAR /CLOSE" "/CLEAR /?"; do
    step "Tavrix.exe $args"
    # shellcheck disable=SC2086 # the switches are meant to split
    tavrix_start "$TAVRIX_EXE" $args
    box=$(helper dialog 30)
    expect_eq "help box for $args" "$expected_box" "$box"
    tavrix_wait 30
    expect_eq "exit code after the help box ($args)" 0 "$tavrix_status"
    expect_eq "clipboard after $args" "$before" "$(helper list)"
done

step "Tavrix.exe /QUIET /? (the help to standard output, no box)"
tavrix_start "$TAVRIX_EXE" /QUIET /? >"$E2E_TMP/help.txt"
expect_eq "box under /QUIET /?" "no dialog" "$(helper dialog 6 | tr -d '\r')"
tavrix_wait 30
expect_eq "exit code after the quiet help" 0 "$tavrix_status"
expected_text=$(sed -n '/^text: /,/^button: /p' <<<"$expected_box" | sed '1s/^text: //;$d')
expect_eq "help on standard output" "$expected_text" "$(tr -d '\r' <"$E2E_TMP/help.txt")"

step "Tavrix.exe /QUIET /? with nowhere to write (the box shows: the user asked for the help)"
tavrix_start "$TAVRIX_EXE" /QUIET /? >&- 2>&-
expect_eq "help box under /QUIET without output" "$expected_box" "$(helper dialog 30)"
tavrix_wait 30
expect_eq "exit code after the help box under /QUIET" 0 "$tavrix_status"
echo PASS
