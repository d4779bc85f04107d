// Test helper: "another program" for tests that need a second process on the clipboard or on
// Tavrix's message boxes. Commands run one after the other, in one process:
//
//   hold <ms>                 open the clipboard, print "holding", keep it open <ms> ms, close
//   holdbare <ms>             the same, opened for no window
//   pid                       print "pid " and this process's id
//   set <fmt>=<data> ...      open, empty, put every given format, close (one clipboard change)
//                             <fmt>: a number (decimal or 0x hex) or a name to register
//                             <data>: hex digits, or @path for a file's bytes
//                             formats 2 (bytes of a DIB), 9 (a LOGPALETTE) and 14 (EMF file bytes)
//                             become the GDI objects the clipboard expects for them
//   own <ms> <fmt>=<data> ... like set, then print "owning" and keep the window that put the
//                             data (the clipboard's owner) for <ms> ms, answering its messages
//   delay <ms> <render> <fmt>=<data> ...
//                             like own, but the formats are offered by delayed rendering: each
//                             is made when asked for (WM_RENDERFORMAT), <render> ms after the
//                             request, as a busy program would; prints "owning"
//   ownbig <ms> <fmt> <MiB> [<fmt>=<data> ...]
//                             like own, with a format of <MiB> MiB (a repeating byte pattern)
//                             after the other formats given
//   answer <prefix> <seconds> <samples> <pause>
//                             the same window, then send it a message <samples> times, <pause>
//                             ms apart, and print the milliseconds each took to be answered
//   watch <prefix> <seconds> <ms>
//                             the same window, then for <ms> ms print each new text of its status
//                             bar's first panel (looked at every 20 ms)
//   burst <count> <ms>        with one window, put <count> texts ("burst 1", …) spread over <ms>
//                             ms (one clipboard change each), then print "seq " and the system's
//                             change count
//   clear                     open, empty, close
//   clearbare                 the same, opened for no window (the clipboard is left without an
//                             owner)
//   list                      one line per offered format: number TAB registered name TAB size
//                             (size "-" for data that is not a memory block or is not supplied)
//   get <fmt> <path>          write a format's memory block to a file (format 14: the
//                             enhanced metafile's bits)
//   count                     print the number of offered formats
//   sleep <ms>                stay alive (keeps the clipboard bridge to X11 running)
//   lock <path> <ms>          open the file allowing no other opener, print "locked", keep it
//                             open <ms> ms
//   stamp                     print the system time in milliseconds since 1970
//   dialog <seconds>          wait for another process's dialog box (class #32770), print its
//                             caption, the text of its static controls and its buttons, then
//                             press its first button
//   window <prefix> <seconds> wait for another process's visible top-level window whose caption
//                             starts with <prefix> and print its caption
//   close <prefix> <seconds>  the same, then ask that window to close
//   command <prefix> <seconds> <id>
//                             the same, then post it the menu command <id> (WM_COMMAND)
//   contents <prefix> <seconds> the same, then print its tree items, selected item and status
//                             bar panels
//   select <prefix> <seconds> <rounds> [<item>]
//                             the same, then select each top-level tree item in turn, <rounds>
//                             times over, beginning after the selected item; or only the item
//                             with the given text, once per round (the first item selected before
//                             it when it is selected already); per selection print the
//                             milliseconds until the window has painted again, those until the
//                             selection returned, and the item's text (tab-separated)
//
// Output is UTF-8. Exit code 0 on success, 1 on a failed command, 2 when dialog times out.
#include "WindowReader.h"
#include "base/win32/ClipboardSession.h"
#include "base/win32/GdiObjects.h"
#include "base/win32/GlobalBlock.h"
#include "base/win32/GlobalLockView.h"
#include "base/win32/KernelHandles.h"
#include "base/win32/WindowDC.h"
#include "support/TestWindow.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using tavrix::test::MessageOnlyWindow;
using tavrix::test::TestWindow;
using tavrix::win32::GlobalLockView;
using tavrix::win32::UniqueFile;
using tavrix::win32::WindowDC;
using Bytes = std::vector<std::uint8_t>;

// A failed command; the text goes to stderr.
struct Failure {
    std::wstring text;
};

