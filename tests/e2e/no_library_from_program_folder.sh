#!/usr/bin/env bash
# No library comes from the program's folder or the current one. Marker libraries named like each
# library the program loads lie beside a copy of Tavrix.exe and in the folder it runs in, with
# Wine told to prefer a file of that name to its own; the program starts, shows a PNG in Preview
# and an RTF in its rich text view, runs About, opens and cancels the file dialog, closes, and
# saves with "/SAVE". No marker may have run (each leaves "<name>.dll.ran" when it does).
source "$(dirname "$0")/lib.sh"
need_display
command -v convert >/dev/null || fail "ImageMagick's convert is not installed"
markers_dir=$TAVRIX_BUILD_DIR/markers

# Loaded by Wine's own libraries while the process starts, before the program's first
# instruction (seen with WINEDEBUG=+loaddll): no program can choose where those come from, so a
# marker of that name would show Wine's start, not Tavrix's.
#   version: imported by Wine's gdi32 (through its font code) in every process.
#   uxtheme: loaded by Wine's user32 for the window themes in every process that imports it.
preloaded_by_wine="version uxtheme"

libraries=
for marker in "$markers_dir"/*.dll; do
    name=$(basename "$marker" .dll)
    [[ " $preloaded_by_wine " == *" $name "* ]] || libraries+="$name "
done
[ -n "$libraries" ] || fail "no marker libraries in $markers_dir"
echo "markers: $libraries"

exe=$(tavrix_copy)
program_dir=$(dirname "$exe")
current_dir=$E2E_TMP/current
mkdir -p "$current_dir"
overrides=
for name in $libraries; do
    cp "$markers_dir/$name.dll" "$program_dir/" && cp "$markers_dir/$name.dll" "$current_dir/" ||
        fail "cannot place the marker $name.dll"
    overrides+="${overrides:+,}$name"
done
export TAVRIX_WINEDLLOVERRIDES="$overrides=n,b"

# markers_ran: the markers that ran so far, as "<folder>/<name>" (empty when none did).
markers_ran() {
    (cd "$E2E_TMP" && ls exe.*/*.ran current/*.ran 2>/dev/null | sed 's/\.dll\.ran$//' | paste -sd' ')
}

# A step that fails also says which markers had run by then: a planted library breaks the program.
step_failed() {
    fail "$* (markers that ran: $(markers_ran))"
}

step "a marker loaded by its full name runs (the markers work)"
timeout 60 "$WINE_RUN" rundll32.exe "$(winname current/msftedit.dll)",DllMain >/dev/null 2>&1
expect_eq "markers after rundll32" "current/msftedit" "$(markers_ran)"
rm -f "$current_dir"/*.ran

no_welcome_page
printf '{\\rtf1\\ansi {\\b Tavrix} rich text}' >"$E2E_TMP/text.rtf"
convert -size 32x24 gradient:'#2060c0-#f0c020' "$E2E_TMP/image.png" || fail "convert failed"
helper set "PNG=@$(winname image.png)" || fail "cannot put the PNG"

step "start-up and a PNG in Preview"
(cd "$current_dir" && TAVRIX_WINEDEBUG=+loaddll exec "$WINE_RUN" "$exe" 2>"$E2E_TMP/loads.txt") &
tavrix_pid=$!
e2e_background+=("$tavrix_pid")
out=$(wait_for_window_line "panel 1: 32 x 24") || step_failed "Preview never showed the PNG: $out"

step "an RTF in the rich text view"
helper set "Rich Text Format=@$(winname text.rtf)" || step_failed "cannot put the RTF"
out=$(wait_for_window_line "node: Rich Text Format") || step_failed "the RTF never showed: $out"
helper select Tavrix 10 1 "Rich Text Format" >/dev/null || step_failed "cannot select the RTF"

step "About"
helper command Tavrix 10 120 >/dev/null || step_failed "cannot run About"

step "the file dialog, opened and cancelled"
helper command Tavrix 10 101 >/dev/null || step_failed "cannot run Load"
helper window Open 30 || step_failed "no file dialog"
helper close Open 10 >/dev/null || step_failed "cannot cancel the file dialog"
helper close Tavrix 10 >/dev/null || step_failed "cannot close the window"
tavrix_wait 30
[ "$tavrix_status" = 0 ] || step_failed "exit code of the window: $tavrix_status"

step "Tavrix.exe /SAVE"
(cd "$current_dir" && tavrix "$exe" /SAVE "$(winname saved)" /CLOSE)
[ $? = 0 ] || step_failed "/SAVE failed"
[ -f "$E2E_TMP/saved.cl7" ] || step_failed "no saved.cl7"

expect_eq "markers that ran" "" "$(markers_ran)"
# The run asked for every library a marker is named for, and got the system's.
loaded=$(grep -o 'Loaded L"[^"]*"' "$E2E_TMP/loads.txt" | sed 's/^Loaded L"//; s/"$//; s/\\\\/\//g' |
    tr 'A-Z' 'a-z')
for name in $libraries; do
    grep -qx "c:/windows/.*/$name\.dll" <<<"$loaded" ||
        fail "the window never loaded $name.dll from the system folder: $(paste -sd' ' <<<"$loaded")"
done
echo PASS
