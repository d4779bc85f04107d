#!/usr/bin/env bash
# A German Windows session: the display language reported by the system selects the German
# texts, and they reach a window's menu bar and caption unchanged.
source "$(dirname "$0")/lib.sh"

tests_exe=$TAVRIX_BUILD_DIR/tavrix_win32_tests.exe
[ -f "$tests_exe" ] || fail "missing $tests_exe"

step "building the de_DE.UTF-8 locale"
build_locale de_DE

step "the translation under LANG=de_DE.UTF-8"
# A new server picks up the session's language.
WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -k </dev/null >/dev/null 2>&1
WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -w </dev/null >/dev/null 2>&1
output=$(LOCPATH=$locales LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 TAVRIX_EXPECT_UI_LANGUAGE=0x0407 \
    timeout 120 "$WINE_RUN" "$tests_exe" --gtest_filter='DisplayLanguageTest.*' 2>&1)
status=$?
echo "$output" | grep -E '^\[ *(OK|FAILED|SKIPPED|PASSED) *\]|Failure|Expected|Which is' || true
expect_eq "exit code of the German run" 0 "$status"
echo "$output" | grep -q '\[       OK \] DisplayLanguageTest.GermanSessionShowsGermanTexts' ||
    fail "the German check did not run"
WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -k </dev/null >/dev/null 2>&1
WINEPREFIX=$TAVRIX_WINEPREFIX wineserver -w </dev/null >/dev/null 2>&1
echo PASS