[[noreturn]] void Fail(std::wstring text) {
    throw Failure{std::move(text)};
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

// Writes straight to the handle, unbuffered, so a reader sees "holding" before the hold ends.
void Write(DWORD stream, const std::wstring& text) {
    std::string bytes = ToUtf8(text);
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

void Print(const std::wstring& line) {
    Write(STD_OUTPUT_HANDLE, line + L"\n");
}

// ---- owners of the resources used here ----

// A hidden message-only window that opens the clipboard. Opening on behalf of no window would
// not keep other programs out under Wine: there every open without a window counts as the same
// opener, whatever the process.
TestWindow ClipboardWindow() {
    TestWindow window = MessageOnlyWindow(L"cliphelper");
    if (!window) {
        Fail(L"cannot create a window");
    }
    return window;
}

class ClipboardSession {
public:
    // Another program may hold the clipboard for a moment; retry for up to two seconds. Opened
    // for owner, or for a window of its own.
    explicit ClipboardSession(HWND owner = nullptr) {
        if (owner == nullptr) {
            window_ = ClipboardWindow();
            owner = window_.get();
        }
        for (int attempt = 0; attempt < 200; ++attempt) {
            open_ = tavrix::win32::OpenClipboardSession(owner);
            if (open_) {
                return;
            }
            Sleep(10);
        }
        Fail(L"cannot open the clipboard");
    }

private:
    TestWindow window_;
    std::optional<tavrix::win32::ClipboardSession> open_; // closes before the window goes
};

// ---- arguments ----

unsigned ParseNumber(const std::wstring& text, const wchar_t* what) {
    wchar_t* end = nullptr;
    unsigned long value = std::wcstoul(text.c_str(), &end, 0);
    if (text.empty() || *end != L'\0' || value > 0xFFFFFFFFul) {
        Fail(L"not a number for " + std::wstring(what) + L": " + text);
    }
    return static_cast<unsigned>(value);
}

bool IsNumber(const std::wstring& text) {
    if (text.empty()) {
        return false;
    }
    for (wchar_t c : text) {
        if (!iswxdigit(c) && c != L'x' && c != L'X') {
            return false;
        }
    }
    return iswdigit(text[0]) != 0;
}

UINT FormatFromText(const std::wstring& text) {
    if (IsNumber(text)) {
        UINT format = ParseNumber(text, L"format");
        if (format == 0 || format > 0xFFFF) {
            Fail(L"format out of range: " + text);
        }
        return format;
    }
    UINT format = RegisterClipboardFormatW(text.c_str());
    if (format == 0) {
        Fail(L"cannot register format: " + text);
    }
    return format;
}

Bytes ReadFileBytes(const std::wstring& path) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        Fail(L"cannot open " + path);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x40000000) {
        Fail(L"cannot read " + path);
    }
    Bytes bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        Fail(L"cannot read " + path);
    }
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::uint8_t* data, std::size_t size) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        Fail(L"cannot create " + path);
    }
    DWORD written = 0;
    if (size > 0 && (!WriteFile(file.get(), data, static_cast<DWORD>(size), &written, nullptr) ||
                     written != size)) {
        Fail(L"cannot write " + path);
    }
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

Bytes DataFromText(const std::wstring& text) {
    if (!text.empty() && text[0] == L'@') {
        return ReadFileBytes(text.substr(1));
    }
    if (text.size() % 2 != 0) {
        Fail(L"odd number of hex digits: " + text);
    }
    Bytes bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int high = HexDigit(text[i]);
        int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            Fail(L"not hex: " + text);
        }
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

// ---- clipboard commands ----

// CF_BITMAP from the bytes of a packed DIB (BITMAPINFO followed by the bits).
HBITMAP BitmapFromDib(const Bytes& dib) {
    if (dib.size() < sizeof(BITMAPINFOHEADER)) {
        Fail(L"format 2 needs the bytes of a DIB");
    }
    auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
    const auto& header = info->bmiHeader;
    std::size_t colors = header.biClrUsed;
    if (colors == 0 && header.biBitCount <= 8) {
        colors = std::size_t{1} << header.biBitCount;
    }
    std::size_t offset = header.biSize + colors * sizeof(RGBQUAD);
    if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER)) {
        offset += 3 * sizeof(DWORD);
    }
    if (offset > dib.size()) {
        Fail(L"DIB too short");
    }
    const WindowDC screen = tavrix::win32::scoped::GetDC(nullptr);
    HBITMAP bitmap =
        CreateDIBitmap(screen.get(), &header, CBM_INIT, dib.data() + offset, info, DIB_RGB_COLORS);
    if (bitmap == nullptr) {
        Fail(L"cannot make a bitmap of the DIB");
    }
    return bitmap;
}

