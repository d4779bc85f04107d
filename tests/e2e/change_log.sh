#!/usr/bin/env bash
# The change log with /LOG: every change another program makes is a JSON line naming the program
# and its pid (or no owner window), an emptying says so, a text that asks to stay out of clipboard
# history is marked, and a burst of 1,000 changes in 10 s leaves 1,000 lines. A log file that
# cannot be written ends the program before its window opens. The window's saved CSV reads back
# with a CSV reader to the cells it shows.
source "$(dirname "$0")/lib.sh"
need_display
no_welcome_page
keep_wine_session

step "/LOG into a folder that does not exist"
tavrix "$TAVRIX_EXE" /QUIET /LOG "$(winname 'no such folder/changes.jsonl')" 2>"$E2E_TMP/err.txt"
expect_eq "exit code" 1 $?
grep -q 'Cannot write the log ".*changes.jsonl": ' <(tr -d '\r' <"$E2E_TMP/err.txt") ||
    fail "no such error: $(cat "$E2E_TMP/err.txt")"
if helper window "Change log" 1 >/dev/null 2>&1 || helper window "Tavrix " 1 >/dev/null 2>&1; then
    fail "a window opened"
fi

step "/LOG with /CLOSE is refused"
tavrix "$TAVRIX_EXE" /QUIET /LOG "$(winname refused.jsonl)" /CLOSE 2>"$E2E_TMP/err.txt"
expect_eq "exit code" 1 $?
expect_eq "message" "/LOG needs the window: leave out /CLOSE" "$(tr -d '\r\n' <"$E2E_TMP/err.txt")"
[ ! -e "$E2E_TMP/refused.jsonl" ] || fail "the refused log was made"

step "three changes, two emptyings, a private text and a burst of 1,000 changes"
put_known_clipboard
tavrix_start "$TAVRIX_EXE" /LOG "$(winname changes.jsonl)"
wait_for_window_line "selected: Preview" >/dev/null || fail "the window did not come up"
pid=$(helper pid own 300 "13=$(utf16_hex one)" own 300 "13=$(utf16_hex two)" \
    own 300 "13=$(utf16_hex three)" own 300 | tr -d '\r' | sed -n 's/^pid //p')
helper clearbare
helper own 300 "13=$(utf16_hex secret)" "ExcludeClipboardContentFromMonitorProcessing=00" >/dev/null
helper command "Tavrix " 10 123 >/dev/null || fail "no window for Ctrl+L"
helper window "Change log - Tavrix" 10 >/dev/null || fail "the change log did not open"
sleep 1
mkdir -p "$TAVRIX_BUILD_DIR/screenshots"
id=$(xwininfo -root -tree 2>/dev/null | grep -m1 '"Change log - Tavrix"' | awk '{print $1}')
import -window "${id:-root}" "$TAVRIX_BUILD_DIR/screenshots/change-log.png" &&
    echo "screenshot: $TAVRIX_BUILD_DIR/screenshots/change-log.png"
start=$(date +%s%N)
last=$(helper burst 1000 10000 | tr -d '\r' | sed -n 's/^seq //p')
echo "burst: $(( ($(date +%s%N) - start) / 1000000 )) ms, last change count $last"
# Answering while the burst ran, and all of it written once the window closes.
worst=$(helper answer Tavrix 10 10 50 | tr -d '\r' | sort -n | tail -1)
echo "worst answer after the burst: $worst ms"
closing=$(date +%s%N)
helper close Tavrix 10 >/dev/null || fail "no window to close"
tavrix_wait 60
echo "closed after $(( ($(date +%s%N) - closing) / 1000000 )) ms"
expect_eq "exit code" 0 "$tavrix_status"

python3 - "$E2E_TMP/changes.jsonl" "$pid" "$last" <<'PY' || fail "the log is not what happened"
import json, sys
path, pid, last = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rows = [json.loads(line) for line in open(path, encoding="utf-8")]
def owner(row):
    return (row["owner"]["exe"].lower(), row["owner"]["pid"]) if row["owner"] else None
for row in rows[:8]:
    print(row["seq"], owner(row), row["empty"], row["excluded"], len(row["formats"] or []))
mine = [r for r in rows if owner(r) == ("cliphelper.exe", pid)]
assert len(mine) == 4, mine
assert [r["empty"] for r in mine] == [False, False, False, True], mine
assert mine[0]["seq"] < mine[1]["seq"] < mine[2]["seq"] < mine[3]["seq"]
assert all(13 in [f["id"] for f in r["formats"]] for r in mine[:3])
after = rows.index(mine[3]) + 1
cleared, private = rows[after], rows[after + 1]
assert cleared["owner"] is None and cleared["empty"] is True, cleared
assert private["excluded"] is True and private["cloud"] is False, private
assert "secret" not in open(path, encoding="utf-8").read()
burst = rows[after + 2:]
seqs = [r["seq"] for r in burst]
print("burst lines:", len(burst), "first", seqs[0], "last", seqs[-1], "system", last)
assert len(burst) == 1000, len(burst)
# In their order; a notification handled after the next change was made names that change's
# count (the system's notification carries none), so a count may repeat, never go back.
assert all(a <= b for a, b in zip(seqs, seqs[1:])), "the counts go back"
print("counts named by a later notification too:", sum(a == b for a, b in zip(seqs, seqs[1:])))
assert seqs[-1] == last
assert all(r["formats"] is not None for r in burst[-1:])
PY

step "the window's saved log reads back to its cells"
mkdir -p "$E2E_TMP/saved"
TAVRIX_CHANGE_LOG_OUT=$(winname saved) timeout 120 "$WINE_RUN" \
    "$TAVRIX_BUILD_DIR/tavrix_win32_tests.exe" \
    --gtest_filter=MainFormTest.ChangeLogListsEveryChangeWithItsOwnerAndGivesWhatItShows \
    >"$E2E_TMP/gtest.txt" 2>&1 || fail "the window's test failed: $(tail -20 "$E2E_TMP/gtest.txt")"
python3 - "$E2E_TMP/saved" <<'PY' || fail "the CSV does not read back to the cells"
import csv, sys
folder = sys.argv[1]
with open(folder + "/tavrix-change-log.csv", encoding="utf-8-sig", newline="") as f:
    cells = list(csv.reader(f))
with open(folder + "/tavrix-change-log.tsv", encoding="utf-8", newline="") as f:
    shown = [line.split("\t") for line in f.read().split("\r\n") if line]
print(cells[:3])
assert cells == shown, (cells, shown)
assert any('"quoted"' in row[5] for row in cells)
PY
echo PASS
