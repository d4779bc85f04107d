#include "viewer/win32/PanCursors.h"

#include "viewer/PanMode.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace tavrix::win32 {

namespace {

constexpr int kSize = 32;
constexpr int kCentre = 15;

// A monochrome 32 × 32 picture: a small ring in the middle and arrow heads pointing the ways the
// view moves. Pixels are transparent unless painted black or white.
class CursorPicture {
public:
    CursorPicture() {
        andMask_.fill(0xFF);
        xorMask_.fill(0x00);
    }
    void Paint(int x, int y, bool white) {
        if (x < 0 || y < 0 || x >= kSize || y >= kSize) {
            return;
        }
        const int index = y * (kSize / 8) + x / 8;
        const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
        andMask_[index] = static_cast<std::uint8_t>(andMask_[index] & ~bit);
        if (white) {
            xorMask_[index] = static_cast<std::uint8_t>(xorMask_[index] | bit);
        } else {
            xorMask_[index] = static_cast<std::uint8_t>(xorMask_[index] & ~bit);
        }
    }
    void Ring() {
        for (int y = -4; y <= 4; ++y) {
            for (int x = -4; x <= 4; ++x) {
                const int d = x * x + y * y;
                if (d <= 20) {
                    Paint(kCentre + x, kCentre + y, d <= 8);
                }
            }
        }
    }
    // An arrow head with its tip 14 pixels from the centre in direction (dx, dy).
    void Arrow(int dx, int dy) {
        for (int step = 0; step <= 5; ++step) {
            const int along = 14 - step;
            for (int across = -step; across <= step; ++across) {
                const bool edge = std::abs(across) == step || step == 5;
                const int x = kCentre + dx * along + dy * across;
                const int y = kCentre + dy * along + dx * across;
                Paint(x, y, !edge);
            }
        }
    }
    HCURSOR Create() const {
        return CreateCursor(GetModuleHandleW(nullptr), kCentre, kCentre, kSize, kSize,
                            andMask_.data(), xorMask_.data());
    }

private:
    std::array<std::uint8_t, kSize * kSize / 8> andMask_{};
    std::array<std::uint8_t, kSize * kSize / 8> xorMask_{};
};

HCURSOR MakeCursor(int number) {
    CursorPicture picture;
    picture.Ring();
    const bool all = number == crPanNeutral;
    if (all || number == crPanUp) {
        picture.Arrow(0, -1);
    }
    if (all || number == crPanDown) {
        picture.Arrow(0, 1);
    }
    if (all || number == crPanLeft) {
        picture.Arrow(-1, 0);
    }
    if (all || number == crPanRight) {
        picture.Arrow(1, 0);
    }
    return picture.Create();
}

class PanCursorSet {
public:
    PanCursorSet() {
        for (int i = 0; i < 5; ++i) {
            cursors_[i] = MakeCursor(crPanNeutral - i);
        }
    }
    ~PanCursorSet() {
        for (HCURSOR cursor : cursors_) {
            if (cursor != nullptr) {
                DestroyCursor(cursor);
            }
        }
    }
    PanCursorSet(const PanCursorSet&) = delete;
    PanCursorSet& operator=(const PanCursorSet&) = delete;

    HCURSOR Get(int number) const { return cursors_[crPanNeutral - number]; }

private:
    std::array<HCURSOR, 5> cursors_{};
};

} // namespace

HCURSOR PanCursor(int cursorNumber) {
    if (cursorNumber <= crPanNeutral && cursorNumber >= crPanRight) {
        static const PanCursorSet cursors;
        HCURSOR cursor = cursors.Get(cursorNumber);
        if (cursor != nullptr) {
            return cursor;
        }
    }
    return LoadCursorW(nullptr, IDC_IBEAM);
}

void ShowViewerCursor(int cursorNumber) {
    SetCursor(PanCursor(cursorNumber));
}

} // namespace tavrix::win32
