#include "base/win32/LibraryOnFirstUse.h"

#include "base/Error.h"

#include <gtest/gtest.h>

namespace tavrix::win32 {
namespace {

std::wstring ErrorOf(auto load) {
    try {
        load();
    } catch (const Error& error) {
        return error.Message();
    }
    return L"(no error)";
}

TEST(LibraryOnFirstUse, LoadsOnceAndNamesWhatIsMissing) {
    const HMODULE library = LibraryOnFirstUse(L"comdlg32.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(LibraryOnFirstUse(L"comdlg32.dll"), library);
    EXPECT_EQ(RoutineOnFirstUse<void*>(L"comdlg32.dll", "GetOpenFileNameW"),
              reinterpret_cast<void*>(GetProcAddress(library, "GetOpenFileNameW")));

    EXPECT_EQ(ErrorOf([] {
                  LibraryOnFirstUse(L"tavrix-missing.dll");
              }).rfind(L"Cannot load tavrix-missing.dll: ", 0),
              0u);
    EXPECT_EQ(ErrorOf([] {
                  RoutineOnFirstUse<void*>(L"comdlg32.dll", "NoSuchRoutine");
              }).rfind(L"Cannot load comdlg32.dll (NoSuchRoutine): ", 0),
              0u);
}

} // namespace
} // namespace tavrix::win32
