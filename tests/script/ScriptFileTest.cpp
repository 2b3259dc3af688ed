// Saving must change nothing in a script but its sections (and line ends), and must never leave a
// broken or half-written file behind.
#include "script/ScriptFile.h"

#include "config/ConfigFields.h"
#include "platform/TextFile.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace {

class ScriptFileTest : public ::testing::Test {
protected:
    // A copy of an example in the scratch folder, so saving never touches the repository.
    std::filesystem::path copyOfExample(const std::string& name) {
        const std::filesystem::path copy = temp.file(name);
        std::filesystem::copy_file(examplePath(name), copy);
        return copy;
    }

    ScriptResult load(const std::filesystem::path& path) {
        return loadScript(widePath(path), configs);
    }
    ScriptResult save(const std::filesystem::path& path) {
        return saveScript(widePath(path), configs);
    }

    ScriptResult loadText(const std::string& name, const std::string& text) {
        writeBytes(temp.file(name), text);
        return load(temp.file(name));
    }

    TempDir temp;
    ConfigMap configs;
};

std::vector<std::size_t> keysOf(const ConfigMap& configs) {
    std::vector<std::size_t> keys;
    for (const auto& entry : configs)
        keys.push_back(entry.first);
    return keys;
}

TEST_F(ScriptFileTest, ExamplesLoadWithTheirClusters) {
    EXPECT_EQ(load(examplePath("two_clusters.cpp")).code, Success);
    EXPECT_EQ(keysOf(configs), (std::vector<std::size_t>{0, 1}));
    EXPECT_NE(configs[0].lateral.travel.outputFilter.cutoff[0],
              configs[1].lateral.accelerationInputLimit.maxValue[0]);
    EXPECT_EQ(load(examplePath("one_cluster.cpp")).code, Success);
    EXPECT_EQ(keysOf(configs), (std::vector<std::size_t>{0}));
    EXPECT_EQ(load(examplePath("config_v1.json")).code, Success);
    EXPECT_EQ(keysOf(configs), (std::vector<std::size_t>{0}));
    EXPECT_EQ(load(examplePath("config_v0.json")).code, Success);
    EXPECT_EQ(keysOf(configs), (std::vector<std::size_t>{0}));
}

TEST_F(ScriptFileTest, ParameterSetsOfTheExamplesDiffer) {
    ASSERT_EQ(load(examplePath("two_clusters.cpp")).code, Success);
    int differing = 0;
    auto countDiffering = [&](auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, FloatPair>)
            differing += value[0] != value[1];
    };
    ConfigFields::visit(configs[0], countDiffering);
    EXPECT_GT(differing, 50);
}

TEST_F(ScriptFileTest, PathAndFileFailures) {
    configs[0] = zeroConfig();
    EXPECT_EQ(loadScript(u"", configs).code, NoScriptPath);
    EXPECT_TRUE(configs.empty());
    EXPECT_EQ(load(temp.file("missing.cpp")).code, FileNotAccessible);
    std::filesystem::create_directory(temp.file("folder.cpp"));
    EXPECT_EQ(load(temp.file("folder.cpp")).code, FileNotAccessible);
}

TEST_F(ScriptFileTest, ExtensionsAreCaseSensitive) {
    std::filesystem::copy_file(examplePath("one_cluster.cpp"), temp.file("upper.CPP"));
    EXPECT_EQ(load(temp.file("upper.CPP")).code, SyntaxError);
    EXPECT_TRUE(configs.empty());
}

TEST_F(ScriptFileTest, BadContentIsASyntaxErrorNeverACrash) {
    EXPECT_EQ(loadText("empty.cpp", "").code, SectionNotFound);
    EXPECT_EQ(loadText("empty.json", "").code, SyntaxError);
    EXPECT_EQ(loadText("garbage.json", std::string("\x00\xFF\xFE\x01KEO(", 8)).code, SyntaxError);
    EXPECT_EQ(loadText("garbage.cpp", std::string("\x00\xFFKEO(\x01\x02)KEO", 13)).code,
              SyntaxError);
    EXPECT_EQ(loadText("utf8.cpp", "KEO({\"version\": \"\xFF\"})KEO").code, SyntaxError);
    EXPECT_EQ(loadText("deep.json", std::string(100000, '[') + std::string(100000, ']')).code,
              SyntaxError);
    EXPECT_EQ(loadText("deep.cpp", "KEO(" + std::string(100000, '{') + ")KEO").code, SyntaxError);
    EXPECT_EQ(loadText("types.json", "{\"version\": \"1\"}").code, SyntaxError);
    EXPECT_EQ(loadText("array.json", "[1, 2, 3]").code, SyntaxError);
    EXPECT_TRUE(configs.empty());
}

