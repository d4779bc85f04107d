// Time per call of the settings store's INI layer and of the translation lookup, each beside a
// baseline measured in the same run: reading a value re-reads and parses the whole file, so its
// cost is shown against copying the file's bytes; a translation against copying the English
// text. Run with bench/settings-bench.sh.
#include "i18n/Translate.h"
#include "i18n/TranslatedTexts.h"
#include "i18n/UiLanguage.h"
#include "settings/IniFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
volatile std::size_t g_sink = 0;

// The fastest of five rounds, so that other work on a shared machine counts as little as
// possible.
template <typename F> double NanosecondsPerCall(F&& work) {
    constexpr int kCalls = 20000;
    work();
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < kCalls; ++i) {
            work();
        }
        const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
        best = std::min(best, elapsed.count() / kCalls);
    }
    return best;
}

class MemoryFiles : public tavrix::SettingsFiles {
public:
    std::optional<std::string> Read(const std::wstring& path) override { return files[path]; }
    bool Write(const std::wstring& path, const std::string& bytes) override {
        files[path] = bytes;
        return true;
    }
    std::map<std::wstring, std::string> files;
};

class German : public tavrix::UiLanguageSource {
public:
    std::uint16_t UserDefaultUILanguage() override { return 0x0407; }
};

void Report(const char* name, double ns, const char* baselineName, double baselineNs) {
    std::printf("%-40s %9.1f ns   %-30s %8.1f ns   ratio %6.1f\n", name, ns, baselineName,
                baselineNs, ns / baselineNs);
}

} // namespace

int main() {
    using namespace tavrix;
    MemoryFiles files;
    const std::wstring path = L"C:\\Tools\\Backup.ini";
    files.files[path] = "[Main]\r\nFirstStarted=1\r\nOnTop=0\r\nZoom=10\r\nZoomImage=100\r\n"
                        "FormatsWidth=220\r\nTMainFormTop=120\r\nTMainFormLeft=200\r\n"
                        "TMainFormHeight=600\r\nTMainFormWidth=800\r\nTMainFormState=0\r\n";
    IniFile ini(path, files);

    const double copyFile = NanosecondsPerCall([&] { g_sink = g_sink + files.Read(path)->size(); });
    const double readLast = NanosecondsPerCall([&] {
        g_sink = g_sink + static_cast<std::size_t>(ini.ReadInteger(L"Main", L"TMainFormState", 0));
    });
    const double write = NanosecondsPerCall([&] { ini.WriteInteger(L"Main", L"Zoom", 12); });
    Report("IniFile::ReadInteger (last of 10 lines)", readLast, "copy of the file's bytes",
           copyFile);
    Report("IniFile::WriteInteger (10-line file)", write, "copy of the file's bytes", copyFile);

    German german;
    InstallUiLanguageSource(&german);
    const std::u16string key = u"Save clipboard to file";
    const double copyText =
        NanosecondsPerCall([&] { g_sink = g_sink + std::u16string(key).size(); });
    const double translate =
        NanosecondsPerCall([&] { g_sink = g_sink + TranslateText(key, 0x0407).size(); });
    const double all = NanosecondsPerCall(
        [&] { g_sink = g_sink + TranslateUserInterface(L"4.0.0.0").sizeLabel.size(); });
    Report("TranslateText (last key, German)", translate, "copy of the English text", copyText);
    Report("TranslateUserInterface (25 texts)", all, "copy of the English text", copyText);
    InstallUiLanguageSource(nullptr);
    return g_sink == 0 ? 1 : 0;
}
