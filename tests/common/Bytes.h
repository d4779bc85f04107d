#pragma once
// Byte buffers for tests: text as bytes (8-bit and UTF-16LE), and whole files read and written at
// once.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace tavrix::testing {

using Bytes = std::vector<std::uint8_t>;

// The characters of text, without a terminating zero.
inline Bytes BytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

// The UTF-16LE bytes of text's units, without a terminating zero. Wide text is UTF-16 only where
// wchar_t has 16 bits (Windows).
template <typename Unit> Bytes Utf16Bytes(std::basic_string_view<Unit> text) {
    Bytes bytes;
    for (const Unit unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
    }
    return bytes;
}
inline Bytes Utf16Bytes(std::u16string_view text) {
    return Utf16Bytes<char16_t>(text);
}
inline Bytes Utf16Bytes(std::wstring_view text) {
    return Utf16Bytes<wchar_t>(text);
}

// Text the way a clipboard block holds it: its units and a terminating zero unit.
inline Bytes TextBlock(std::string_view text) {
    Bytes bytes = BytesOf(text);
    bytes.push_back(0);
    return bytes;
}
inline Bytes TextBlock(std::wstring_view text) {
    Bytes bytes = Utf16Bytes(text);
    bytes.insert(bytes.end(), 2, 0);
    return bytes;
}

// Throws when the file cannot be opened, so that a missing file fails the test that reads it.
inline Bytes FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace tavrix::testing
