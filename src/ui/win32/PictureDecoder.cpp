#include "ui/win32/PictureDecoder.h"

#include "base/PictureLimits.h"
#include "base/win32/DibSection.h"

#include <wincodec.h>

#include <limits>

namespace tavrix::win32 {

PictureDecoder::PictureDecoder() = default;
PictureDecoder::~PictureDecoder() = default;

IWICImagingFactory* PictureDecoder::Factory() {
    if (!factory_) {
        // COM is started on this thread when the first picture needs it, not at start-up.
        if (!com_) {
            com_ = EnterComApartment();
        }
        IWICImagingFactory* factory = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IWICImagingFactory,
                                       reinterpret_cast<void**>(&factory)))) {
            factory_.reset(factory);
        }
    }
    return factory_.get();
}

std::optional<DecodedPicture> PictureDecoder::Decode(std::span<const std::uint8_t> bytes) {
    IWICImagingFactory* factory = Factory();
    if (factory == nullptr || bytes.empty() || bytes.size() > std::numeric_limits<DWORD>::max()) {
        return std::nullopt;
    }
    // The imaging component's own stream over the bytes: it reads within them and copies
    // nothing.
    ComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()),
                                            static_cast<DWORD>(bytes.size())))) {
        return std::nullopt;
    }
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) || FAILED(frame->GetSize(&width, &height)) ||
        !DecodedPictureFits(width, height)) {
        return std::nullopt;
    }
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return std::nullopt;
    }
    DibSection section = CreateBgraDibSection(static_cast<int>(width), static_cast<int>(height));
    if (section.bits == nullptr) {
        return std::nullopt;
    }
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, section.bits))) {
        return std::nullopt; // cut short or corrupt past its header
    }
    GdiFlush(); // the bits were written behind GDI's back
    return DecodedPicture{.bitmap = std::move(section.bitmap),
                          .width = static_cast<int>(width),
                          .height = static_cast<int>(height)};
}

} // namespace tavrix::win32
