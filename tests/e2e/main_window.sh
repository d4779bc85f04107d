#!/usr/bin/env bash
# With real outside clients: Tavrix.exe runs with its window while xclip puts a text, an HTML
# fragment, a PNG image and a BMP picture on the desktop clipboard in turn. After each, the
# helper reads the window's format tree and status bar from its own process, and a screenshot
# of the window goes to <build dir>/screenshots (with TAVRIX_UPDATE_DOCS=1 the text one also to
# docs/main-window.png, which the README shows). The "HTML Format" block Wine's bridge made is kept and handed to the Win32
# test program, which checks that Preview shows exactly the fragment. Then Tavrix.exe starts with a clipboard file saved by the program's own writer
# and shows the formats it loaded.
source "$(dirname "$0")/lib.sh"
need_display
command -v xclip >/dev/null || fail "xclip is not installed"
command -v import >/dev/null || fail "ImageMagick's import is not installed"
CLIPFILETOOL_EXE=${CLIPFILETOOL_EXE:-$TAVRIX_BUILD_DIR/clipfiletool.exe}

no_welcome_page

nodes() { grep '^node: ' <<<"$1" | sed 's/^node: //' | paste -sd'|'; }
panel() { sed -n "s/^panel $2: //p" <<<"$1"; }

# xclip_puts <file> <xclip arguments...>: xclip serves the file until the next one replaces it.
xclip_puts() {
    local file=$1
    shift
    xclip -quiet -selection clipboard "$@" -i "$file" </dev/null >/dev/null 2>&1 &
    e2e_background+=($!)
}

helper clear || fail "cannot clear the clipboard"
step "Tavrix.exe starts on an empty clipboard"
tavrix_start "$TAVRIX_EXE"
helper window Tavrix 60 >/dev/null || fail "no Tavrix window"
out=$(wait_for_window_line "panel 1: Clipboard is Empty.") || fail "not empty: $out"
expect_eq "nodes of an empty clipboard" "" "$(nodes "$out")"
expect_eq "size of an empty clipboard" "Size : 0" "$(panel "$out" 0)"
window_screenshot main-empty

step "xclip puts a text"
text='Tavrix outside text ä✓'
printf '%s' "$text" >"$E2E_TMP/text.txt"
xclip_puts "$E2E_TMP/text.txt"
out=$(wait_for_window_line "node: Unicode Text Format") || fail "the text never showed: $out"
echo "$out"
expect_eq "nodes of the text" "Preview|Unicode Text Format|Locale Identifier|Text|OEM Text" \
    "$(nodes "$out")"
expect_eq "selected node" "selected: Preview" "$(grep '^selected: ' <<<"$out")"
expect_eq "size of the text" "Size : ${#text}" "$(panel "$out" 0)"
window_screenshot main-text
# The README shows the main window with this text; a test run leaves the tracked picture alone.
if [ "${TAVRIX_UPDATE_DOCS:-}" = 1 ]; then
    cp "$TAVRIX_BUILD_DIR/screenshots/main-text.png" "$e2e_root/docs/main-window.png" ||
        fail "cannot copy the screenshot to docs/"
fi

