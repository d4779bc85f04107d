#pragma once
// The program's toolbar and menu pictures, drawn in code at any square size: eight pictures,
// laid out on a 16-unit grid whose straight edges are snapped to whole pixels so that each size
// stays sharp; round shapes are smoothed by supersampling.
#include <cstdint>
#include <vector>

namespace tavrix {

enum class IconKind {
    HelpOnline = 0,   // a globe
    Load = 1,         // an open folder
    Save = 2,         // a floppy disk
    Clear = 3,        // a clipboard crossed out
    ZoomOut = 4,      // a magnifier with a minus
    ZoomIn = 5,       // a magnifier with a plus
    About = 6,        // an information sign
    OtherProduct = 7, // a clipboard with a stack of sheets
};
inline constexpr int kIconCount = 8;

struct IconPixel {
    std::uint8_t b = 0, g = 0, r = 0, a = 0; // straight (not premultiplied) alpha
};

// size x size pixels, rows from the top.
struct IconImage {
    int size = 0;
    std::vector<IconPixel> pixels;
    const IconPixel& At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * size + x)];
    }
};

IconImage DrawIcon(IconKind kind, int size);

} // namespace tavrix
