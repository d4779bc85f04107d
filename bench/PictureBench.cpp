// Picture benchmark (run by bench/picture.sh under Wine): a 4000 x 3000 PNG with transparency on
// the clipboard under "PNG", shown by the main window's picture view (decoded from a copy of the
// block, over the checkerboard, first paint done), against a loop that only decodes the same
// bytes with the imaging component and converts them to premultiplied BGRA. Alternating, in one
// run; prints both medians and their ratio. Target: ratio at most 1.2.
//   picturebench [rounds]
#include "BenchTiming.h"
#include "app/CommandLine.h"
#include "app/win32/ClipboardOwnerWindow.h"
#include "app/win32/MainForm.h"
#include "app/win32/MainFormServices.h"
#include "app/win32/ModuleInit.h"
#include "base/win32/ComApartment.h"
#include "base/win32/ComPtr.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "support/ImageFiles.h"

#include <windows.h>

#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using namespace tavrix;
using bench::Median;
using bench::NowMs;
using win32::ComPtr;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

// A photo-like picture: smooth colours with some grain, a clear band and a half-clear one.
std::vector<std::uint32_t> Pixels() {
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(kWidth) * kHeight);
    std::uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const std::uint32_t grain = (seed >> 28) & 0x7;
            const std::uint32_t r = (x * 255 / kWidth + grain) & 0xFF;
            const std::uint32_t g = (y * 255 / kHeight + grain) & 0xFF;
            const std::uint32_t b = ((x + y) * 255 / (kWidth + kHeight)) & 0xFF;
            const std::uint32_t a = x < kWidth / 8 ? 0 : x < kWidth / 4 ? 0x80 : 0xFF;
            argb[static_cast<std::size_t>(y) * kWidth + x] = a << 24 | r << 16 | g << 8 | b;
        }
    }
    return argb;
}

// The baseline: decode and convert only, into memory.
bool DecodeOnly(IWICImagingFactory* factory, const std::vector<std::uint8_t>& png,
                std::vector<std::uint8_t>& out) {
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT w = 0, h = 0;
    if (FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()),
                                            static_cast<DWORD>(png.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) || FAILED(frame->GetSize(&w, &h)) ||
        FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return false;
    }
    out.resize(static_cast<std::size_t>(w) * h * 4);
    return SUCCEEDED(
        converter->CopyPixels(nullptr, w * 4, static_cast<UINT>(out.size()), out.data()));
}

bool PutOnClipboard(HWND owner, UINT format, const std::vector<std::uint8_t>& bytes) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    bool placed = false;
    if (block != nullptr) {
        std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
        GlobalUnlock(block);
        placed = SetClipboardData(format, block) != nullptr;
        if (!placed) {
            GlobalFree(block);
        }
    }
    CloseClipboard();
    return placed;
}

void PumpFor(double milliseconds) {
    const double end = NowMs() + milliseconds;
    MSG msg;
    while (NowMs() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

int Run(int rounds) {
    const auto com = win32::EnterComApartment();
    win32::ProgramModules modules(CommandLine({L"picturebench"}));
    win32::ClipboardOwnerWindow application;
    modules.Clipboard().SetOwner(application.Handle());

    const std::vector<std::uint8_t> png =
        test::EncodeImageFile(test::ImageFileKind::Png, kWidth, kHeight, Pixels());
    ComPtr<IWICImagingFactory> factory;
    if (png.empty() ||
        FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put())))) {
        std::printf("cannot make the PNG\n");
        return 1;
    }
    const UINT format = RegisterClipboardFormatW(L"PNG");
    if (!PutOnClipboard(application.Handle(), format, png)) {
        std::printf("cannot put the PNG on the clipboard\n");
        return 1;
    }
    win32::TMainForm form(ClipboardPort::Instance(), win32::ProgramMainFormServices());
    form.Create();
    form.Show(SW_SHOWNOACTIVATE);
    PumpFor(500); // the first look, which shows the picture once already

    std::vector<double> shown, decoded;
    std::vector<std::uint8_t> pixels;
    for (int round = 0; round <= rounds; ++round) { // round 0 warms up
        double start = NowMs();
        if (!form.Surface().ShowEncodedPicture(format)) {
            std::printf("the picture view did not show the PNG\n");
            return 1;
        }
        // The paint the picture asked for, as the message loop would run it next.
        RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        const double app = NowMs() - start;
        start = NowMs();
        if (!DecodeOnly(factory.get(), png, pixels)) {
            std::printf("the imaging component cannot decode the PNG\n");
            return 1;
        }
        const double baseline = NowMs() - start;
        if (round > 0) {
            shown.push_back(app);
            decoded.push_back(baseline);
        }
    }
    std::printf("PNG %d x %d, %zu bytes, %d rounds\n", kWidth, kHeight, png.size(), rounds);
    std::printf("picture view, decode and first paint: median %.1f ms\n", Median(shown));
    std::printf("decode and convert only (baseline):   median %.1f ms\n", Median(decoded));
    std::printf("ratio: %.2f (target <= 1.2)\n", Median(shown) / Median(decoded));
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        return Run(argc > 1 ? _wtoi(argv[1]) : 9);
    } catch (...) {
        std::printf("failed\n");
        return 1;
    }
}