TEST_F(ScriptFileTest, MalformedSecondSectionRejectsTheFile) {
    const std::string text =
        readBytes(examplePath("one_cluster.cpp")) + "\nKEO_C2({ oops })KEO_C2\n";
    EXPECT_EQ(loadText("second.cpp", text).code, SyntaxError);
}

TEST_F(ScriptFileTest, JsonFileReadsFirstValueOnlyAndSkipsByteOrderMark) {
    const std::string json = readBytes(examplePath("config_v1.json"));
    EXPECT_EQ(loadText("trailing.json", json + "\n// trailing words } ] \n").code, Success);
    EXPECT_EQ(loadText("bom.json", "\xEF\xBB\xBF" + json).code, Success);
    EXPECT_EQ(keysOf(configs), (std::vector<std::size_t>{0}));
}

TEST_F(ScriptFileTest, NumbersBeyondSinglePrecisionAreRejectedAtLoad) {
    std::string json = readBytes(examplePath("config_v1.json"));
    const std::size_t at = json.find("13.2");
    ASSERT_NE(at, std::string::npos);
    json.replace(at, 4, "1e39");
    EXPECT_EQ(loadText("huge.json", json).code, SyntaxError);
}

TEST_F(ScriptFileTest, SavingUnchangedExampleOnlyChangesLineEnds) {
    for (const char* name : {"two_clusters.cpp", "one_cluster.cpp"}) {
        const auto copy = copyOfExample(name);
        ASSERT_EQ(load(copy).code, Success) << name;
        ASSERT_EQ(save(copy).code, Success) << name;
        EXPECT_EQ(readBytes(copy), lfToCrlf(readBytes(examplePath(name)))) << name;
    }
}

TEST_F(ScriptFileTest, SavedSectionsAreRewrittenAndEverythingElseKept) {
    const std::string original = "// head \xC3\xA9\r\nauto a = R\"KEO(  {}  )KEO\";\nmid\r\n"
                                 "auto b = R\"KEO_C2(\n{}\n)KEO_C2\";\r\n// tail";
    writeBytes(temp.file("s.cpp"), original);
    ASSERT_EQ(load(examplePath("two_clusters.cpp")).code, Success);
    configs[1].lateral.travel.outputFilter.cutoff[1] = 0.75f;
    ASSERT_EQ(save(temp.file("s.cpp")).code, Success);

    const std::string saved = readBytes(temp.file("s.cpp"));
    const std::string expectedHead =
        "// head \xC3\xA9\r\nauto a = R\"KEO({\r\n\t\"absolute\": {\r\n"
        "\t\t\"pitch\": {\r\n\t\t\t\"enabled\": true,\r\n";
    EXPECT_EQ(saved.substr(0, expectedHead.size()), expectedHead);
    EXPECT_NE(saved.find("\r\n\t\"version\": 1,\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n})KEO\";\r\nmid\r\nauto b = R\"KEO_C2({\r\n\t\"absolute\""),
              std::string::npos);
    const std::string expectedTail = "\r\n})KEO_C2\";\r\n// tail";
    EXPECT_EQ(saved.substr(saved.size() - expectedTail.size()), expectedTail);
    EXPECT_EQ(saved.find("\r\r"), std::string::npos);
    EXPECT_EQ(saved.find("\n\n"), std::string::npos);

    ConfigMap reloaded;
    ASSERT_EQ(loadScript(widePath(temp.file("s.cpp")), reloaded).code, Success);
    EXPECT_EQ(reloaded[1].lateral.travel.outputFilter.cutoff[1], 0.75f);
    EXPECT_EQ(reloaded[0].lateral.travel.outputFilter.cutoff[1],
              configs[0].lateral.travel.outputFilter.cutoff[1]);
}

TEST_F(ScriptFileTest, JsonSaveHasFourSpaceIndentAndOneFinalLineEnd) {
    const auto copy = copyOfExample("config_v1.json");
    ASSERT_EQ(load(copy).code, Success);
    ASSERT_EQ(save(copy).code, Success);
    const std::string saved = readBytes(copy);
    EXPECT_EQ(saved.substr(0, 32), "{\r\n    \"absolute\": {\r\n        \"p");
    EXPECT_EQ(saved.substr(saved.size() - 5), "\r\n}\r\n");
    EXPECT_EQ(saved, lfToCrlf(readBytes(examplePath("config_v1.json"))));
}

