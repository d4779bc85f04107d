#include "ui/IconArt.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrix {

namespace {

struct Color {
    std::uint8_t r, g, b;
    double a = 1.0;
};

constexpr int kSamples = 8; // per axis and pixel

// Paints shapes given on a 16-unit grid onto an image of any size.
class Painter {
public:
    explicit Painter(int size) : size_(size), scale_(size / 16.0) {
        image_.size = size;
        image_.pixels.resize(static_cast<std::size_t>(size * size));
        accum_.assign(static_cast<std::size_t>(size * size), {0, 0, 0, 0});
    }

    // Straight edges land on whole pixels at every size.
    double Snap(double units) const { return std::round(units * scale_); }
    double Exact(double units) const { return units * scale_; }
    // A line width of at least one pixel.
    double Stroke(double units) const { return std::max(1.0, std::round(units * scale_)); }

    void Rect(double x0, double y0, double x1, double y1, Color c) {
        double l = Snap(x0), t = Snap(y0), r = Snap(x1), b = Snap(y1);
        Fill(c, {l, t, r, b},
             [=](double x, double y) { return x >= l && x < r && y >= t && y < b; });
    }
    // A rectangle with a border of the given width in whole pixels.
    void FramedRect(double x0, double y0, double x1, double y1, Color border, Color inside,
                    double borderUnits = 1.0) {
        double w = Stroke(borderUnits);
        double l = Snap(x0), t = Snap(y0), r = Snap(x1), b = Snap(y1);
        Fill(border, {l, t, r, b},
             [=](double x, double y) { return x >= l && x < r && y >= t && y < b; });
        Fill(inside, {l, t, r, b}, [=](double x, double y) {
            return x >= l + w && x < r - w && y >= t + w && y < b - w;
        });
    }
    void Circle(double cx, double cy, double radius, Color c) {
        double x0 = Exact(cx), y0 = Exact(cy), rr = Exact(radius);
        Fill(c, {x0 - rr, y0 - rr, x0 + rr, y0 + rr},
             [=](double x, double y) { return Sq(x - x0) + Sq(y - y0) <= rr * rr; });
    }
    void Ring(double cx, double cy, double outer, double width, Color c) {
        double x0 = Exact(cx), y0 = Exact(cy), ro = Exact(outer), ri = ro - Stroke(width);
        Fill(c, {x0 - ro, y0 - ro, x0 + ro, y0 + ro}, [=](double x, double y) {
            double d = Sq(x - x0) + Sq(y - y0);
            return d <= ro * ro && d >= ri * ri;
        });
    }
    // A line with round ends.
    void Line(double ax, double ay, double bx, double by, double width, Color c) {
        double x0 = Exact(ax), y0 = Exact(ay), x1 = Exact(bx), y1 = Exact(by);
        double half = std::max(0.75, Exact(width) / 2);
        const Box box{std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half,
                      std::max(y0, y1) + half};
        Fill(c, box, [=](double x, double y) {
            double dx = x1 - x0, dy = y1 - y0;
            double len2 = dx * dx + dy * dy;
            double t = len2 == 0 ? 0 : std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0);
            return Sq(x - (x0 + t * dx)) + Sq(y - (y0 + t * dy)) <= half * half;
        });
    }
    void Polygon(std::vector<std::pair<double, double>> points, Color c) {
        Box box{1e9, 1e9, -1e9, -1e9};
        for (auto& p : points) {
            p = {Snap(p.first), Snap(p.second)};
            box = {std::min(box.left, p.first), std::min(box.top, p.second),
                   std::max(box.right, p.first), std::max(box.bottom, p.second)};
        }
        Fill(c, box, [points](double x, double y) {
            bool inside = false;
            for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                auto [xi, yi] = points[i];
                auto [xj, yj] = points[j];
                if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) {
                    inside = !inside;
                }
            }
            return inside;
        });
    }

    IconImage Finish() {
        for (std::size_t i = 0; i < accum_.size(); ++i) {
            const auto& p = accum_[i];
            IconPixel& out = image_.pixels[i];
            if (p.a <= 0.0) {
                continue;
            }
            out.a = ToByte(p.a);
            out.r = ToByte(p.r / p.a);
            out.g = ToByte(p.g / p.a);
            out.b = ToByte(p.b / p.a);
        }
        return std::move(image_);
    }

