// Test helper: "another program" for tests that need a second process on the clipboard.
#include <windows.h>

int wmain() {
    return 0;
}
