// The clipboard port, the registered formats and the catalogue against Wine's real clipboard,
// with a second process (cliphelper) where "another program" matters.
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "DibBuilder.h"
#include "ErrorText.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/FormatCatalogue.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/Win32Picture.h"
#include "support/HelperProcess.h"
#include "support/TestWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tavrix {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::MakeDib;

// Expects f to throw tavrix::Error with exactly the given text.
template <typename F> void ExpectError(F f, const std::wstring& text) {
    EXPECT_EQ(testing::ErrorText(f), text);
}

class RealClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(owner_.get(), nullptr);
        RegisterStartupFormats(backend_);
        Place({});
    }

    // One change of the clipboard by this process: empty, then the given memory formats.
    void Place(const std::vector<std::pair<ClipFormat, Bytes>>& formats) {
        ClipboardOpen open(port_);
        ASSERT_TRUE(backend_.Empty());
        for (const auto& [format, bytes] : formats) {
            ASSERT_TRUE(backend_.SetData(format, bytes)) << format;
        }
    }

    std::vector<ClipFormat> Enumerated() {
        std::vector<ClipFormat> formats;
        ClipboardOpen open(port_);
        for (UINT f = EnumClipboardFormats(0); f != 0; f = EnumClipboardFormats(f)) {
            formats.push_back(static_cast<ClipFormat>(f));
        }
        return formats;
    }

    test::TestWindow owner_ = test::MessageOnlyWindow();
    win32::Win32ClipboardBackend backend_{owner_.get()};
    ClipboardPort port_{backend_};
};

TEST_F(RealClipboardTest, NestedOpensShareOnePlatformOpen) {
    port_.Open();
    port_.Open();
    port_.Close();
    EXPECT_EQ(GetOpenClipboardWindow(), owner_.get()) << "inner Close must not close";
    EXPECT_EQ(port_.Depth(), 1);
    port_.Close();
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "outer Close must close";
    EXPECT_EQ(port_.Depth(), 0);

    // A Close too many must not close an open the port does not own.
    ASSERT_TRUE(OpenClipboard(owner_.get()));
    port_.Close();
    EXPECT_EQ(GetOpenClipboardWindow(), owner_.get());
    EXPECT_EQ(port_.Depth(), 0);
    CloseClipboard();
}

TEST_F(RealClipboardTest, FormatsFollowTheEnumerationAndReadAnotherProgramsData) {
    const std::wstring text = L"Gr\u00FC\u00DFe \u2713";
    test::RunHelper(
        {L"set", L"13=" + test::UnicodeTextHex(text), L"Tavrix Test \u00C4\u2713=0102ff"});

    std::vector<ClipFormat> expected = Enumerated();
    const int count = port_.FormatCount();
    ASSERT_EQ(count, static_cast<int>(expected.size()));
    ASSERT_GE(count, 2);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(port_.Formats(i), expected[static_cast<std::size_t>(i)]) << "position " << i;
    }
    EXPECT_EQ(port_.Formats(count), 0);
    EXPECT_EQ(port_.Depth(), 0);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);

    // The block is read exactly, no further than its size.
    auto unicode = port_.GetData(cf::UnicodeText);
    ASSERT_TRUE(unicode.has_value());
    ASSERT_EQ(unicode->size(), (text.size() + 1) * 2);
    EXPECT_EQ(std::memcmp(unicode->data(), (text + L'\0').c_str(), unicode->size()), 0);

    // A name registered by another program, with characters outside any ANSI code page.
    const auto custom =
        static_cast<ClipFormat>(RegisterClipboardFormatW(L"Tavrix Test \u00C4\u2713"));
    EXPECT_TRUE(port_.HasFormat(custom));
    EXPECT_EQ(backend_.RegisteredFormatName(custom), L"Tavrix Test \u00C4\u2713");
    EXPECT_EQ(port_.GetData(custom), (Bytes{0x01, 0x02, 0xFF}));
    EXPECT_FALSE(port_.GetData(cf::Wave).has_value());
}

TEST_F(RealClipboardTest, ClearEmptiesWhatAnotherProgramPut) {
    test::RunHelper({L"set", L"1=414200", L"HTML Format=3c623e00"});
    ASSERT_TRUE(port_.HasFormat(HtmlFormat)) << "the helper registers the same number";
    port_.Clear();
    EXPECT_EQ(port_.FormatCount(), 0);
    EXPECT_EQ(test::RunHelper({L"count"}), "0\n");
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
}

TEST_F(RealClipboardTest, OpenIsRefusedWhileAnotherProgramHoldsTheClipboard) {
    {
        test::HelperProcess helper({L"pid", L"hold", L"1500"});
        const std::string pid = helper.ReadLine();
        ASSERT_EQ(helper.ReadLine(), "holding");
        const std::wstring held = L"Cannot open clipboard\r\nHeld by " +
                                  std::wstring(test::kHelperExe) + L" (" +
                                  std::wstring(pid.begin(), pid.end()) + L")";
        ExpectError([&] { port_.Open(); }, held);
        EXPECT_EQ(port_.Depth(), 0);
        ExpectError([&] { port_.Clear(); }, held);
        EXPECT_EQ(port_.Depth(), 0);
        EXPECT_EQ(helper.Wait(), 0);
    }
    port_.Open();
    EXPECT_EQ(port_.Depth(), 1);
    port_.Close();
}