step "xclip puts an HTML fragment"
fragment='<p><b>Tavrix</b> outside <i>HTML</i> – ä✓</p>'
printf '%s' "$fragment" >"$E2E_TMP/page.html"
xclip_puts "$E2E_TMP/page.html" -t text/html
out=$(wait_for_window_line "node: HTML Format") || fail "the HTML never showed: $out"
echo "$out"
expect_eq "nodes of the HTML" "Preview|HTML Format" "$(nodes "$out")"
window_screenshot main-html
html_format=$(helper list | tr -d '\r' | awk -F'\t' '$2 == "HTML Format" { print $1 }')
[ -n "$html_format" ] || fail "no HTML Format on the clipboard"
helper get "$html_format" "$E2E_TMP/bridge-html.bin" || fail "cannot read the HTML Format block"
echo "the bridge's HTML Format block:"
tr -d '\0' <"$E2E_TMP/bridge-html.bin"
echo
# Preview shows the fragment's text, its size is its length in UTF-16 units. The bridge's
# fragment is the data xclip gave followed by a line feed of the bridge's own.
expect_eq "size of the HTML fragment" "Size : $((${#fragment} + 1))" "$(panel "$out" 0)"
printf '%s\n' "$fragment" >"$E2E_TMP/fragment.txt"
TAVRIX_BRIDGE_HTML="$E2E_TMP/bridge-html.bin" TAVRIX_BRIDGE_FRAGMENT="$E2E_TMP/fragment.txt" \
    timeout 120 "$WINE_RUN" "$TAVRIX_BUILD_DIR/tavrix_win32_tests.exe" \
    --gtest_filter=MainFormTest.BridgeHtmlShowsItsFragmentInPreview >"$E2E_TMP/html.log" 2>&1 ||
    { cat "$E2E_TMP/html.log"; fail "Preview does not show the bridge's fragment"; }
grep -q '\[  PASSED  \] 1 test' "$E2E_TMP/html.log" || { cat "$E2E_TMP/html.log"; fail "not run"; }

step "xclip puts a PNG image"
# 160 x 120 pixels drawn by ImageMagick, the left third clear and the middle one half clear.
convert -size 160x120 gradient:'#2060c0-#f0c020' -alpha set -channel A \
    -fx 'i<w/3?0:(i<2*w/3?0.5:1)' +channel -depth 8 "$E2E_TMP/image.png" || fail "convert failed"
xclip_puts "$E2E_TMP/image.png" -t image/png
out=$(wait_for_window_line "node: PNG") || fail "the PNG never showed: $out"
echo "$out"
expect_eq "nodes of the PNG" "Preview|PNG" "$(nodes "$out")"
expect_eq "Preview of the PNG" "160 x 120" "$(panel "$out" 1)"
expect_eq "size of the PNG" "Size : $(stat -c %s "$E2E_TMP/image.png")" "$(panel "$out" 0)"
window_screenshot main-png

step "xclip puts a BMP picture"
convert "$E2E_TMP/image.png" -alpha off -type TrueColor "BMP3:$E2E_TMP/image.bmp" ||
    fail "convert failed"
xclip_puts "$E2E_TMP/image.bmp" -t image/bmp
out=$(wait_for_window_line "node: Bitmap DIB") || fail "the picture never showed: $out"
expect_eq "Preview of the BMP" "160 x 120" "$(panel "$out" 1)"
echo "$out"
expect_eq "nodes of the BMP" "Preview|Bitmap DIB|Bitmap|Bitmap DIBV5" "$(nodes "$out")"
window_screenshot main-bmp

step "closing the window"
helper close Tavrix 10 >/dev/null || fail "cannot close the window"
tavrix_wait 30
expect_eq "exit code" 0 "$tavrix_status"

step "Tavrix.exe starts with a clipboard file"
put_known_clipboard
timeout 60 "$WINE_RUN" "$CLIPFILETOOL_EXE" save "$E2E_TMP/known" || fail "the save failed"
helper clear || fail "cannot clear the clipboard"
tavrix_start "$TAVRIX_EXE" "$E2E_TMP/known.cl7"
helper window Tavrix 60 >/dev/null || fail "no Tavrix window"
out=$(wait_for_window_line "node: Tavrix E2E Format") || fail "the file's formats never showed: $out"
echo "$out"
expect_eq "nodes of the loaded file" \
    "Preview|Unicode Text Format|Locale Identifier|Text|OEM Text|Tavrix E2E Format" \
    "$(nodes "$out")"
window_screenshot main-cl7
helper close Tavrix 10 >/dev/null || fail "cannot close the window"
tavrix_wait 30
expect_eq "exit code" 0 "$tavrix_status"
echo PASS
