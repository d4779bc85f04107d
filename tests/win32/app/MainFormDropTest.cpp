// Files dropped on the main window: loaded as by "Load...", the first one only.
#include "MainFormFixture.h"

#include "base/win32/KernelHandles.h"
#include "clipboard/win32/ClipboardFileCommands.h"

#include <shlobj.h>

#include <cstring>
#include <filesystem>

namespace tavrix::test {
namespace {

class MainFormDropTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::filesystem::path(temp) / L"tavrix-drop";
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        MainFormTest::TearDown();
        std::filesystem::remove_all(folder_);
    }

    // A clipboard file holding text alone.
    std::wstring SavedText(const std::wstring& fileName, const std::string& text) {
        PutClipboard({{CF_TEXT, TextBlock(text)}});
        const std::wstring path = (folder_ / fileName).wstring();
        EXPECT_TRUE(win32::SaveClipboardFile(ClipboardPort::Instance(), path));
        return path;
    }

    // Drops the names on the window as the shell does: the window frees the list.
    void Drop(const std::vector<std::wstring>& names) {
        std::size_t chars = 1;
        for (const auto& name : names) {
            chars += name.size() + 1;
        }
        HGLOBAL block =
            GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
        ASSERT_NE(block, nullptr);
        auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
        const DROPFILES header{.pFiles = sizeof(DROPFILES), .pt = {}, .fNC = FALSE, .fWide = TRUE};
        std::memcpy(bytes, &header, sizeof(header));
        auto* text = reinterpret_cast<wchar_t*>(bytes + sizeof(DROPFILES));
        for (const auto& name : names) {
            std::memcpy(text, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
            text += name.size() + 1;
        }
        GlobalUnlock(block);
        SendMessageW(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
        WaitUntilShown();
    }

    std::string ClipboardText() {
        std::string text;
        if (OpenClipboard(owner_.get())) {
            if (HANDLE data = GetClipboardData(CF_TEXT)) {
                text = static_cast<const char*>(GlobalLock(data));
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        return text;
    }

    std::filesystem::path folder_;
};

TEST_F(MainFormDropTest, FirstDroppedFileIsLoaded) {
    const std::wstring first = SavedText(L"first.cl7", "first file");
    const std::wstring second = SavedText(L"second.cl7", "second file");
    PutClipboard({{CF_TEXT, TextBlock("before")}});
    CreateForm();
    EXPECT_NE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    Drop({first, second});
    EXPECT_EQ(ClipboardText(), "first file");
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainFormDropTest, FolderOrMissingFileLeavesTheClipboard) {
    PutClipboard({{CF_TEXT, TextBlock("before")}});
    CreateForm();
    Drop({folder_.wstring()});
    Drop({(folder_ / L"missing.cl7").wstring()});
    EXPECT_EQ(ClipboardText(), "before");
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainFormDropTest, UnreadableFileGivesTheLoadError) {
    const std::wstring path = SavedText(L"locked.cl7", "locked");
    PutClipboard({{CF_TEXT, TextBlock("before")}});
    CreateForm();
    // Another program holds the file and shares it with nobody.
    win32::UniqueFile locked(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    Drop({path});
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind(L"Cannot open file \"" + path + L"\". ", 0), 0u);
    EXPECT_EQ(ClipboardText(), "before");
}

} // namespace
} // namespace tavrix::test