TEST_F(RealClipboardTest, APlacedDibOffersPictureFormatAndNoBitmapBytes) {
    Place({{cf::Dib, MakeDib(5, 3, 0x7F)}});
    EXPECT_FALSE(IsClipboardFormatAvailable(PictureFormat));
    EXPECT_TRUE(port_.HasFormat(PictureFormat)) << "the bitmap derived from the DIB is loadable";
    EXPECT_EQ(port_.Depth(), 0);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    // The derived bitmap is a GDI handle, never to be read as a memory block.
    bool called = false;
    EXPECT_EQ(port_.ReadData(cf::Bitmap, [&](auto) { called = true; }), DataResult::NotMemory);
    EXPECT_FALSE(called);
    EXPECT_EQ(port_.GetData(cf::Dib), MakeDib(5, 3, 0x7F));

    Place({{cf::UnicodeText, {0x41, 0, 0, 0}}});
    EXPECT_FALSE(port_.HasFormat(PictureFormat));
}

TEST_F(RealClipboardTest, LoadClipboardPictureGivesTheSizeOrKeepsThePreviousPicture) {
    Place({{cf::Dib, MakeDib(5, 3, 0x7F)}});
    win32::Win32Picture picture;
    port_.LoadClipboardPicture(picture);
    EXPECT_FALSE(picture.Empty());
    EXPECT_NE(picture.Bitmap(), nullptr);
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_EQ(port_.Depth(), 0);

    test::RunHelper({L"set", L"13=" + test::UnicodeTextHex(L"only text")});
    ExpectError([&] { port_.LoadClipboardPicture(picture); }, L"Invalid clipboard format");
    EXPECT_EQ(port_.Depth(), 0);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "the error must not leave it open";
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Height(), 3);
}

TEST_F(RealClipboardTest, LoadClipboardPictureOfAnEnhancedMetafileHasItsFrameInPixels) {
    // A frame of 1 x 0.5 inch (in 0.01 mm) is 96 x 48 pixels on a 96 dpi screen.
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    RECT frame{0, 0, 2540, 1270};
    HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
    ASSERT_NE(recorder, nullptr);
    Rectangle(recorder, 0, 0, 20, 10);
    HENHMETAFILE metafile = CloseEnhMetaFile(recorder);
    ASSERT_NE(metafile, nullptr);
    {
        ClipboardOpen open(port_);
        ASSERT_TRUE(EmptyClipboard());
        if (SetClipboardData(CF_ENHMETAFILE, metafile) == nullptr) {
            DeleteEnhMetaFile(metafile);
            FAIL() << "SetClipboardData refused the metafile";
        }
    }
    win32::Win32Picture picture;
    port_.LoadClipboardPicture(picture);
    EXPECT_NE(picture.Metafile(), nullptr);
    EXPECT_EQ(picture.Width(), dpiX);
    EXPECT_EQ(picture.Height(), dpiY / 2);
}

TEST_F(RealClipboardTest, CatalogueNamesStandardAndStartupFormatsOnly) {
    for (ClipFormat f : {PictureFormat, ComponentFormat, RtfFormat, HtmlFormat}) {
        EXPECT_GE(f, cf::FirstRegistered);
    }
    EXPECT_EQ(RtfFormat, RegisterClipboardFormatW(L"Rich Text Format"));
    EXPECT_EQ(backend_.RegisteredFormatName(PictureFormat), L"Delphi Picture");
    EXPECT_EQ(backend_.RegisteredFormatName(ComponentFormat), L"Delphi Component");

    FormatCatalogue catalogue;
    catalogue.BuildFormatCatalogue();
    EXPECT_EQ(catalogue.GetFormatName(cf::UnicodeText), L"Unicode Text Format");
    EXPECT_EQ(catalogue.GetFormatName(cf::MetafilePict), L"Metafile Picture Format ");
    EXPECT_EQ(catalogue.GetFormatName(cf::DspText), L"Text Display Dormat");
    EXPECT_EQ(catalogue.GetFormatName(PictureFormat), L"Picture");
    EXPECT_EQ(catalogue.GetFormatName(ComponentFormat), L"Component");
    EXPECT_EQ(catalogue.GetFormatName(RtfFormat), L"Rich Text Format");
    EXPECT_EQ(catalogue.GetFormatDescription(HtmlFormat), L"HyperText Markup Language Format.");

    const auto ole = static_cast<ClipFormat>(RegisterClipboardFormatW(L"Ole Private Data"));
    const auto icon = static_cast<ClipFormat>(RegisterClipboardFormatW(L"Delphi Icon"));
    for (ClipFormat unknown : {ole, icon, ClipFormat{0x0200}, ClipFormat{cf::DibV5 + 1}}) {
        EXPECT_EQ(catalogue.GetFormatName(unknown), L"") << unknown;
        EXPECT_EQ(catalogue.GetFormatDescription(unknown), L"") << unknown;
    }
}

// Counts the registrations that reach the platform.
class CountingBackend : public win32::Win32ClipboardBackend {
public:
    ClipFormat RegisterFormat(const std::wstring& name) override {
        names.push_back(name);
        return Win32ClipboardBackend::RegisterFormat(name);
    }
    std::vector<std::wstring> names;
};

TEST_F(RealClipboardTest, IconFormatIsRegisteredOnFirstUseOnly) {
    IconFormat = 0;
    CountingBackend counting;
    const ClipFormat first = GetIconFormat(counting);
    const ClipFormat second = GetIconFormat(counting);
    EXPECT_EQ(counting.names, std::vector<std::wstring>{L"Delphi Icon"});
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, RegisterClipboardFormatW(L"Delphi Icon"));
    EXPECT_EQ(backend_.RegisteredFormatName(first), L"Delphi Icon");
}

} // namespace
} // namespace tavrix