TEST_F(ScriptFileTest, SaveRefusesMissingSectionsAndLeavesTheFile) {
    ASSERT_EQ(load(examplePath("two_clusters.cpp")).code, Success);
    const auto onlyFirst = copyOfExample("one_cluster.cpp");
    const std::string before = readBytes(onlyFirst);
    EXPECT_EQ(save(onlyFirst).code, SectionNotFound);
    EXPECT_EQ(readBytes(onlyFirst), before);

    writeBytes(temp.file("none.cpp"), "int main() {}\n");
    EXPECT_EQ(save(temp.file("none.cpp")).code, SectionNotFound);
    EXPECT_EQ(readBytes(temp.file("none.cpp")), "int main() {}\n");

    writeBytes(temp.file("half.cpp"), "KEO({}\n");
    const ScriptResult half = save(temp.file("half.cpp"));
    EXPECT_EQ(half.code, SyntaxError);
    EXPECT_STREQ(half.message, "Prefix or suffix not present");
    EXPECT_EQ(readBytes(temp.file("half.cpp")), "KEO({}\n");
}

TEST_F(ScriptFileTest, JsonSaveNeedsTheFirstCluster) {
    configs[1] = zeroConfig();
    writeBytes(temp.file("c.json"), "{}");
    const ScriptResult result = save(temp.file("c.json"));
    EXPECT_EQ(result.code, NoFirstCluster);
    EXPECT_STREQ(result.message, "No config for the first cluster has been found!");
    EXPECT_EQ(readBytes(temp.file("c.json")), "{}");
}

TEST_F(ScriptFileTest, EmptyMapWritesTheTextBack) {
    writeBytes(temp.file("e.cpp"), "line\nKEO({ \"x\": 1 })KEO\n");
    EXPECT_EQ(save(temp.file("e.cpp")).code, Success);
    EXPECT_EQ(readBytes(temp.file("e.cpp")), "line\r\nKEO({ \"x\": 1 })KEO\r\n");
}

TEST_F(ScriptFileTest, UnwritableTargetIsReportedAndUntouched) {
    configs[0] = zeroConfig();
    EXPECT_EQ(save(temp.file("no-such-folder/c.json")).code, FileNotAccessible);
    std::filesystem::create_directory(temp.file("dir.json"));
    EXPECT_EQ(save(temp.file("dir.json")).code, FileNotAccessible);
    EXPECT_TRUE(std::filesystem::is_directory(temp.file("dir.json")));
}

TEST_F(ScriptFileTest, NonFiniteNumbersAreNeverSaved) {
    const auto copy = copyOfExample("config_v1.json");
    ASSERT_EQ(load(copy).code, Success);
    const std::string before = readBytes(copy);
    configs[0].mixer.swayToRoll.outputLimit.maxValueFactor[1] =
        std::numeric_limits<float>::infinity();
    EXPECT_EQ(save(copy).code, InternalError);
    EXPECT_EQ(readBytes(copy), before);
    configs[0].mixer.swayToRoll.outputLimit.maxValueFactor[1] =
        std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(save(copy).code, InternalError);
    EXPECT_EQ(readBytes(copy), before);
}

TEST_F(ScriptFileTest, CrlfScriptsLoadAndSaveWithoutDoubledCarriageReturns) {
    const auto copy = temp.file("crlf.cpp");
    writeBytes(copy, lfToCrlf(readBytes(examplePath("two_clusters.cpp"))));
    ASSERT_EQ(load(copy).code, Success);
    ASSERT_EQ(save(copy).code, Success);
    EXPECT_EQ(readBytes(copy), lfToCrlf(readBytes(examplePath("two_clusters.cpp"))));
}

TEST_F(ScriptFileTest, SavingThroughALinkUpdatesTheLinkedFile) {
    const auto target = copyOfExample("one_cluster.cpp");
    const auto link = temp.file("link.cpp");
    std::filesystem::create_symlink(target, link);
    ASSERT_EQ(load(link).code, Success);
    configs[0].understeer.toYaw.enabled = !configs[0].understeer.toYaw.enabled;
    ASSERT_EQ(save(link).code, Success);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    ConfigMap reloaded;
    ASSERT_EQ(loadScript(widePath(target), reloaded).code, Success);
    EXPECT_EQ(reloaded[0].understeer.toYaw.enabled, configs[0].understeer.toYaw.enabled);
}

} // namespace
