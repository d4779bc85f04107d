#include "base/Error.h"
#include "fakes/FakeSettings.h"
#include "settings/IniDocument.h"
#include "settings/IniFile.h"
#include "settings/IniInteger.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(ParseIniInteger, DecimalWithSignsAndLimits) {
    EXPECT_EQ(ParseIniInteger(L"0"), 0);
    EXPECT_EQ(ParseIniInteger(L"42"), 42);
    EXPECT_EQ(ParseIniInteger(L"+7"), 7);
    EXPECT_EQ(ParseIniInteger(L"-15"), -15);
    EXPECT_EQ(ParseIniInteger(L"  12"), 12);
    EXPECT_EQ(ParseIniInteger(L"2147483647"), 2147483647);
    EXPECT_EQ(ParseIniInteger(L"-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseIniInteger(L"2147483648"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(L"-2147483649"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(L"99999999999999999999"), std::nullopt);
}

TEST(ParseIniInteger, HexadecimalForms) {
    EXPECT_EQ(ParseIniInteger(L"0x10"), 16);
    EXPECT_EQ(ParseIniInteger(L"0X1f"), 31);
    EXPECT_EQ(ParseIniInteger(L"0x0"), 0);
    EXPECT_EQ(ParseIniInteger(L"$FF"), 255);
    EXPECT_EQ(ParseIniInteger(L"-$10"), -16);
    EXPECT_EQ(ParseIniInteger(L"$FFFFFFFF"), -1);
    EXPECT_EQ(ParseIniInteger(L"$100000000"), std::nullopt);
    // "0x" needs a digit after it; two characters are no hexadecimal number.
    EXPECT_EQ(ParseIniInteger(L"0x"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(L"0xG"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(L"-0x10"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(L"$"), std::nullopt);
}

TEST(ParseIniInteger, NoNumbers) {
    for (const wchar_t* text : {L"", L"abc", L"12abc", L"1 2", L"-", L"+", L" ", L"1.5", L"12 "}) {
        EXPECT_EQ(ParseIniInteger(text), std::nullopt) << "'" << text << "'";
    }
}

TEST(IniDocument, FindsValuesIgnoringCaseAndBlanks) {
    IniDocument doc("; settings\r\n[Other]\r\nOnTop=5\r\n\r\n[ main ]\r\n  onTOP = 1 \r\n"
                    "Quoted=\"12\"\nSingle='x'\nNoValue\nEmpty=\n");
    EXPECT_EQ(doc.Get(L"Main", L"OnTop"), L"1");
    EXPECT_EQ(doc.Get(L"MAIN", L"quoted"), L"12");
    EXPECT_EQ(doc.Get(L"Main", L"Single"), L"x");
    EXPECT_EQ(doc.Get(L"Main", L"NoValue"), L"");
    EXPECT_EQ(doc.Get(L"Main", L"Empty"), L"");
    EXPECT_EQ(doc.Get(L"Main", L"Zoom"), std::nullopt);
    EXPECT_EQ(doc.Get(L"Other", L"OnTop"), L"5");
    EXPECT_EQ(doc.Get(L"Missing", L"OnTop"), std::nullopt);
}

TEST(IniDocument, SetReplacesAppendsAndCreatesTheSection) {
    IniDocument doc("[Main]\r\nZoom=10\r\n\r\n[Other]\nKeep = me\n");
    doc.Set(L"Main", L"zoom", L"12");
    doc.Set(L"Main", L"OnTop", L"1");
    doc.Set(L"New", L"A", L"b");
    EXPECT_EQ(doc.Bytes(),
              "[Main]\r\nzoom=12\r\nOnTop=1\r\n\r\n[Other]\r\nKeep = me\r\n[New]\r\nA=b\r\n");

    IniDocument empty("");
    empty.Set(L"Main", L"OnTop", L"1");
    EXPECT_EQ(empty.Bytes(), "[Main]\r\nOnTop=1\r\n");
}

TEST(IniDocument, NonAsciiTextSurvivesAndByteOrderMarkIsSkipped) {
    IniDocument doc("\xEF\xBB\xBF[Main]\r\nName=Gr\xC3\xB6\xC3\x9F"
                    "e\r\nRaw=\xE9t\xE9\r\n");
    EXPECT_EQ(doc.Get(L"Main", L"Name"), L"Gr\u00F6\u00DFe");
    EXPECT_EQ(doc.Get(L"Main", L"Raw"), L"\u00E9t\u00E9"); // not UTF-8: byte by byte
    doc.Set(L"Main", L"Zoom", L"3");
    EXPECT_EQ(doc.Bytes(), "[Main]\r\nName=Gr\xC3\xB6\xC3\x9F"
                           "e\r\nRaw=\xE9t\xE9\r\nZoom=3\r\n");

    // A file an editor marked twice: written back without the marks, its section stays the one
    // read (with one mark left, the next read would find a section this one did not).
    IniDocument twice("\xEF\xBB\xBF\xEF\xBB\xBF[main]\r\nOnTop=1\r\n");
    twice.Set(L"Main", L"Zoom", L"12");
    EXPECT_EQ(twice.Bytes(), "[main]\r\nOnTop=1\r\nZoom=12\r\n");
}

class IniFileTest : public ::testing::Test {
protected:
    const std::wstring path = L"C:\\Tools\\Backup.ini";
    testing::FakeSettingsFiles files;
    IniFile ini{path, files};
};

TEST_F(IniFileTest, IntegersWithDefaults) {
    files.files[path] = "[Main]\r\nHex=0x10\r\nDollar=$20\r\nText=abc\r\nEmpty=\r\nNeg=-3\r\n";
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Hex", 7), 16);
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Dollar", 7), 32);
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Text", 7), 7);
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Empty", 7), 7);
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Neg", 7), -3);
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Missing", 7), 7);
    files.files.clear();
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Hex", 9), 9);
}

TEST_F(IniFileTest, BooleansAreOneAndZero) {
    ini.WriteBool(L"Main", L"OnTop", true);
    ini.WriteBool(L"Main", L"FirstStarted", false);
    EXPECT_EQ(files.files[path], "[Main]\r\nOnTop=1\r\nFirstStarted=0\r\n");
    EXPECT_TRUE(ini.ReadBool(L"Main", L"OnTop", false));
    EXPECT_FALSE(ini.ReadBool(L"Main", L"FirstStarted", true));
    files.files[path] = "[Main]\r\nA=2\r\nB=abc\r\nC=0x0\r\n";
    EXPECT_TRUE(ini.ReadBool(L"Main", L"A", false));
    EXPECT_TRUE(ini.ReadBool(L"Main", L"B", true));
    EXPECT_FALSE(ini.ReadBool(L"Main", L"B", false));
    EXPECT_FALSE(ini.ReadBool(L"Main", L"C", true));
}

TEST_F(IniFileTest, ReadsAtMost2047Characters) {
    // 2047 zeros and a final 1: only the zeros are read.
    files.files[path] = "[Main]\r\nLong=" + std::string(2047, '0') +
                        "1\r\nFits=" + std::string(2046, '0') + "1\r\n";
    EXPECT_EQ(ini.ReadString(L"Main", L"Long")->size(), 2047u);
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Long", 5), 0);
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Fits", 5), 1);
}

TEST_F(IniFileTest, FilesSavedAsUtf16KeepTheirEncoding) {
    auto utf16 = [](std::string_view ascii) {
        std::string bytes;
        for (char c : ascii) {
            bytes += c;
            bytes += '\0';
        }
        return bytes;
    };
    // "[Main]", "Name=Größe" with its two non-ASCII letters, "Zoom=0x10".
    const std::string mark("\xFF\xFE", 2);
    const std::string letters("\xF6\0\xDF\0", 4);
    files.files[path] = mark + utf16("[Main]\r\nName=Gr") + letters + utf16("e\r\nZoom=0x10\r\n");
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Zoom", 0), 16);
    EXPECT_EQ(ini.ReadString(L"Main", L"Name"), L"Gr\u00F6\u00DFe");
    ini.WriteInteger(L"Main", L"Zoom", 7);
    EXPECT_EQ(files.files[path],
              mark + utf16("[Main]\r\nName=Gr") + letters + utf16("e\r\nZoom=7\r\n"));
}

TEST_F(IniFileTest, UnwritableFileRaisesItsPath) {
    files.readOnly.insert(path);
    try {
        ini.WriteInteger(L"Main", L"Zoom", 12);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Message(), L"Unable to write to C:\\Tools\\Backup.ini");
    }
}

} // namespace
} // namespace tavrix
