// Locating sections is subtle: both delimiters are searched from the start of the text, and
// ")KEO" is a leading part of ")KEO_C2". These tests pin the consequences down.
#include "script/SectionScanner.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const SectionDelimiters first = sectionDelimiters(0);
const SectionDelimiters second = sectionDelimiters(1);

TEST(SectionDelimitersTest, FixedTablePerCluster) {
    EXPECT_EQ(first.prefix, "KEO(");
    EXPECT_EQ(first.suffix, ")KEO");
    EXPECT_EQ(second.prefix, "KEO_C2(");
    EXPECT_EQ(second.suffix, ")KEO_C2");
    EXPECT_TRUE(sectionDelimiters(2).prefix.empty());
    EXPECT_TRUE(sectionDelimiters(-1).suffix.empty());
}

TEST(ExtractSectionTest, BothClustersInFileOrder) {
    const std::string text = "a R\"KEO({\"x\": 1})KEO\" b R\"KEO_C2( {\"x\": 2}\n)KEO_C2\" c";
    Json doc0, doc1;
    EXPECT_EQ(extractSection(text, first, doc0).code, Success);
    EXPECT_EQ(extractSection(text, second, doc1).code, Success);
    EXPECT_EQ(doc0["x"].get<int>(), 1);
    EXPECT_EQ(doc1["x"].get<int>(), 2);
}

TEST(ExtractSectionTest, SecondClusterFirstBreaksTheFirst) {
    const std::string text = "KEO_C2({\"x\": 2})KEO_C2 KEO({\"x\": 1})KEO";
    Json doc0 = "untouched", doc1;
    const ScriptResult result = extractSection(text, first, doc0);
    EXPECT_EQ(result.code, SyntaxError);
    EXPECT_STREQ(result.message, "Prefix or suffix not present");
    EXPECT_EQ(doc0, "untouched");
    EXPECT_EQ(extractSection(text, second, doc1).code, Success);
}

TEST(ExtractSectionTest, OnlySecondClusterMakesFirstMalformedNotMissing) {
    const std::string text = "KEO_C2({\"x\": 2})KEO_C2";
    Json doc;
    EXPECT_EQ(extractSection(text, first, doc).code, SyntaxError);
    EXPECT_EQ(extractSection(text, second, doc).code, Success);
}

TEST(ExtractSectionTest, MissingAndHalfSections) {
    Json doc;
    const ScriptResult missing = extractSection("int main() {}", first, doc);
    EXPECT_EQ(missing.code, SectionNotFound);
    EXPECT_STREQ(missing.message, "");
    EXPECT_EQ(extractSection("KEO({}", first, doc).code, SyntaxError);
    EXPECT_EQ(extractSection("{})KEO", first, doc).code, SyntaxError);
}

TEST(ExtractSectionTest, BodyMustBeExactlyOneJsonValue) {
    Json doc;
    EXPECT_EQ(extractSection("KEO(\n\t {\"a\": [1, 2]} \r\n)KEO", first, doc).code, Success);
    EXPECT_EQ(extractSection("KEO({} // note\n)KEO", first, doc).code, SyntaxError);
    EXPECT_EQ(extractSection("KEO({} {})KEO", first, doc).code, SyntaxError);
    EXPECT_EQ(extractSection("KEO()KEO", first, doc).code, SyntaxError);
    // A value that is not an object is still a section; the reader decides whether it is valid.
    EXPECT_EQ(extractSection("KEO([1, 2])KEO", first, doc).code, Success);
    EXPECT_TRUE(doc.is_array());
}

TEST(ExtractSectionTest, SuffixInsideAStringCutsTheBodyShort) {
    Json doc;
    const ScriptResult result = extractSection("KEO({\"name\": \")KEO\"})KEO", first, doc);
    EXPECT_EQ(result.code, SyntaxError);
    EXPECT_NE(std::string(result.message).find("parse_error"), std::string::npos);
}

TEST(ExtractSectionTest, OnlyTheFirstOccurrenceCounts) {
    Json doc;
    EXPECT_EQ(extractSection("KEO({\"n\": 1})KEO KEO({\"n\": 2})KEO", first, doc).code, Success);
    EXPECT_EQ(doc["n"].get<int>(), 1);
}

TEST(ExtractSectionTest, ParserFailuresBecomeCutMessages) {
    Json doc;
    const std::string longGarbage = "KEO({\"" + std::string(2000, 'x') + "\x01\"})KEO";
    const ScriptResult result = extractSection(longGarbage, first, doc);
    EXPECT_EQ(result.code, SyntaxError);
    EXPECT_LE(std::string(result.message).size(), 511u);
    EXPECT_GT(std::string(result.message).size(), 0u);
    EXPECT_EQ(extractSection("KEO({\"s\": \"\xC3\x28\"})KEO", first, doc).code, SyntaxError);
}

TEST(ExtractSectionTest, DeepNestingIsRejectedOrReadWithoutCrashing) {
    const std::string deep = "KEO(" + std::string(100000, '[') + std::string(100000, ']') + ")KEO";
    Json doc;
    EXPECT_EQ(extractSection(deep, first, doc).code, Success);
    const std::string unbalanced = "KEO(" + std::string(100000, '[') + ")KEO";
    EXPECT_EQ(extractSection(unbalanced, first, doc).code, SyntaxError);
}

TEST(ReplaceSectionTest, ReplacesOnlyTheBody) {
    std::string text = "head R\"KEO(  {\"old\": 1}\n)KEO\" middle KEO({\"n\": 2})KEO tail";
    EXPECT_EQ(replaceSection(text, first, "{NEW}").code, Success);
    EXPECT_EQ(text, "head R\"KEO({NEW})KEO\" middle KEO({\"n\": 2})KEO tail");
}

TEST(ReplaceSectionTest, FailuresLeaveTheTextAlone) {
    const std::string original = "KEO_C2({})KEO_C2 KEO({})KEO";
    std::string text = original;
    const ScriptResult wrongOrder = replaceSection(text, first, "{}");
    EXPECT_EQ(wrongOrder.code, SyntaxError);
    EXPECT_STREQ(wrongOrder.message, "Prefix or suffix not present");
    EXPECT_EQ(text, original);

    std::string plain = "no sections here";
    const ScriptResult missing = replaceSection(plain, second, "{}");
    EXPECT_EQ(missing.code, SectionNotFound);
    EXPECT_STREQ(missing.message, "");
    EXPECT_EQ(plain, "no sections here");
}

TEST(SerializeSectionBodyTest, TabIndentedShortestFloatsNoTrailingLineFeed) {
    Json doc;
    doc["b"] = Json::array({0.05f, 13.2f, 100.0f});
    doc["a"] = "d\xC3\xA9j\xC3\xA0";
    doc["c"]["x"] = true;
    const std::string expected = "{\n"
                                 "\t\"a\": \"d\xC3\xA9j\xC3\xA0\",\n"
                                 "\t\"b\": [\n"
                                 "\t\t0.05,\n"
                                 "\t\t13.2,\n"
                                 "\t\t100.0\n"
                                 "\t],\n"
                                 "\t\"c\": {\n"
                                 "\t\t\"x\": true\n"
                                 "\t}\n"
                                 "}";
    EXPECT_EQ(serializeSectionBody(doc), expected);
}

TEST(ScriptResultTest, MessageIsCutAt511Characters) {
    const ScriptResult result(SyntaxError, std::string(600, 'm'));
    EXPECT_EQ(std::string(result.message), std::string(511, 'm'));
    EXPECT_STREQ(ScriptResult().message, "");
    EXPECT_EQ(ScriptResult().code, Success);
}

} // namespace
