#include "viewer/win32/PanAnchorBitmap.h"

#include "base/win32/BitmapDC.h"

#include <vector>

namespace tavrix::win32 {

void PanAnchorBitmap::Make(HDC dc) {
    const PanArt art = PanArtwork(PanPicture::Anchor);
    std::vector<std::uint32_t> image(art.size());
    std::vector<std::uint32_t> mask(art.size());
    for (std::size_t i = 0; i < art.size(); ++i) {
        image[i] = art[i] == ArtPixel::Light ? 0x00FFFFFFu : 0;
        mask[i] = art[i] == ArtPixel::Clear ? 0x00FFFFFFu : 0;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kPanArtSize;
    info.bmiHeader.biHeight = -kPanArtSize; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    image_.reset(
        CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, image.data(), &info, DIB_RGB_COLORS));
    mask_.reset(CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, mask.data(), &info, DIB_RGB_COLORS));
}

void PanAnchorBitmap::Draw(HDC dc, int x, int y) {
    if (!image_ || !mask_) {
        Make(dc);
    }
    const BitmapDC source = scoped::CreateCompatibleDC(dc);
    if (!source || !image_ || !mask_) {
        return;
    }
    // The mask keeps the background where the picture is clear and blacks out the rest; the
    // image then paints into the blacked-out pixels.
    SelectBitmap(source, mask_.get());
    BitBlt(dc, x, y, kPanArtSize, kPanArtSize, source.get(), 0, 0, SRCAND);
    SelectBitmap(source, image_.get());
    BitBlt(dc, x, y, kPanArtSize, kPanArtSize, source.get(), 0, 0, SRCPAINT);
}

} // namespace tavrix::win32