// A movable block holding the bytes (at least one byte).
tavrix::win32::GlobalBlock BlockOf(const Bytes& bytes) {
    tavrix::win32::GlobalBlock block =
        tavrix::win32::AllocateGlobalBlock(bytes.size(), GMEM_MOVEABLE);
    if (!block) {
        Fail(L"out of memory");
    }
    const GlobalLockView view = tavrix::win32::scoped::GlobalLock(block.get());
    if (!view) {
        Fail(L"cannot lock memory");
    }
    if (!bytes.empty()) {
        std::memcpy(LockedBytes(view).data(), bytes.data(), bytes.size());
    }
    return block;
}

// Puts the owned object on the clipboard, which owns it from then on.
template <typename Owner> void HandOver(UINT format, Owner owner) {
    if (!owner) {
        Fail(L"cannot make the object for format " + std::to_wstring(format));
    }
    if (SetClipboardData(format, owner.get()) == nullptr) {
        Fail(L"SetClipboardData failed for format " + std::to_wstring(format));
    }
    owner.release();
}

void SetOne(UINT format, const Bytes& bytes) {
    if (format == CF_BITMAP) {
        HandOver(format, tavrix::win32::Bitmap(BitmapFromDib(bytes)));
    } else if (format == CF_PALETTE) {
        if (bytes.size() < sizeof(LOGPALETTE)) {
            Fail(L"format 9 needs a LOGPALETTE");
        }
        HandOver(format, tavrix::win32::Palette(
                             CreatePalette(reinterpret_cast<const LOGPALETTE*>(bytes.data()))));
    } else if (format == CF_ENHMETAFILE) {
        HandOver(format, tavrix::win32::EnhMetafile(
                             SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data())));
    } else {
        HandOver(format, BlockOf(bytes));
    }
}

void Set(const std::vector<std::pair<UINT, Bytes>>& items, HWND owner = nullptr) {
    ClipboardSession session(owner);
    if (!EmptyClipboard()) {
        Fail(L"EmptyClipboard failed");
    }
    for (const auto& [format, bytes] : items) {
        SetOne(format, bytes);
    }
}

void Clear() {
    ClipboardSession session;
    if (!EmptyClipboard()) {
        Fail(L"EmptyClipboard failed");
    }
}

void ClearWithoutWindow() {
    const auto session = tavrix::win32::OpenClipboardSession(nullptr);
    if (!session || !EmptyClipboard()) {
        Fail(L"cannot empty the clipboard without a window");
    }
}

void Hold(DWORD milliseconds) {
    ClipboardSession session;
    Print(L"holding");
    Sleep(milliseconds);
}

// Opened for no window: the system cannot tell other programs who holds the clipboard.
void HoldWithoutWindow(DWORD milliseconds) {
    const auto session = tavrix::win32::OpenClipboardSession(nullptr);
    if (!session) {
        Fail(L"cannot open the clipboard");
    }
    Print(L"holding");
    Sleep(milliseconds);
}

// Answers the window's messages (the clipboard's questions to an owner) for a while.
void AnswerMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
    }
}

// Puts the data with a window that stays, as an application's does: the clipboard names it as
// its owner. Its messages (WM_DESTROYCLIPBOARD when another program empties the clipboard) are
// answered while it waits.
void Own(DWORD milliseconds, const std::vector<std::pair<UINT, Bytes>>& items) {
    const TestWindow window = ClipboardWindow();
    Set(items, window.get());
    Print(L"owning");
    AnswerMessagesFor(milliseconds);
}

