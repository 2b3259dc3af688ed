// Saving must change nothing in a script but its sections (and line ends), and must never leave a
// broken or half-written file behind.
#include "script/ScriptFile.h"

#include "platform/TextFile.h"
#include "support/TempDir.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace {

class ScriptFileTest : public ::testing::Test {
protected:
    ScriptResult load(const std::filesystem::path& path) {
        return loadScript(path.u16string(), configs);
    }
    ScriptResult save(const std::filesystem::path& path) {
        return saveScript(path.u16string(), configs);
    }
    std::filesystem::path write(const std::string& name, const std::string& text) {
        writeBytes(temp.file(name), text);
        return temp.file(name);
    }

    TempDir temp;
    ConfigMap configs;
};

std::string example(const char* name) {
    return readBytes(examplePath(name));
}

struct LoadCase {
    const char* name;
    std::string text;
    int code;
    std::size_t clusters;
};

TEST_F(ScriptFileTest, LoadResultPerContent) {
    std::string huge = example("config_v1.json");
    huge.replace(huge.find("13.2"), 4, "1e39"); // beyond single precision: could never be saved
    const LoadCase cases[] = {
        {"two.cpp", example("two_clusters.cpp"), Success, 2},
        {"one.cpp", example("one_cluster.cpp"), Success, 1},
        {"v1.json", example("config_v1.json"), Success, 1},
        {"v0.json", example("config_v0.json"), Success, 1},
        {"trailing.json", example("config_v1.json") + "\n// trailing words } ] \n", Success, 1},
        {"bom.json", "\xEF\xBB\xBF" + example("config_v1.json"), Success, 1},
        {"upper.CPP", example("one_cluster.cpp"), SyntaxError, 0}, // extensions are case-sensitive
        {"empty.cpp", "", SectionNotFound, 0},
        {"empty.json", "", SyntaxError, 0},
        {"garbage.json", std::string("\x00\xFF\xFE\x01KEO(", 8), SyntaxError, 0},
        {"deep.json", std::string(100000, '[') + std::string(100000, ']'), SyntaxError, 0},
        {"types.json", "{\"version\": \"1\"}", SyntaxError, 0},
        {"array.json", "[1, 2, 3]", SyntaxError, 0},
        {"huge.json", huge, SyntaxError, 0},
        {"second.cpp", example("one_cluster.cpp") + "\nKEO_C2({ oops })KEO_C2\n", SyntaxError, 0},
        // Valid JSON that is no configuration rejects the whole file, first cluster included.
        {"invalid.cpp", example("one_cluster.cpp") + "\nKEO_C2({\"version\": 1})KEO_C2\n",
         SyntaxError, 0},
    };
    for (const LoadCase& c : cases) {
        configs[7] = zeroConfig(); // a previous load's records must not survive
        EXPECT_EQ(load(write(c.name, c.text)).code, c.code) << c.name;
        EXPECT_EQ(configs.size(), c.clusters) << c.name;
    }
    // A missing file or an empty path: ConfigManagerTest's errors.
    std::filesystem::create_directory(temp.file("folder.cpp"));
    EXPECT_EQ(load(temp.file("folder.cpp")).code, FileNotAccessible);
}

// Every bundled layout comes back byte for byte (line ends aside): this pins the writer's keys,
// their order and its number format.
TEST_F(ScriptFileTest, SavingUnchangedScriptsOnlyChangesLineEnds) {
    for (const char* name : {"two_clusters.cpp", "one_cluster.cpp", "config_v1.json"}) {
        const std::string expected = lfToCrlf(example(name));
        // Scripts already in CR LF must not come back with doubled carriage returns.
        for (const std::string& original : {example(name), expected}) {
            const auto path = write(name, original);
            ASSERT_EQ(load(path).code, Success) << name;
            ASSERT_EQ(save(path).code, Success) << name;
            EXPECT_EQ(readBytes(path), expected) << name;
        }
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
    ASSERT_EQ(loadScript(temp.file("s.cpp").u16string(), reloaded).code, Success);
    EXPECT_EQ(reloaded[1].lateral.travel.outputFilter.cutoff[1], 0.75f);
}

TEST_F(ScriptFileTest, RefusedSavesLeaveTheFileAlone) {
    ASSERT_EQ(load(examplePath("two_clusters.cpp")).code, Success);
    const ConfigMap twoClusters = configs;
    ConfigMap secondOnly{{1, zeroConfig()}};
    ConfigMap infinite{{0, zeroConfig()}};
    infinite[0].mixer.swayToRoll.outputLimit.maxValueFactor[1] =
        std::numeric_limits<float>::infinity();
    ConfigMap notANumber = infinite;
    notANumber[0].mixer.swayToRoll.outputLimit.maxValueFactor[1] = std::nanf("");
    const struct {
        const char* name;
        std::string text;
        const ConfigMap& configs;
        int code;
    } cases[] = {
        {"one.cpp", example("one_cluster.cpp"), twoClusters, SectionNotFound},
        {"none.cpp", "int main() {}\n", twoClusters, SectionNotFound},
        {"half.cpp", "KEO({}\n", twoClusters, SyntaxError},
        {"c.json", "{}", secondOnly, NoFirstCluster},
        {"inf.json", example("config_v1.json"), infinite, InternalError},
        {"nan.cpp", example("one_cluster.cpp"), notANumber, InternalError},
        {"notes.txt", "KEO({})KEO", twoClusters, FileNotAccessible}, // no place to save into
    };
    for (const auto& c : cases) {
        configs = c.configs;
        EXPECT_EQ(save(write(c.name, c.text)).code, c.code) << c.name;
        EXPECT_EQ(readBytes(temp.file(c.name)), c.text) << c.name;
    }
    configs = {{0, zeroConfig()}};
    EXPECT_EQ(save(temp.file("no-such-folder/c.json")).code, FileNotAccessible);
    std::filesystem::create_directory(temp.file("dir.json"));
    EXPECT_EQ(save(temp.file("dir.json")).code, FileNotAccessible);
    EXPECT_TRUE(std::filesystem::is_directory(temp.file("dir.json")));
}

TEST_F(ScriptFileTest, SavingThroughALinkUpdatesTheLinkedFile) {
    const auto target = temp.copyOfExample("one_cluster.cpp");
    const auto link = temp.file("link.cpp");
    std::filesystem::create_symlink(target, link);
    ASSERT_EQ(load(link).code, Success);
    configs[0].understeer.toYaw.enabled = !configs[0].understeer.toYaw.enabled;
    ASSERT_EQ(save(link).code, Success);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    ConfigMap reloaded;
    ASSERT_EQ(loadScript(target.u16string(), reloaded).code, Success);
    EXPECT_EQ(reloaded[0].understeer.toYaw.enabled, configs[0].understeer.toYaw.enabled);
}

} // namespace
