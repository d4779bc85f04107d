#include "ui/win32/RichEdit.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "base/win32/LibraryOnFirstUse.h"
#include "base/win32/SystemErrorText.h"

#include <richedit.h>

#include <algorithm>
#include <vector>

namespace tavrix::win32 {

namespace {

void LoadRichEditLibrary() {
    // The window class lives in the library.
    LibraryOnFirstUse(L"msftedit.dll");
}

struct StreamSource {
    std::span<const std::uint8_t> data;
    std::size_t offset = 0;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    std::size_t left = source->data.size() - source->offset;
    std::size_t count = std::min<std::size_t>(left, static_cast<std::size_t>(wanted));
    std::copy_n(source->data.data() + source->offset, count, buffer);
    source->offset += count;
    *given = static_cast<LONG>(count);
    return 0;
}

} // namespace

void RichEdit::Create(HWND parent, int id) {
    LoadRichEditLibrary();
    handle_ = CreateWindowExW(0, MSFTEDIT_CLASS, L"",
                              WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                  ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                              0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
    if (handle_ == nullptr) {
        ThrowLastError(Tr(L"Cannot create the rich edit control.") + L" ");
    }
    // A line width of 1 twip turns word wrap off.
    SendMessageW(handle_, EM_SETTARGETDEVICE, 0, 1);
    SendMessageW(handle_, EM_AUTOURLDETECT, TRUE, 0);
    SendMessageW(handle_, EM_SETEVENTMASK, 0, ENM_LINK);
    SendMessageW(handle_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
}

void RichEdit::LoadRtf(std::span<const std::uint8_t> rtf) {
    StreamSource source{rtf, 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadChunk;
    SendMessageW(handle_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError != 0) {
        throw Error(Tr(L"Cannot read rich text"));
    }
}

int RichEdit::TextLengthByLines() const {
    int lines = static_cast<int>(SendMessageW(handle_, EM_GETLINECOUNT, 0, 0));
    int total = 0;
    for (int i = 0; i < lines; ++i) {
        LRESULT start = SendMessageW(handle_, EM_LINEINDEX, static_cast<WPARAM>(i), 0);
        if (start < 0) {
            break;
        }
        total +=
            static_cast<int>(SendMessageW(handle_, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
        total += 2;
    }
    return total;
}

std::wstring RichEdit::Text() const {
    int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

bool RichEdit::IsLinkClick(const NMHDR& header, std::wstring& link, bool& leftButton) const {
    if (header.hwndFrom != handle_ || header.code != EN_LINK) {
        return false;
    }
    const auto& info = reinterpret_cast<const ENLINK&>(header);
    if (info.msg != WM_LBUTTONUP && info.msg != WM_RBUTTONUP && info.msg != WM_MBUTTONUP) {
        return false;
    }
    LONG length = info.chrg.cpMax - info.chrg.cpMin;
    if (length <= 0 || length > 0x10000) {
        return false;
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    TEXTRANGEW range{};
    range.chrg = info.chrg;
    range.lpstrText = buffer.data();
    SendMessageW(handle_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    link = buffer.data();
    leftButton = info.msg == WM_LBUTTONUP;
    return true;
}

} // namespace tavrix::win32