// A burst of changes from one program, as a clipboard tool that rewrites the clipboard does.
void Burst(DWORD count, DWORD milliseconds) {
    const TestWindow window = ClipboardWindow();
    const DWORD start = GetTickCount();
    for (DWORD i = 1; i <= count; ++i) {
        const std::wstring text = L"burst " + std::to_wstring(i);
        const auto* units = reinterpret_cast<const std::uint8_t*>(text.c_str());
        Set({{CF_UNICODETEXT, Bytes(units, units + (text.size() + 1) * sizeof(wchar_t))}},
            window.get());
        const DWORD due = static_cast<DWORD>(std::uint64_t{milliseconds} * i / count);
        while (GetTickCount() - start < due) {
            AnswerMessagesFor(1);
        }
    }
    Print(L"seq " + std::to_wstring(GetClipboardSequenceNumber()));
}

// The data of delayed formats and how long each rendering takes.
struct DelayedData {
    std::vector<std::pair<UINT, Bytes>> items;
    DWORD renderTime = 0;
};
DelayedData g_delayed;

LRESULT CALLBACK DelayedOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_RENDERFORMAT) {
        Sleep(g_delayed.renderTime);
        for (const auto& [format, bytes] : g_delayed.items) {
            if (format == static_cast<UINT>(wParam)) {
                SetOne(format, bytes);
            }
        }
        return 0;
    }
    if (message == WM_RENDERALLFORMATS) {
        return 0; // what was not asked for goes with the owner
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void OwnDelayed(DWORD milliseconds, DWORD renderTime,
                const std::vector<std::pair<UINT, Bytes>>& items) {
    g_delayed = {items, renderTime};
    const WNDCLASSW wc{.style = 0,
                       .lpfnWndProc = DelayedOwnerProcedure,
                       .cbClsExtra = 0,
                       .cbWndExtra = 0,
                       .hInstance = GetModuleHandleW(nullptr),
                       .hIcon = nullptr,
                       .hCursor = nullptr,
                       .hbrBackground = nullptr,
                       .lpszMenuName = nullptr,
                       .lpszClassName = L"ClipHelperDelayedOwner"};
    RegisterClassW(&wc);
    const TestWindow window(CreateWindowExW(0, wc.lpszClassName, L"delayed owner", 0, 0, 0, 0, 0,
                                            HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
    {
        ClipboardSession session(window.get());
        if (!EmptyClipboard()) {
            Fail(L"EmptyClipboard failed");
        }
        for (const auto& item : items) {
            SetClipboardData(item.first, nullptr);
        }
    }
    Print(L"owning");
    AnswerMessagesFor(milliseconds);
}

// Opens the file allowing no other opener, prints "locked", keeps it open, then closes it.
void LockFile(const std::wstring& path, DWORD milliseconds) {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) {
        Fail(L"cannot open " + path);
    }
    Print(L"locked");
    Sleep(milliseconds);
}

std::wstring FormatName(UINT format) {
    wchar_t buffer[256];
    int length = GetClipboardFormatNameW(format, buffer, 256);
    return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool IsGdiFormat(UINT format) {
    return format == CF_BITMAP || format == CF_PALETTE || format == CF_ENHMETAFILE ||
           format == CF_DSPBITMAP || format == CF_DSPENHMETAFILE;
}

void List() {
    ClipboardSession session;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        std::wstring size = L"-";
        if (!IsGdiFormat(format)) {
            HANDLE handle = GetClipboardData(format);
            if (handle != nullptr) {
                const GlobalLockView view =
                    tavrix::win32::scoped::GlobalLock(static_cast<HGLOBAL>(handle));
                if (view) {
                    size = std::to_wstring(LockedBytes(view).size());
                }
            }
        }
        Print(std::to_wstring(format) + L"\t" + FormatName(format) + L"\t" + size);
    }
}

void GetEnhancedMetafile(const std::wstring& path) {
    auto* metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
    const UINT size = metafile == nullptr ? 0 : GetEnhMetaFileBits(metafile, 0, nullptr);
    if (size == 0) {
        Fail(L"no enhanced metafile");
    }
    Bytes bits(size);
    if (GetEnhMetaFileBits(metafile, size, bits.data()) != size) {
        Fail(L"cannot read the enhanced metafile's bits");
    }
    WriteFileBytes(path, bits.data(), bits.size());
}

void Get(UINT format, const std::wstring& path) {
    ClipboardSession session;
    if (format == CF_ENHMETAFILE) {
        GetEnhancedMetafile(path);
        return;
    }
    HANDLE handle = IsGdiFormat(format) ? nullptr : GetClipboardData(format);
    if (handle == nullptr) {
        Fail(L"no memory block for format " + std::to_wstring(format));
    }
    const GlobalLockView view = tavrix::win32::scoped::GlobalLock(static_cast<HGLOBAL>(handle));
    if (!view) {
        Fail(L"cannot lock format " + std::to_wstring(format));
    }
    WriteFileBytes(path, LockedBytes(view).data(), LockedBytes(view).size());
}

// ---- reading another process's dialog box ----

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 2000, &copied)) {
        return {};
    }
    text.resize(copied < length ? copied : length);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64];
    int length = GetClassNameW(window, name, 64);
    return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

