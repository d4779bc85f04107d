#include "viewer/PngFile.h"

#include "base/win32/BitmapDC.h"
#include "base/win32/GdiObjects.h"

#include <cstdio>

namespace tavrix::testing {

Pixels CapturePixels(HDC dc, int width, int height) {
    Pixels pixels;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win32::Bitmap section(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::BitmapDC memory = win32::scoped::CreateCompatibleDC(dc, section.get());
    if (section && memory) {
        BitBlt(memory.get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
        GdiFlush();
        pixels.width = width;
        pixels.height = height;
        const auto* source = static_cast<const std::uint32_t*>(bits);
        pixels.rgb.assign(source, source + static_cast<std::size_t>(width) * height);
        for (std::uint32_t& v : pixels.rgb) {
            v &= 0x00FFFFFF;
        }
    }
    return pixels;
}

namespace {

std::uint32_t Crc32(const std::vector<std::uint8_t>& data, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBig32(out, Crc32(body, 0));
}

} // namespace

bool WritePng(const std::string& path, const Pixels& pixels) {
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < pixels.height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < pixels.width; ++x) {
            const std::uint32_t v = pixels.rgb[static_cast<std::size_t>(y * pixels.width + x)];
            raw.push_back(static_cast<std::uint8_t>(v >> 16));
            raw.push_back(static_cast<std::uint8_t>(v >> 8));
            raw.push_back(static_cast<std::uint8_t>(v));
        }
    }
    std::vector<std::uint8_t> z = {0x78, 0x01};
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t i = 0; i < raw.size() || i == 0; i += 65535) {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - i);
        z.push_back(i + n >= raw.size() ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n));
        z.push_back(static_cast<std::uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(i),
                 raw.begin() + static_cast<std::ptrdiff_t>(i + n));
        if (raw.empty()) {
            break;
        }
    }
    PutBig32(z, (b << 16) | a);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<std::uint8_t> header;
    PutBig32(header, static_cast<std::uint32_t>(pixels.width));
    PutBig32(header, static_cast<std::uint32_t>(pixels.height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", {});

    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool ok = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace tavrix::testing
