#include "platform/TextFile.h"

#include "script/ScriptDetection.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(TextModeTest, CrLfPairsOnlyAreConverted) {
    EXPECT_EQ(crlfToLf("a\r\nb\rc\n\r\r\n"), "a\nb\rc\n\r\n");
    EXPECT_EQ(lfToCrlf("a\nb\rc\n"), "a\r\nb\rc\r\n");
    EXPECT_EQ(crlfToLf(lfToCrlf("x\n\ny")), "x\n\ny");
}

// Opening non-ASCII paths is checked through ContainsKEOScript (tests/plugin).
TEST(WidePathTest, NonAsciiNamesRoundTripAndLoneSurrogatesAreReplaced) {
    const std::u16string name = u"\u00E9t\u00E9 \U0001F697.cpp";
    EXPECT_EQ(fromUtf8(toUtf8(name)), name);
    EXPECT_EQ(toUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

TEST(ReadWholeFileTest, RegularFilesOnly) {
    TempDir temp;
    std::vector<char> bytes{'x'};
    writeBytes(temp.file("empty"), "");
    EXPECT_TRUE(readWholeFile(temp.file("empty").u16string(), bytes));
    EXPECT_TRUE(bytes.empty());
    writeBytes(temp.file("data"), std::string("\r\n\0\xFF", 4));
    ASSERT_TRUE(readWholeFile(temp.file("data").u16string(), bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("\r\n\0\xFF", 4));
    EXPECT_FALSE(readWholeFile(temp.path().u16string(), bytes));
    EXPECT_FALSE(readWholeFile(temp.file("missing").u16string(), bytes));
    EXPECT_FALSE(readWholeFile(u"", bytes));
}

TEST(ContainsScriptSectionTest, FirstClusterDelimitersInAnyOrder) {
    TempDir temp;
    const auto check = [&](const std::string& content) {
        writeBytes(temp.file("f.cpp"), content);
        return containsScriptSection(temp.file("f.cpp").u16string());
    };
    EXPECT_TRUE(check("x )KEO y KEO( not json"));
    EXPECT_TRUE(check("\xEF\xBB\xBFR\"KEO({})KEO\""));
    EXPECT_FALSE(check("R\"KEO_C2({})KEO_C2\""));
    EXPECT_FALSE(check("{\"version\": 1}"));
    EXPECT_FALSE(check(""));
    EXPECT_FALSE(containsScriptSection(temp.file("missing.cpp").u16string()));
    EXPECT_FALSE(containsScriptSection(temp.path().u16string()));
}

// A length kept in 32 bits would read only the first bytes of a file of 4 GiB or more and call
// that complete. The file is sparse, so it costs no disk space, only reading time.
TEST(ContainsScriptSectionTest, FilesBeyondFourGibibytesAreReadWhole) {
    TempDir temp;
    const auto path = temp.file("huge.cpp");
    const std::uintmax_t fourGiB = std::uintmax_t(1) << 32;
    writeBytes(path, std::string(16, ' ') + "KEO(");
    std::error_code error;
    std::filesystem::resize_file(path, fourGiB + 8, error);
    if (error)
        GTEST_SKIP() << "this file system cannot hold a sparse 4 GiB file";
    {
        std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
        out.seekp(std::streamoff(fourGiB + 8));
        out << ")KEO";
        ASSERT_TRUE(out.flush());
    }
    EXPECT_TRUE(containsScriptSection(path.u16string()));
}

} // namespace