BOOL CALLBACK FindDialog(HWND window, LPARAM result) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() && IsWindowVisible(window) &&
        ClassOf(window) == L"#32770") {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

struct DialogParts {
    std::vector<std::wstring> texts;
    std::vector<HWND> buttons;
};

BOOL CALLBACK CollectParts(HWND child, LPARAM result) {
    auto& parts = *reinterpret_cast<DialogParts*>(result);
    std::wstring kind = ClassOf(child);
    if (_wcsicmp(kind.c_str(), L"Static") == 0) {
        std::wstring text = WindowText(child);
        if (!text.empty()) {
            parts.texts.push_back(text);
        }
    } else if (_wcsicmp(kind.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
        parts.buttons.push_back(child);
    }
    return TRUE;
}

std::wstring WithoutCarriageReturns(std::wstring text) {
    std::wstring result;
    for (wchar_t c : text) {
        if (c != L'\r') {
            result.push_back(c);
        }
    }
    return result;
}

// Prints "caption: ...", then "text: ..." per static control (a multi-line text continues on the
// following lines), then "button: ..." per button, and presses the first button.
bool Dialog(DWORD seconds) {
    DWORD start = GetTickCount();
    HWND dialog = nullptr;
    while (dialog == nullptr) {
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog == nullptr) {
            if (GetTickCount() - start >= seconds * 1000) {
                Print(L"no dialog");
                return false;
            }
            Sleep(50);
        }
    }
    Sleep(200); // let the box finish laying out its controls
    DialogParts parts;
    EnumChildWindows(dialog, CollectParts, reinterpret_cast<LPARAM>(&parts));
    Print(L"caption: " + WindowText(dialog));
    for (const auto& text : parts.texts) {
        Print(L"text: " + WithoutCarriageReturns(text));
    }
    for (HWND button : parts.buttons) {
        Print(L"button: " + WindowText(button));
    }
    if (parts.buttons.empty()) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    } else {
        HWND button = parts.buttons.front();
        int id = GetDlgCtrlID(button);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
    return true;
}

struct WindowSearch {
    std::wstring prefix;
    HWND found = nullptr;
};

BOOL CALLBACK FindCaptioned(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() && IsWindowVisible(window) &&
        WindowText(window).rfind(search.prefix, 0) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindCaptionedWindow(const std::wstring& prefix, DWORD seconds) {
    DWORD start = GetTickCount();
    WindowSearch search{prefix};
    while (search.found == nullptr) {
        EnumWindows(FindCaptioned, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            if (GetTickCount() - start >= seconds * 1000) {
                Print(L"no window");
                return nullptr;
            }
            Sleep(10);
        }
    }
    return search.found;
}

bool FindWindowAndClose(const std::wstring& prefix, DWORD seconds, bool close) {
    HWND window = FindCaptionedWindow(prefix, seconds);
    if (window == nullptr) {
        return false;
    }
    if (close) {
        Print(L"closing: " + WindowText(window));
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
        Print(L"window: " + WindowText(window));
    }
    return true;
}

// Prints the window's caption, the sizes of its client area and its tree ("client: W x H",
// "tree: W x H"), the tree's items ("node: ...", then "selected: ...") and the status bar's
// panels ("panel <n>: ..."), then the text over the whole bar when it shows one
// ("message: ...").
bool PrintWindowContents(const std::wstring& prefix, DWORD seconds) {
    HWND window = FindCaptionedWindow(prefix, seconds);
    if (window == nullptr) {
        return false;
    }
    const cliphelper::WindowContents contents = cliphelper::ReadWindowContents(window);
    Print(L"window: " + WindowText(window));
    const auto size = [](SIZE s) { return std::to_wstring(s.cx) + L" x " + std::to_wstring(s.cy); };
    Print(L"client: " + size(contents.client));
    Print(L"tree: " + size(contents.tree));
    for (const auto& node : contents.nodes) {
        Print(L"node: " + node);
    }
    Print(L"selected: " + contents.selected);
    for (std::size_t i = 0; i < contents.panels.size(); ++i) {
        Print(L"panel " + std::to_wstring(i) + L": " + contents.panels[i]);
    }
    if (!contents.message.empty()) {
        Print(L"message: " + contents.message);
    }
    return true;
}

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// The texts the status bar's first panel shows over a while, each once as it appears: catches
// a message that lasts only half a second.
bool PrintStatusTexts(const std::wstring& prefix, DWORD seconds, DWORD milliseconds) {
    HWND window = FindCaptionedWindow(prefix, seconds);
    if (window == nullptr) {
        return false;
    }
    std::wstring last;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        const cliphelper::WindowContents contents = cliphelper::ReadWindowContents(window);
        const std::wstring text = contents.panels.empty() ? L"" : contents.panels[0];
        if (text != last) {
            Print(text);
            last = text;
        }
        Sleep(20);
    }
    return true;
}

// How long the window takes to answer a sent message, sample by sample: what a user meets as a
// window that does or does not respond.
bool PrintAnswerTimes(const std::wstring& prefix, DWORD seconds, DWORD samples, DWORD pause) {
    HWND window = FindCaptionedWindow(prefix, seconds);
    if (window == nullptr) {
        return false;
    }
    for (DWORD i = 0; i < samples; ++i) {
        LARGE_INTEGER start{};
        QueryPerformanceCounter(&start);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
        Print(std::to_wstring(static_cast<long long>(MillisecondsSince(start))));
        Sleep(pause);
    }
    return true;
}

std::wstring Milliseconds(double value) {
    wchar_t text[32];
    swprintf(text, 32, L"%.2f", value);
    return text;
}

// A selection is sent, not posted: the tree answers once the window's change handler has shown
// the item. The paint that follows is asked for at once, so the time includes it.
class TreeSelector {
public:
    TreeSelector(HWND window, DWORD seconds)
        : window_(window), seconds_(seconds), tree_(cliphelper::ReadTreeItems(window)) {
        if (tree_.items.empty()) {
            Fail(L"the window has no tree items");
        }
        current_ = Count() - 1;
        for (std::size_t i = 0; i < Count(); ++i) {
            if (tree_.items[i] == tree_.selected) {
                current_ = i;
            }
        }
    }
    std::size_t Count() const { return tree_.items.size(); }
    std::size_t Current() const { return current_; }
    const std::wstring& Text(std::size_t index) const { return tree_.texts[index]; }

    // Selects the item and prints its line.
    void Select(std::size_t index) {
        const auto item = reinterpret_cast<LPARAM>(tree_.items[index]);
        LARGE_INTEGER start{};
        QueryPerformanceCounter(&start);
        DWORD_PTR done = 0;
        if (!SendMessageTimeoutW(tree_.tree, TVM_SELECTITEM, TVGN_CARET, item, SMTO_NORMAL,
                                 seconds_ * 1000, &done) ||
            done == 0) {
            Fail(L"the tree did not select " + Text(index));
        }
        const double selected = MillisecondsSince(start);
        RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const double painted = MillisecondsSince(start);
        DWORD_PTR caret = 0;
        if (!SendMessageTimeoutW(tree_.tree, TVM_GETNEXTITEM, TVGN_CARET, 0, SMTO_NORMAL, 5000,
                                 &caret) ||
            static_cast<LPARAM>(caret) != item) {
            Fail(L"the tree's selection is not " + Text(index));
        }
        current_ = index;
        Print(Milliseconds(painted) + L"\t" + Milliseconds(selected) + L"\t" + Text(index));
    }

private:
    HWND window_;
    DWORD seconds_;
    cliphelper::TreeItems tree_;
    std::size_t current_ = 0;
};

// Every item in turn, beginning after the selected one and ending with it; or, given its text,
// one item once per round, stepping to the first item (or the second) before when it is
// selected already.
bool SelectItems(const std::wstring& prefix, DWORD seconds, DWORD rounds,
                 const std::optional<std::wstring>& only) {
    HWND window = FindCaptionedWindow(prefix, seconds);
    if (window == nullptr) {
        return false;
    }
    TreeSelector selector(window, seconds);
    const std::size_t count = selector.Count();
    std::size_t target = count;
    for (std::size_t i = 0; only && i < count; ++i) {
        if (selector.Text(i) == *only) {
            target = i;
        }
    }
    if (only && (target == count || count < 2)) {
        Fail(L"no other item beside " + *only);
    }
    for (DWORD round = 0; round < rounds; ++round) {
        if (!only) {
            for (std::size_t step = 0; step < count; ++step) {
                selector.Select((selector.Current() + 1) % count);
            }
            continue;
        }
        if (selector.Current() == target) {
            selector.Select(target == 0 ? 1 : 0);
        }
        selector.Select(target);
    }
    return true;
}

// The system time as a Unix time in milliseconds, comparable with the host's clock under Wine.
unsigned long long MillisecondsSinceUnixEpoch() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr unsigned long long kUnixEpoch = 116444736000000000ULL; // 1970 in 100 ns ticks
    return (ticks - kUnixEpoch) / 10000;
}

