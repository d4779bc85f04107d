#include "viewer/PanArtwork.h"

#include <cstdlib>

namespace tavrix {

namespace {

constexpr int kCentre = 16;

// An arrow head pointing away from the centre, its tip tipDistance pixels from it: a triangle
// whose half width grows by one per pixel towards the centre.
bool InArrow(int along, int across, int tipDistance, int length) {
    const int fromTip = tipDistance - along; // 0 at the tip
    return fromTip >= 0 && fromTip < length && std::abs(across) <= fromTip;
}

} // namespace

PanArt PanArtwork(PanPicture picture) {
    const bool anchor = picture == PanPicture::Anchor;
    const bool up = picture == PanPicture::Up || picture == PanPicture::Neutral || anchor;
    const bool down = picture == PanPicture::Down || picture == PanPicture::Neutral || anchor;
    const bool left = picture == PanPicture::Left || picture == PanPicture::Neutral || anchor;
    const bool right = picture == PanPicture::Right || picture == PanPicture::Neutral || anchor;
    // The cursor of a direction shows its arrow larger.
    const int bigTip = 15;
    const int smallTip = 13;
    const bool directional = !anchor && picture != PanPicture::Neutral;

    PanArt art{};
    for (int y = 0; y < kPanArtSize; ++y) {
        for (int x = 0; x < kPanArtSize; ++x) {
            const int dx = x - kCentre;
            const int dy = y - kCentre;
            const int r2 = dx * dx + dy * dy;
            ArtPixel pixel = ArtPixel::Clear;
            if (r2 <= 4) {
                pixel = ArtPixel::Dark; // the centre dot
            } else if (r2 <= 49) {
                pixel = ArtPixel::Light;
            } else if (r2 <= 64) {
                pixel = ArtPixel::Dark; // the ring
            }
            const int tip = directional ? bigTip : smallTip;
            const int length = directional ? 7 : 5;
            if ((up && InArrow(-dy, dx, tip, length)) || (down && InArrow(dy, dx, tip, length)) ||
                (left && InArrow(-dx, dy, tip, length)) ||
                (right && InArrow(dx, dy, tip, length))) {
                pixel = ArtPixel::Dark;
            }
            art[static_cast<std::size_t>(y * kPanArtSize + x)] = pixel;
        }
    }
    return art;
}

} // namespace tavrix
