// Fuzz target: the settings file parser and writer and the integer rules on arbitrary bytes.
// Checks that a written value reads back, that writing the document out and parsing it again
// changes no value, and that every integer read prints and parses to itself.
#include "base/Unicode.h"
#include "settings/IniDocument.h"
#include "settings/IniInteger.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrix;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    IniDocument document(bytes);
    const auto zoom = document.Get(L"Main", L"Zoom");
    const auto onTop = document.Get(L"main", L"ONTOP");
    IniDocument again(document.Bytes());
    if (again.Get(L"Main", L"Zoom") != zoom || again.Get(L"Main", L"OnTop") != onTop) {
        std::abort();
    }

    document.Set(L"Main", L"Zoom", L"12");
    if (document.Get(L"MAIN", L"zoom") != std::wstring(L"12")) {
        std::abort();
    }
    if (IniDocument(document.Bytes()).Get(L"Main", L"Zoom") != std::wstring(L"12")) {
        std::abort();
    }

    const std::wstring text = WideFromUtf8(bytes);
    if (const auto value = ParseIniInteger(text)) {
        if (ParseIniInteger(std::to_wstring(*value)) != value) {
            std::abort();
        }
    }
    if (WideFromUtf8(Utf8FromWide(text)) != text) {
        std::abort();
    }
    const std::string utf8 = Utf8FromWide(text);
    if (Utf8FromUtf16Le(Utf16LeFromUtf8(utf8)) != utf8) {
        std::abort();
    }
    Utf8FromUtf16Le(bytes);
    return 0;
}