// ---- the command loop ----

bool IsCommand(const std::wstring& word) {
    static const wchar_t* const commands[] = {
        L"hold",   L"holdbare", L"pid",    L"set",   L"own",    L"clear",
        L"list",   L"get",      L"count",  L"sleep", L"dialog", L"window",
        L"close",  L"contents", L"stamp",  L"lock",  L"select", L"delay",
        L"ownbig", L"command",  L"answer", L"watch", L"burst",  L"clearbare"};
    for (const wchar_t* command : commands) {
        if (word == command) {
            return true;
        }
    }
    return false;
}

// The <fmt>=<data> items that follow a command, up to the next command.
std::vector<std::pair<UINT, Bytes>> ParseItems(const std::vector<std::wstring>& args,
                                               std::size_t& i) {
    std::vector<std::pair<UINT, Bytes>> items;
    while (i < args.size() && !IsCommand(args[i])) {
        const std::wstring& item = args[i++];
        const std::size_t equals = item.find(L'=');
        if (equals == std::wstring::npos || equals == 0) {
            Fail(L"expected <format>=<data>: " + item);
        }
        items.emplace_back(FormatFromText(item.substr(0, equals)),
                           DataFromText(item.substr(equals + 1)));
    }
    return items;
}

int Run(const std::vector<std::wstring>& args) {
    std::size_t i = 0;
    auto next = [&](const wchar_t* what) -> const std::wstring& {
        if (i >= args.size()) {
            Fail(std::wstring(L"missing ") + what);
        }
        return args[i++];
    };
    if (args.empty()) {
        Fail(L"usage: cliphelper hold|holdbare <ms> | pid | set <fmt>=<hex|@file>... | "
             L"own <ms> <fmt>=<hex|@file>... | clear | list | "
             L"get <fmt> <file> | count | sleep <ms> | lock <file> <ms> | stamp | "
             L"dialog <seconds> | window|close|contents <caption> <seconds> | "
             L"command <caption> <seconds> <id> | "
             L"select <caption> <seconds> <rounds> [<item>]");
    }
    while (i < args.size()) {
        const std::wstring command = args[i++];
        if (command == L"hold") {
            Hold(ParseNumber(next(L"milliseconds"), L"hold"));
        } else if (command == L"holdbare") {
            HoldWithoutWindow(ParseNumber(next(L"milliseconds"), L"holdbare"));
        } else if (command == L"pid") {
            Print(L"pid " + std::to_wstring(GetCurrentProcessId()));
        } else if (command == L"watch") {
            const std::wstring prefix = next(L"caption");
            const DWORD seconds = ParseNumber(next(L"seconds"), L"watch");
            if (!PrintStatusTexts(prefix, seconds, ParseNumber(next(L"milliseconds"), L"watch"))) {
                Fail(L"no window " + prefix);
            }
        } else if (command == L"answer") {
            const std::wstring prefix = next(L"caption");
            const DWORD seconds = ParseNumber(next(L"seconds"), L"answer");
            const DWORD samples = ParseNumber(next(L"samples"), L"answer");
            if (!PrintAnswerTimes(prefix, seconds, samples,
                                  ParseNumber(next(L"milliseconds"), L"answer"))) {
                Fail(L"no window " + prefix);
            }
        } else if (command == L"ownbig") {
            const DWORD ownFor = ParseNumber(next(L"milliseconds"), L"ownbig");
            const UINT format = FormatFromText(next(L"format"));
            Bytes big(static_cast<std::size_t>(ParseNumber(next(L"MiB"), L"ownbig")) << 20);
            for (std::size_t at = 0; at < big.size(); ++at) {
                big[at] = static_cast<std::uint8_t>(at * 7);
            }
            std::vector<std::pair<UINT, Bytes>> items = ParseItems(args, i);
            items.emplace_back(format, std::move(big));
            Own(ownFor, items);
        } else if (command == L"set" || command == L"own" || command == L"delay") {
            const DWORD ownFor = command != L"set" ? ParseNumber(next(L"milliseconds"), L"own") : 0;
            const DWORD renderTime =
                command == L"delay" ? ParseNumber(next(L"milliseconds"), L"delay") : 0;
            const std::vector<std::pair<UINT, Bytes>> items = ParseItems(args, i);
            if (command == L"delay") {
                OwnDelayed(ownFor, renderTime, items);
            } else if (command == L"own") {
                Own(ownFor, items);
            } else {
                Set(items);
            }
        } else if (command == L"burst") {
            const DWORD count = ParseNumber(next(L"count"), L"burst");
            Burst(count, ParseNumber(next(L"milliseconds"), L"burst"));
        } else if (command == L"clear") {
            Clear();
        } else if (command == L"clearbare") {
            ClearWithoutWindow();
        } else if (command == L"list") {
            List();
        } else if (command == L"get") {
            UINT format = FormatFromText(next(L"format"));
            Get(format, next(L"file name"));
        } else if (command == L"count") {
            Print(std::to_wstring(CountClipboardFormats()));
        } else if (command == L"lock") {
            const std::wstring path = next(L"file name");
            LockFile(path, ParseNumber(next(L"milliseconds"), L"lock"));
        } else if (command == L"stamp") {
            Print(std::to_wstring(MillisecondsSinceUnixEpoch()));
        } else if (command == L"sleep") {
            Sleep(ParseNumber(next(L"milliseconds"), L"sleep"));
        } else if (command == L"dialog") {
            if (!Dialog(ParseNumber(next(L"seconds"), L"dialog"))) {
                return 2;
            }
        } else if (command == L"contents") {
            const std::wstring prefix = next(L"caption");
            if (!PrintWindowContents(prefix, ParseNumber(next(L"seconds"), L"contents"))) {
                return 2;
            }
        } else if (command == L"select") {
            const std::wstring prefix = next(L"caption");
            const DWORD seconds = ParseNumber(next(L"seconds"), L"select");
            const DWORD rounds = ParseNumber(next(L"rounds"), L"select");
            std::optional<std::wstring> only;
            if (i < args.size() && !IsCommand(args[i])) {
                only = args[i++];
            }
            if (!SelectItems(prefix, seconds, rounds, only)) {
                return 2;
            }
        } else if (command == L"command") {
            const std::wstring prefix = next(L"caption");
            HWND window = FindCaptionedWindow(prefix, ParseNumber(next(L"seconds"), L"command"));
            const DWORD id = ParseNumber(next(L"command"), L"command");
            if (window == nullptr) {
                return 2;
            }
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        } else if (command == L"window" || command == L"close") {
            const std::wstring prefix = next(L"caption");
            if (!FindWindowAndClose(prefix, ParseNumber(next(L"seconds"), L"window"),
                                    command == L"close")) {
                return 2;
            }
        } else {
            Fail(L"unknown command: " + command);
        }
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        return Run(std::vector<std::wstring>(argv + 1, argv + argc));
    } catch (const Failure& failure) {
        Write(STD_ERROR_HANDLE, L"cliphelper: " + failure.text + L"\n");
        return 1;
    } catch (const std::exception& error) {
        const std::string what = error.what();
        Write(STD_ERROR_HANDLE, L"cliphelper: " + std::wstring(what.begin(), what.end()) + L"\n");
        return 1;
    }
}
