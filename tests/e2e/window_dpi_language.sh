#!/usr/bin/env bash
# The main window at 144 DPI (Wine's LogPixels setting) and in a Japanese session: its size and
# tree width follow the resolution, the Japanese texts reach the tree and the status bar, and a
# screenshot of each goes to <build dir>/screenshots.
source "$(dirname "$0")/lib.sh"
need_display
command -v import >/dev/null || fail "ImageMagick's import is not installed"

restart_wine() {
    WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -k </dev/null >/dev/null 2>&1
    WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -w </dev/null >/dev/null 2>&1
}
reg() {
    "$WINE_RUN" reg "$@" >/dev/null 2>&1
}
# A fresh settings store without the welcome page, so no placement of an earlier run applies.
fresh_settings() {
    reg delete 'HKCU\Software\Norvane\Tavrix' /f
    no_welcome_page
}
# The other tests of this prefix run at the usual resolution.
trap 'reg delete "HKCU\\Control Panel\\Desktop" /v LogPixels /f; e2e_cleanup' EXIT

close_window() {
    helper close Tavrix 10 >/dev/null || fail "cannot close the window"
    tavrix_wait 30
    expect_eq "exit code" 0 "$tavrix_status"
}

step "144 DPI"
fresh_settings
reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f || fail "cannot set LogPixels"
restart_wine
put_known_clipboard
tavrix_start "$TAVRIX_EXE"
helper window Tavrix 60 >/dev/null || fail "no Tavrix window"
out=$(wait_for_window_line "node: Tavrix E2E Format") || fail "the formats never showed: $out"
echo "$out"
# The designed client area of 784 x 522 and tree of 142 pixels, times 1.5.
expect_eq "client area at 144 DPI" "client: 1176 x 783" "$(grep '^client: ' <<<"$out")"
expect_eq "tree width at 144 DPI" 213 "$(sed -n 's/^tree: \([0-9]*\) x.*/\1/p' <<<"$out")"
window_screenshot main-144dpi
close_window
reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f
restart_wine

step "Japanese session"
build_locale ja_JP
export LOCPATH=$locales LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
fresh_settings
restart_wine # a new server picks up the session's language
helper clear || fail "cannot clear the clipboard"
tavrix_start "$TAVRIX_EXE"
helper window Tavrix 60 >/dev/null || fail "no Tavrix window"
out=$(wait_for_window_line "panel 1: クリップボードは空です。") || fail "no Japanese summary: $out"
put_known_clipboard
out=$(wait_for_window_line "node: Tavrix E2E Format") || fail "the formats never showed: $out"
echo "$out"
expect_eq "first node" "プレビュー" "$(sed -n 's/^node: //p' <<<"$out" | head -n 1)"
expect_eq "size panel" "サイズ : 12" "$(sed -n 's/^panel 0: //p' <<<"$out")"
window_screenshot main-ja
close_window
restart_wine
echo PASS