private:
    struct Box {
        double left, top, right, bottom;
    };
    struct Premultiplied {
        double r, g, b, a;
    };
    static double Sq(double v) { return v * v; }
    static std::uint8_t ToByte(double v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v * 255.0), 0L, 255L));
    }

    // Composites the colour over what is there, weighted by the covered part of each pixel.
    // Only the pixels that the box (in pixel coordinates) touches can be covered.
    template <class Inside> void Fill(Color c, const Box& box, const Inside& inside) {
        const int top = std::max(0, static_cast<int>(std::floor(box.top)));
        const int bottom = std::min(size_, static_cast<int>(std::ceil(box.bottom)) + 1);
        const int left = std::max(0, static_cast<int>(std::floor(box.left)));
        const int right = std::min(size_, static_cast<int>(std::ceil(box.right)) + 1);
        for (int py = top; py < bottom; ++py) {
            for (int px = left; px < right; ++px) {
                int hits = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        if (inside(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples)) {
                            ++hits;
                        }
                    }
                }
                if (hits == 0) {
                    continue;
                }
                double alpha = c.a * hits / (kSamples * kSamples);
                Premultiplied& d = accum_[static_cast<std::size_t>(py * size_ + px)];
                d.r = c.r / 255.0 * alpha + d.r * (1 - alpha);
                d.g = c.g / 255.0 * alpha + d.g * (1 - alpha);
                d.b = c.b / 255.0 * alpha + d.b * (1 - alpha);
                d.a = alpha + d.a * (1 - alpha);
            }
        }
    }

    int size_;
    double scale_;
    IconImage image_;
    std::vector<Premultiplied> accum_;
};

constexpr Color kOutline{46, 52, 64};
constexpr Color kWhite{255, 255, 255};
constexpr Color kBlue{38, 120, 214};
constexpr Color kDarkBlue{24, 64, 140};
constexpr Color kFolder{236, 178, 58};
constexpr Color kFolderDark{178, 122, 26};
constexpr Color kBoard{150, 96, 52};
constexpr Color kClip{176, 184, 196};
constexpr Color kPaper{250, 250, 246};
constexpr Color kLines{150, 164, 184};
constexpr Color kRed{214, 48, 40};
constexpr Color kGlass{206, 232, 250, 0.85};
constexpr Color kGreen{52, 160, 86};

void Globe(Painter& p) {
    p.Circle(8, 8, 7.5, kDarkBlue);
    p.Circle(8, 8, 6.5, kBlue);
    p.Ring(8, 8, 6.5, 0.9, Color{255, 255, 255, 0.9});
    // Meridian and parallels.
    p.Rect(7.5, 1.5, 8.5, 14.5, Color{255, 255, 255, 0.9});
    p.Rect(1.5, 7.5, 14.5, 8.5, Color{255, 255, 255, 0.9});
    p.Rect(3, 4.5, 13, 5.5, Color{255, 255, 255, 0.6});
    p.Rect(3, 10.5, 13, 11.5, Color{255, 255, 255, 0.6});
}

void Folder(Painter& p) {
    p.Polygon({{1, 3}, {6, 3}, {7, 4.5}, {13, 4.5}, {13, 13}, {1, 13}}, kFolderDark);
    p.Polygon({{2, 4}, {5.5, 4}, {6.5, 5.5}, {12, 5.5}, {12, 12}, {2, 12}}, kFolder);
    // The open front flap.
    p.Polygon({{3, 7}, {15.5, 7}, {13, 13}, {1, 13}}, kFolderDark);
    p.Polygon({{3.8, 8}, {14, 8}, {12.3, 12}, {2.2, 12}}, Color{250, 206, 96});
}

