// Instructions per call of the viewer's per-line text work, counted with callgrind: the code
// page conversion of one 300-byte line (a single-byte code page and UTF-8) and the preparation
// and measuring of one 300-character line with tabs. Each figure is printed beside a baseline
// measured in the same run. Run with bench/viewer-text-bench.sh.
#include "fakes/FixedWidthCanvas.h"
#include "fakes/IconvCodepageSystem.h"
#include "viewer/CodePages.h"
#include "viewer/LineDrawing.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kCalls = 1000;
volatile std::size_t g_sink = 0;

template <typename F> void Measure(const char* name, F&& work) {
    work(); // warm up: first-use allocations and iconv descriptors stay out of the count
    CALLGRIND_ZERO_STATS;
    CALLGRIND_START_INSTRUMENTATION;
    for (int i = 0; i < kCalls; ++i) {
        work();
    }
    CALLGRIND_STOP_INSTRUMENTATION;
    CALLGRIND_DUMP_STATS_AT(name);
}

} // namespace

int main() {
    using namespace tavrix;
    testing::IconvCodepageSystem system;
    InstallCodepageSystem(&system);
    BuildAvailableEncodings();

    std::string cyrillic;
    for (int i = 0; i < 300; ++i) {
        cyrillic.push_back(static_cast<char>(i % 7 == 6 ? ' ' : 0xC0 + (i * 13) % 64));
    }
    std::string utf8;
    while (utf8.size() < 300) {
        utf8 += utf8.size() % 3 == 0 ? "\xD0\xB6" : "ab ";
    }
    utf8.resize(300);
    std::wstring tabbed;
    for (int i = 0; i < 300; ++i) {
        tabbed.push_back(i % 23 == 5 ? L'\t' : static_cast<wchar_t>(L'a' + i % 26));
    }
    std::vector<wchar_t> buffer(1024);
    testing::FixedWidthCanvas canvas;
    LineOutputOptions options;
    options.showNonPrintable = true;
    options.monospaced = true;
    options.tabSize = 8;
    CharExtents extents;

    Measure("baseline_system_conversion_1251", [&] {
        g_sink = g_sink + static_cast<std::size_t>(system.MultiByteToWide(1251, cyrillic, buffer));
    });
    Measure("codepage_to_unicode_1251",
            [&] { g_sink = g_sink + CodepageToUnicode(cyrillic, ViewerEncoding::CyrWin).size(); });
    Measure("baseline_system_conversion_utf8", [&] {
        g_sink = g_sink + static_cast<std::size_t>(system.MultiByteToWide(65001, utf8, buffer));
    });
    Measure("codepage_to_unicode_utf8",
            [&] { g_sink = g_sink + CodepageToUnicode(utf8, ViewerEncoding::UTF8).size(); });
    std::vector<int> prefix(400);
    Measure("baseline_canvas_prefix_extents",
            [&] { g_sink = g_sink + (canvas.PrefixExtents(tabbed, prefix) ? 1 : 0); });
    Measure("prepare_and_extents_300_tabs", [&] {
        g_sink = g_sink + PrepareLineText(tabbed, options).size();
        g_sink = g_sink + GetCharExtents(canvas, tabbed, extents, options) ? 1 : 0;
    });
    std::printf("calls per measurement: %d\n", kCalls);
    return g_sink == 0 ? 1 : 0;
}
