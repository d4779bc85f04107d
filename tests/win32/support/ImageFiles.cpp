#include "support/ImageFiles.h"

#include "base/win32/ComPtr.h"
#include "base/win32/GlobalLockView.h"

#include <windows.h>

#include <wincodec.h>

#include <algorithm>

namespace tavrix::test {

namespace {

using win32::ComPtr;

struct Layout {
    WICPixelFormatGUID format;
    std::vector<BYTE> pixels;
    UINT stride = 0;
    std::vector<WICColor> palette;
};

Layout LayOut(ImageFileKind kind, int width, int height, const std::vector<std::uint32_t>& argb) {
    Layout out;
    const auto w = static_cast<std::size_t>(width);
    if (kind == ImageFileKind::Gif) {
        out.format = GUID_WICPixelFormat8bppIndexed;
        out.stride = static_cast<UINT>(w);
        for (std::uint32_t colour : argb) {
            auto at = std::find(out.palette.begin(), out.palette.end(), colour);
            if (at == out.palette.end()) {
                out.palette.push_back(colour);
                at = out.palette.end() - 1;
            }
            out.pixels.push_back(static_cast<BYTE>(at - out.palette.begin()));
        }
        return out;
    }
    const std::size_t bytesPerPixel = kind == ImageFileKind::Png ? 4 : 3;
    out.format =
        kind == ImageFileKind::Png ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;
    out.stride = static_cast<UINT>((w * bytesPerPixel + 3) & ~std::size_t{3});
    out.pixels.assign(static_cast<std::size_t>(out.stride) * static_cast<std::size_t>(height), 0);
    for (std::size_t i = 0; i < argb.size(); ++i) {
        BYTE* p = out.pixels.data() + (i / w) * out.stride + (i % w) * bytesPerPixel;
        for (std::size_t c = 0; c < bytesPerPixel; ++c) {
            p[c] = static_cast<BYTE>(argb[i] >> (8 * c));
        }
    }
    return out;
}

} // namespace

std::vector<std::uint8_t> EncodeImageFile(ImageFileKind kind, int width, int height,
                                          const std::vector<std::uint32_t>& argb) {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    const GUID& container = kind == ImageFileKind::Png    ? GUID_ContainerFormatPng
                            : kind == ImageFileKind::Jpeg ? GUID_ContainerFormatJpeg
                                                          : GUID_ContainerFormatGif;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put()))) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.put())) ||
        FAILED(factory->CreateEncoder(container, nullptr, encoder.put())) ||
        FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache))) {
        return {};
    }
    Layout layout = LayOut(kind, width, height, argb);
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    ComPtr<IWICPalette> palette;
    WICPixelFormatGUID format = layout.format;
    if (FAILED(encoder->CreateNewFrame(frame.put(), options.put())) ||
        FAILED(frame->Initialize(options.get())) ||
        FAILED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) ||
        FAILED(frame->SetPixelFormat(&format)) || format != layout.format) {
        return {};
    }
    if (!layout.palette.empty() &&
        (FAILED(factory->CreatePalette(palette.put())) ||
         FAILED(palette->InitializeCustom(layout.palette.data(),
                                          static_cast<UINT>(layout.palette.size()))) ||
         FAILED(frame->SetPalette(palette.get())))) {
        return {};
    }
    if (FAILED(frame->WritePixels(static_cast<UINT>(height), layout.stride,
                                  static_cast<UINT>(layout.pixels.size()), layout.pixels.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit())) {
        return {};
    }
    ULARGE_INTEGER end{};
    LARGE_INTEGER zero{};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Seek(zero, STREAM_SEEK_CUR, &end)) ||
        FAILED(GetHGlobalFromStream(stream.get(), &memory))) {
        return {};
    }
    const win32::GlobalLockView view = win32::scoped::GlobalLock(memory);
    if (!view || LockedBytes(view).size() < end.QuadPart) {
        return {};
    }
    return std::vector<std::uint8_t>(LockedBytes(view).begin(),
                                     LockedBytes(view).begin() +
                                         static_cast<std::ptrdiff_t>(end.QuadPart));
}

} // namespace tavrix::test
