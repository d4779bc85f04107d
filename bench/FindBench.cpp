// Find over 1 GiB in memory against glibc's memmem over the same bytes, both timed in this run
// (the median of a few rounds): a 16-byte pattern that is absent from random bytes, and a
// 16-character text, letter case ignored, that is absent from UTF-16 text. A third figure
// belongs to the window's responsiveness during a search (see bench/find.sh). Run with
// bench/find.sh.
#include "viewer/FindMatcher.h"
#include "viewer/FindPattern.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string.h> // memmem, the baseline (glibc)
#include <vector>

namespace {

constexpr std::size_t kSize = std::size_t{1} << 30;
constexpr int kRounds = 5;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Work> double MedianSeconds(Work&& work) {
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return Median(times);
}

std::uint64_t g_state = 0x9E3779B97F4A7C15ull;
std::uint64_t Random() {
    g_state ^= g_state << 13;
    g_state ^= g_state >> 7;
    g_state ^= g_state << 17;
    return g_state;
}

// Times the matcher and memmem on data; both must find nothing.
void Compare(const char* what, const std::vector<std::uint8_t>& data,
             const tavrix::BytePattern& pattern, const std::vector<std::uint8_t>& exact,
             double target) {
    tavrix::MemoryFindSource source(data);
    tavrix::FindMatcher matcher(pattern, source);
    bool found = false;
    const double ours = MedianSeconds([&] {
        found = found || matcher.Find(0, static_cast<std::int64_t>(data.size()),
                                      tavrix::FindDirection::Forward)
                                 .outcome == tavrix::FindOutcome::Found;
    });
    const double base = MedianSeconds([&] {
        found = found || memmem(data.data(), data.size(), exact.data(), exact.size()) != nullptr;
    });
    if (found) {
        std::printf("%s: the pattern is in the data; no figure\n", what);
        return;
    }
    const double gb = static_cast<double>(data.size()) / 1e9;
    std::printf("%s: Find %.1f ms (%.2f GB/s), memmem %.1f ms (%.2f GB/s), ratio %.2f (at most "
                "%.1f)\n",
                what, ours * 1e3, gb / ours, base * 1e3, gb / base, ours / base, target);
}

} // namespace

int main() {
    std::vector<std::uint8_t> data(kSize);
    for (std::size_t i = 0; i < kSize; i += 8) {
        const std::uint64_t value = Random();
        std::memcpy(data.data() + i, &value, 8);
    }
    std::vector<std::uint8_t> plain(16);
    for (std::uint8_t& byte : plain) {
        byte = static_cast<std::uint8_t>(Random());
    }
    tavrix::BytePattern bytes;
    for (const std::uint8_t byte : plain) {
        bytes.units.push_back({false, {{byte}}});
    }
    Compare("16-byte pattern absent from 1 GiB of random bytes", data, bytes, plain, 1.3);
    {
        // The viewer's document is read into the search's buffer: the same search with a copy
        // of every chunk, for comparison.
        tavrix::ReaderFindSource reader(
            [&](std::int64_t offset, std::span<std::uint8_t> into) {
                const std::size_t count =
                    std::min(into.size(), data.size() - static_cast<std::size_t>(offset));
                std::memcpy(into.data(), data.data() + offset, count);
                return count;
            },
            static_cast<std::int64_t>(data.size()));
        tavrix::FindMatcher matcher(bytes, reader);
        const double seconds = MedianSeconds([&] {
            matcher.Find(0, static_cast<std::int64_t>(data.size()), tavrix::FindDirection::Forward);
        });
        std::printf("the same through a reader that copies each chunk: %.1f ms (%.2f GB/s)\n",
                    seconds * 1e3, static_cast<double>(data.size()) / 1e9 / seconds);
    }

    // Words of 2 to 9 letters of either case, spaces between them, as UTF-16LE.
    for (std::size_t i = 0; i < kSize;) {
        const std::uint64_t value = Random();
        const int letters = 2 + static_cast<int>(value % 8);
        for (int k = 0; k < letters && i < kSize; ++k, i += 2) {
            const auto letter = static_cast<std::uint8_t>((value >> (8 + 5 * k)) % 26);
            data[i] = static_cast<std::uint8_t>(((value >> (50 + k)) & 1 ? 'A' : 'a') + letter);
            data[i + 1] = 0;
        }
        if (i < kSize) {
            data[i] = ' ';
            data[i + 1] = 0;
            i += 2;
        }
    }
    const std::wstring text = L"Clipboard Viewer";
    const auto compiled = tavrix::CompileTextPattern(text, {tavrix::TextEncoding::Utf16Le});
    std::vector<std::uint8_t> exact;
    for (const wchar_t c : text) {
        exact.push_back(static_cast<std::uint8_t>(c));
        exact.push_back(0);
    }
    Compare("\"Clipboard Viewer\", case ignored, absent from 1 GiB of UTF-16 text", data,
            std::get<tavrix::BytePattern>(compiled), exact, 3.0);
    return 0;
}
