// Locating sections is subtle: both delimiters are searched from the start of the text, and
// ")KEO" is a leading part of ")KEO_C2". These tests pin the consequences down.
#include "script/SectionScanner.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const SectionDelimiters first = sectionDelimiters(0);
const SectionDelimiters second = sectionDelimiters(1);

struct ExtractCase {
    std::string text;
    int cluster;
    int code;
    std::string document; // dumped, when extracted
};

TEST(ExtractSectionTest, ResultPerText) {
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const ExtractCase cases[] = {
        {"a R\"KEO({\"x\": 1})KEO\" b R\"KEO_C2( {\"x\": 2}\n)KEO_C2\" c", 0, Success, "{\"x\":1}"},
        {"a R\"KEO({\"x\": 1})KEO\" b R\"KEO_C2( {\"x\": 2}\n)KEO_C2\" c", 1, Success, "{\"x\":2}"},
        // The second cluster first breaks the first; alone it makes the first malformed.
        {"KEO_C2({\"x\": 2})KEO_C2 KEO({\"x\": 1})KEO", 0, SyntaxError, ""},
        {"KEO_C2({\"x\": 2})KEO_C2 KEO({\"x\": 1})KEO", 1, Success, "{\"x\":2}"},
        {"KEO_C2({\"x\": 2})KEO_C2", 0, SyntaxError, ""},
        {"int main() {}", 0, SectionNotFound, ""},
        {"KEO({}", 0, SyntaxError, ""},
        {"{})KEO", 0, SyntaxError, ""},
        {"KEO(\n\t {\"a\": [1, 2]} \r\n)KEO", 0, Success, "{\"a\":[1,2]}"},
        {"KEO({} // note\n)KEO", 0, SyntaxError, ""},
        {"KEO({} {})KEO", 0, SyntaxError, ""},
        {"KEO()KEO", 0, SyntaxError, ""},
        // A value that is not an object is still a section; the reader decides on it.
        {"KEO([1, 2])KEO", 0, Success, "[1,2]"},
        {"KEO({\"name\": \")KEO\"})KEO", 0, SyntaxError, ""}, // the suffix inside a string
        {"KEO({\"n\": 1})KEO KEO({\"n\": 2})KEO", 0, Success, "{\"n\":1}"},
        {"KEO({\"s\": \"\xC3\x28\"})KEO", 0, SyntaxError, ""},
        {"KEO(" + deep + ")KEO", 0, Success, ""},
        {"KEO(" + std::string(100000, '[') + ")KEO", 0, SyntaxError, ""},
    };
    for (const ExtractCase& c : cases) {
        Json document = "untouched";
        const ScriptResult result = extractSection(c.text, sectionDelimiters(c.cluster), document);
        const std::string shown = c.text.substr(0, 40);
        EXPECT_EQ(result.code, c.code) << shown;
        if (c.code == Success && !c.document.empty()) {
            EXPECT_EQ(document.dump(), c.document) << shown;
        }
        if (c.code != Success) {
            EXPECT_EQ(document, "untouched") << shown;
        }
        if (c.code == SectionNotFound) {
            EXPECT_STREQ(result.message, "");
        }
    }
}

TEST(ExtractSectionTest, MessagesOfFailures) {
    // Clusters beyond the two have no delimiters rather than an index out of range.
    EXPECT_TRUE(sectionDelimiters(2).prefix.empty() && sectionDelimiters(-1).suffix.empty());
    Json doc;
    EXPECT_STREQ(extractSection("KEO_C2({})KEO_C2 KEO({})KEO", first, doc).message,
                 "Prefix or suffix not present");
    const std::string parseError = extractSection("KEO({\"n\": \")KEO\"})KEO", first, doc).message;
    EXPECT_NE(parseError.find("parse_error"), std::string::npos);
    const std::string longGarbage = "KEO({\"" + std::string(2000, 'x') + "\x01\"})KEO";
    const std::string cut = extractSection(longGarbage, first, doc).message;
    EXPECT_GT(cut.size(), 0u);
    EXPECT_LE(cut.size(), 511u);
    EXPECT_EQ(ScriptResult(SyntaxError, std::string(600, 'm')).message, std::string(511, 'm'));
}

TEST(ReplaceSectionTest, ReplacesOnlyTheBodyOrNothing) {
    std::string text = "head R\"KEO(  {\"old\": 1}\n)KEO\" middle KEO({\"n\": 2})KEO tail";
    EXPECT_EQ(replaceSection(text, first, "{NEW}").code, Success);
    EXPECT_EQ(text, "head R\"KEO({NEW})KEO\" middle KEO({\"n\": 2})KEO tail");

    const std::string wrongOrder = "KEO_C2({})KEO_C2 KEO({})KEO";
    text = wrongOrder;
    const ScriptResult refused = replaceSection(text, first, "{}");
    EXPECT_EQ(refused.code, SyntaxError);
    EXPECT_STREQ(refused.message, "Prefix or suffix not present");
    EXPECT_EQ(text, wrongOrder);
    text = "no sections here";
    EXPECT_EQ(replaceSection(text, second, "{}").code, SectionNotFound);
    EXPECT_EQ(text, "no sections here");
}

TEST(SerializeSectionBodyTest, TabIndentedShortestFloatsNoTrailingLineFeed) {
    Json doc;
    doc["b"] = Json::array({0.05f, 13.2f, 100.0f, 1.5707964f, -0.0f, 1e-7f});
    doc["a"] = "d\xC3\xA9j\xC3\xA0";
    doc["c"]["x"] = true;
    EXPECT_EQ(serializeSectionBody(doc), "{\n\t\"a\": \"d\xC3\xA9j\xC3\xA0\",\n\t\"b\": [\n"
                                         "\t\t0.05,\n\t\t13.2,\n\t\t100.0,\n\t\t1.5707964,\n"
                                         "\t\t-0.0,\n\t\t1e-07\n\t],\n"
                                         "\t\"c\": {\n\t\t\"x\": true\n\t}\n}");
}

} // namespace