void Floppy(Painter& p) {
    p.FramedRect(1, 1, 15, 15, kDarkBlue, kBlue);
    p.FramedRect(4, 1, 12, 6, kDarkBlue, kClip);
    p.Rect(9, 2, 11, 5, kDarkBlue);
    p.FramedRect(3, 8, 13, 15, kDarkBlue, kPaper);
    p.Rect(5, 10, 11, 11, kLines);
    p.Rect(5, 12, 11, 13, kLines);
}

void Clipboard(Painter& p) {
    p.FramedRect(2, 2, 14, 15.5, Color{96, 60, 30}, kBoard);
    p.Rect(3.5, 4, 12.5, 14, kPaper);
    p.Rect(5, 7, 11, 8, kLines);
    p.Rect(5, 9.5, 11, 10.5, kLines);
    p.Rect(5, 12, 9, 13, kLines);
    p.FramedRect(5, 0.5, 11, 4, kOutline, kClip);
}

void ClearClipboard(Painter& p) {
    Clipboard(p);
    p.Line(6, 7, 15, 15, 2.6, kWhite);
    p.Line(15, 7, 6, 15, 2.6, kWhite);
    p.Line(6.5, 7.5, 14.5, 14.5, 1.8, kRed);
    p.Line(14.5, 7.5, 6.5, 14.5, 1.8, kRed);
}

void Magnifier(Painter& p, bool plus) {
    p.Line(10, 10, 14.5, 14.5, 2.6, kOutline);
    p.Circle(6.5, 6.5, 5.5, kOutline);
    p.Circle(6.5, 6.5, 4.3, kGlass);
    p.Rect(4, 6, 9, 7, kDarkBlue);
    if (plus) {
        p.Rect(6, 4, 7, 9, kDarkBlue);
    }
}

void Info(Painter& p) {
    p.Circle(8, 8, 7.5, kDarkBlue);
    p.Circle(8, 8, 6.5, kBlue);
    p.Circle(8, 4.6, 1.2, kWhite);
    p.Rect(7, 7, 9, 12, kWhite);
    p.Rect(6, 7, 9, 8, kWhite);
    p.Rect(6, 11, 10, 12, kWhite);
}

void ClipboardHistory(Painter& p) {
    // Two sheets behind the board stand for the kept history.
    p.FramedRect(6, 4, 15.5, 15.5, kOutline, Color{226, 232, 240});
    p.FramedRect(4, 3, 13.5, 14.5, kOutline, kPaper);
    p.FramedRect(0.5, 2, 10.5, 14, Color{96, 60, 30}, kBoard);
    p.Rect(2, 4, 9, 12.5, kPaper);
    p.Rect(3, 6.5, 8, 7.5, kGreen);
    p.Rect(3, 9, 8, 10, kGreen);
    p.FramedRect(3, 0.5, 8, 3.5, kOutline, kClip);
}

} // namespace

IconImage DrawIcon(IconKind kind, int size) {
    using Art = void (*)(Painter&);
    static constexpr std::pair<IconKind, Art> kArt[] = {
        {IconKind::HelpOnline, Globe},
        {IconKind::Load, Folder},
        {IconKind::Save, Floppy},
        {IconKind::Clear, ClearClipboard},
        {IconKind::ZoomOut, [](Painter& p) { Magnifier(p, false); }},
        {IconKind::ZoomIn, [](Painter& p) { Magnifier(p, true); }},
        {IconKind::About, Info},
        {IconKind::OtherProduct, ClipboardHistory},
    };
    Painter painter(size);
    for (const auto& [shown, art] : kArt) {
        if (shown == kind) {
            art(painter);
        }
    }
    return painter.Finish();
}

} // namespace tavrix
