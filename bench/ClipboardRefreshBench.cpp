// Clipboard refresh benchmark (run by bench/clipboard-refresh.sh under Wine): the monitor's
// refresh (format list, tree, both summaries; the clipboard waits return at once as the
// clipboard is free) against a raw baseline that only enumerates the formats and fetches each
// one's data size, on a clipboard another process filled.
//   clipboardrefreshbench <refresh|baseline|list|summary> <rounds>
// (list and summary time the two parts of the refresh on their own)
// Prints the time of the first round (data not yet fetched into this process) and the median of
// the following rounds, in milliseconds.
#include "base/SystemServices.h"
#include "base/win32/Win32SystemPlatform.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/MainWindowSurface.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "clipboard/win32/Win32Picture.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace tavrix;

// The main window's part, doing nothing but running the summary when "Preview" is selected.
class QuietSurface : public MainWindowSurface {
public:
    void DetachFormatsChange() override { attached_ = false; }
    void AttachFormatsChange() override { attached_ = true; }
    void ClearFormatNodes() override { nodes_ = 0; }
    void AddFormatNode(const std::wstring&) override { ++nodes_; }
    void SelectFormatNode(int index) override {
        if (attached_ && index == 0 && onPreview) {
            onPreview();
        }
    }
    void SetActionEnabled(EngineAction, bool) override {}
    ClipboardPicture& PreviewPicture() override { return picture_; }
    void SetPreviewIcon(const ClipboardIcon&) override {}
    int PreviewImageWidth() const override { return picture_.Width(); }
    int PreviewImageHeight() const override { return picture_.Height(); }
    void AutoSizePreviewImage() override {}
    void SelectPreviewView(PreviewView) override {}
    void ShowPreviewText(const std::u16string& text) override { shownUnits = text.size(); }
    void UpdateZoomActions() override {}
    void ShowClipboardPicture() override {}
    std::optional<PictureSize> ShowEncodedPicture(ClipFormat) override { return std::nullopt; }
    std::int32_t ShowFormatBytes(ClipFormat, ByteView) override { return 0; }
    std::int32_t ShowReadBytes() override { return 0; }
    std::int32_t ShowRichText(ClipFormat) override { return 0; }
    void ShowSize(std::int32_t) override {}
    void ShowPictureSize(PictureSize) override {}
    void ShowDescription(const std::wstring&) override {}
    void ShowFacts(const std::wstring&) override {}

    std::function<void()> onPreview;
    std::size_t shownUnits = 0;
    int Nodes() const { return nodes_; }

private:
    bool attached_ = true;
    int nodes_ = 0;
    win32::Win32Picture picture_;
};

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

std::size_t Baseline(HWND owner) {
    std::size_t total = 0;
    if (!OpenClipboard(owner)) {
        return 0;
    }
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        if (win32::Win32ClipboardBackend::IsGdiHandleFormat(static_cast<ClipFormat>(format))) {
            continue;
        }
        HANDLE handle = GetClipboardData(format);
        if (handle != nullptr) {
            total += GlobalSize(handle);
        }
    }
    CloseClipboard();
    return total;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: clipboardrefreshbench <refresh|baseline|list|summary> <rounds>\n");
        return 2;
    }
    const std::wstring mode = argv[1];
    const int rounds = std::max(2, _wtoi(argv[2]));

    win32::Win32SystemPlatform support;
    InstallSystemPlatform(&support);
    unsigned platformId = 0, major = 0, minor = 0;
    win32::GetReportedVersion(platformId, major, minor);
    InitSystemServices(false, ComputeVersionFlags(platformId, major, minor));
    HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    win32::Win32ClipboardBackend backend(owner);
    RegisterStartupFormats(backend);
    ClipboardPort port(backend);
    QuietSurface surface;
    win32::TTavrixClipboardMonitor monitor(port, surface);
    surface.onPreview = [&] { monitor.ShowClipboardSummary(); };

    std::vector<double> times;
    std::size_t result = 0;
    for (int round = 0; round < rounds; ++round) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        if (mode == L"baseline") {
            result = Baseline(owner);
        } else if (mode == L"list") {
            auto keep = std::move(surface.onPreview);
            monitor.Engine().RebuildFormatList();
            surface.onPreview = std::move(keep);
        } else if (mode == L"summary") {
            monitor.ShowClipboardSummary();
        } else {
            monitor.SaveClipboardToFile();
            result = static_cast<std::size_t>(monitor.ClipboardSize());
        }
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    std::vector<double> warm(times.begin() + 1, times.end());
    std::sort(warm.begin(), warm.end());
    std::printf("%ls first %.2f ms, median of next %zu %.2f ms (result %zu, nodes %d, refreshes "
                "%d)\n",
                mode.c_str(), times[0], warm.size(), warm[warm.size() / 2], result, surface.Nodes(),
                monitor.Core().Refreshes());
    DestroyWindow(owner);
    InstallSystemPlatform(nullptr);
    return 0;
}
