// Build-time generator of reference code page tables for the tests. It asks glibc's iconv, and
// nothing of Tavrix, how every single byte of each encoding of the viewer's encoding menu decodes,
// and writes the answers as a C++ header. Runs on the build machine (also in cross builds).
#include <cerrno>
#include <cstdio>
#include <iconv.h>
#include <string>
#include <vector>

namespace {

// Encoding menu position and the iconv name of the code page behind it. (glibc's "ASMO-708" is an
// alias of ISO 8859-6, while Windows' code page 708 is a DOS code page: no reference for it.) The
// generic entries use the code pages of a U.S. English system: ANSI 1252, OEM 437, EBCDIC 37,
// KOI8-R, ISO 8859-1 (for ANSI 1252) and MacRoman. Empty names: glibc has no such table.
struct Row {
    int encoding;
    const char* iconvName;
};
const Row kRows[] = {
    {0, "CP1252"},      {1, "IBM437"},
    {2, "IBM037"},      {3, "KOI8-R"},
    {4, "ISO-8859-1"},  {5, "MACINTOSH"},
    {6, "IBM850"},      {7, "ISO-8859-1"},
    {8, "ISO-8859-15"}, {9, "MACINTOSH"},
    {10, "CP1252"},     {11, "IBM852"},
    {12, "ISO-8859-2"}, {13, "MAC-CENTRALEUROPE"},
    {14, "CP1250"},     {15, "IBM775"},
    {16, "ISO-8859-4"}, {17, "ISO-8859-13"},
    {18, "CP1257"},     {19, "IBM866"},
    {20, "ISO-8859-5"}, {21, "KOI8-R"},
    {22, "KOI8-U"},     {23, "MAC-CYRILLIC"},
    {24, "MAC-UK"},     {25, "CP1251"},
    {26, "IBM437"},     {27, "CP737"},
    {28, "ISO-8859-7"}, {29, ""},
    {30, "CP1253"},     {31, "ISO-8859-3"},
    {32, "IBM857"},     {33, "ISO-8859-9"},
    {34, ""},           {35, "CP1254"},
    {36, ""},           {37, ""},
    {38, "IBM864"},     {39, "ISO-8859-6"},
    {40, ""},           {41, "CP1256"},
    {42, "IBM862"},     {43, "ISO-8859-8"},
    {44, "ISO-8859-8"}, {45, ""},
    {46, "CP1255"},     {47, "CP874"},
    {48, "CP1258"},     {49, "IBM037"},
    {50, "IBM500"},     {51, "IBM1047"},
    {52, "IBM870"},     {53, "IBM423"},
    {54, "IBM875"},     {55, "IBM273"},
    {56, "IBM277"},     {57, "IBM278"},
    {58, "IBM285"},     {59, "IBM297"},
    {60, "IBM871"},     {61, "IBM880"},
    {62, "IBM1025"},    {63, "IBM280"},
    {64, "IBM284"},     {65, "IBM290"},
    {66, ""},           {67, "IBM420"},
    {68, "IBM424"},     {69, ""},
    {70, "IBM905"},     {71, "IBM1026"},
    {72, "UTF-7"},      {73, "UTF-8"},
};

// One input byte decoded to one UTF-16 unit, or -1 when iconv does not define it.
std::vector<long> DecodeBytes(const char* from, const char* to, int unitBytes, int first) {
    std::vector<long> result;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return result;
    }
    for (int b = first; b < 256; ++b) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char in[1] = {static_cast<char>(b)};
        char out[16];
        char* inPtr = in;
        size_t inLeft = 1;
        char* outPtr = out;
        size_t outLeft = sizeof out;
        long value = -1;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
            iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
            outPtr - out == unitBytes) {
            const auto* u = reinterpret_cast<unsigned char*>(out);
            value = unitBytes == 2 ? (u[0] | (u[1] << 8)) : u[0];
        }
        result.push_back(value);
    }
    iconv_close(cd);
    return result;
}

void WriteArray(FILE* f, const std::vector<long>& values) {
    for (size_t i = 0; i < values.size(); ++i) {
        std::fprintf(f, "%s%ld,", i % 16 == 0 ? "\n    " : " ", values[i]);
    }
    std::fprintf(f, "\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output.h\n", argv[0]);
        return 2;
    }
    FILE* f = std::fopen(argv[1], "w");
    if (f == nullptr) {
        return 1;
    }
    std::fprintf(f, "#pragma once\n// Generated from glibc iconv at build time. Do not edit.\n"
                    "// -1: the reference leaves the byte undefined.\n\n"
                    "struct CodepageReferenceRow {\n    int encoding;\n    const char* name;\n"
                    "    bool present;\n    long units[256];\n};\n\n"
                    "inline const CodepageReferenceRow kCodepageReference[] = {\n");
    for (const Row& row : kRows) {
        std::vector<long> units;
        if (row.iconvName[0] != '\0') {
            units = DecodeBytes(row.iconvName, "UTF-16LE", 2, 0);
        }
        const bool present = units.size() == 256;
        if (!present) {
            units.assign(256, -1);
        }
        std::fprintf(f, "{%d, \"%s\", %s, {", row.encoding, row.iconvName,
                     present ? "true" : "false");
        WriteArray(f, units);
        std::fprintf(f, "}},\n");
    }
    std::fprintf(f, "};\n\n");

    // The generic encodings' stand-in tables map to bytes of Windows-1251 (KOI8) or -1252.
    struct Fallback {
        const char* name;
        const char* from;
        const char* to;
        int first;
    };
    const Fallback fallbacks[] = {
        {"kKoi8RTo1251", "KOI8-R", "CP1251", 128},
        {"kMacRomanTo1252", "MACINTOSH", "CP1252", 128},
        {"kCp037To1252", "IBM037", "CP1252", 0},
        {"kLatin1To1252", "ISO-8859-1", "CP1252", 128},
    };
    for (const Fallback& fb : fallbacks) {
        std::vector<long> bytes = DecodeBytes(fb.from, fb.to, 1, fb.first);
        if (bytes.size() != static_cast<size_t>(256 - fb.first)) {
            std::fprintf(stderr, "iconv cannot convert %s to %s\n", fb.from, fb.to);
            return 1;
        }
        std::fprintf(f, "inline const long %s[%d] = {", fb.name, 256 - fb.first);
        WriteArray(f, bytes);
        std::fprintf(f, "};\n\n");
    }
    return std::fclose(f) == 0 ? 0 : 1;
}
