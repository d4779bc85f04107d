#pragma once
// Decodes image files (PNG, JPEG, GIF and whatever else the system's imaging component reads)
// into premultiplied 32-bit bitmaps. All use of the imaging component is kept in this module, so
// its libraries can be loaded on first use. The factory is made on the first decode, never at
// start-up, and COM is joined on the calling thread then (the decoder is used on one thread).
#include "base/win32/ComApartment.h"
#include "base/win32/ComPtr.h"
#include "base/win32/GdiObjects.h"

#include <cstdint>
#include <optional>
#include <span>

struct IWICImagingFactory;

namespace tavrix::win32 {

struct DecodedPicture {
    Bitmap bitmap; // a top-down DIB section, blue, green, red, alpha, colours premultiplied
    int width = 0;
    int height = 0;
};

class PictureDecoder {
public:
    PictureDecoder();
    ~PictureDecoder();
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;

    // The first frame of the image file in bytes (read only within them). Nothing when the bytes
    // are no image the system can decode, are cut short, or the picture is beyond the decoding
    // limits.
    std::optional<DecodedPicture> Decode(std::span<const std::uint8_t> bytes);

private:
    IWICImagingFactory* Factory();

    // Declared first, so that the factory is released before COM is left.
    std::optional<ComApartment> com_;
    ComPtr<IWICImagingFactory> factory_;
};

} // namespace tavrix::win32
