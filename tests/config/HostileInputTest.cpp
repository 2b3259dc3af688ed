// Files come from users and other tools: no document, however malformed, may crash the host. Each
// test damages valid documents at every node and requires either a result or a documented error.
// The fuzzers (fuzz/) search the text space; here each node takes one hostile value in turn, so
// every kind of value meets every kind of node without the cost of every pairing.
#include "ConfigTestSupport.h"
#include "config/ConfigReader.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

bool isDocumented(const std::string& text) {
    for (const char* prefix :
         {"[json.exception.type_error.302] ", "[json.exception.type_error.304] ",
          "[json.exception.type_error.305] ", "[json.exception.out_of_range.403] ",
          "Uknown filter type: ", "Unknown limitation type: ", "Unknown config version number: ",
          "Number is out of single-precision range"})
        if (text.rfind(prefix, 0) == 0)
            return true;
    return false;
}

std::vector<Json> hostileValues() {
    const std::string deep = std::string(1000, '[') + "1" + std::string(1000, ']');
    return {nullptr,
            true,
            false,
            0,
            -7,
            18446744073709551615u,
            2.5f,
            "high_pass",
            Json::array(),
            Json::array({1, 2}),
            Json::array({"x", true}),
            Json::object(),
            Json::parse(R"({"a": 1, "b": 2})"),
            Json::parse(deep),
            Json(std::vector<float>(100000, 1.0f))};
}

struct Outcome {
    int loaded = 0;
    int failed = 0;
};

// Reads the document and records the outcome; fails the test on an undocumented error.
void readAndRecord(const Json& document, const std::string& where, Outcome& outcome) {
    Config config = zeroConfig();
    try {
        readConfig(document, config);
        ++outcome.loaded;
    } catch (const std::exception& error) {
        ++outcome.failed;
        EXPECT_TRUE(isDocumented(error.what())) << where << ": " << error.what();
    }
}

// Calls `visit` for every value below the root with its path; the callback may change the node
// and must restore it.
void forEachNode(Json& node, const std::string& path,
                 const std::function<void(Json&, const std::string&)>& visit) {
    if (!path.empty())
        visit(node, path);
    if (node.is_object()) {
        for (auto& member : node.items())
            forEachNode(member.value(), path + "/" + member.key(), visit);
    } else if (node.is_array()) {
        for (std::size_t i = 0; i < node.size(); ++i)
            forEachNode(node[i], path + "/" + std::to_string(i), visit);
    }
}

Json olderDocumentWithAlgorithm() {
    Json older = minimalV0Document();
    older["algorithm"] = Json::parse(
        R"({"g": {"enableCorrection": true, "removeVerticalComponent": true},
            "transformations": {"enableAccMatrix": true, "enableVelocityMatrix": true}})");
    return older;
}

TEST(HostileInput, EveryNodeReplacedByAHostileValue) {
    const std::vector<Json> replacements = hostileValues();
    for (Json document : {writtenDocument(distinctConfig(0)), olderDocumentWithAlgorithm()}) {
        Outcome outcome;
        std::size_t next = 0;
        forEachNode(document, "", [&](Json& node, const std::string& path) {
            const Json original = node;
            node = replacements[next++ % replacements.size()];
            readAndRecord(document, path, outcome);
            node = original;
        });
        EXPECT_GT(outcome.failed, 100);
    }
}

TEST(HostileInput, EveryMemberRemoved) {
    for (Json document : {writtenDocument(distinctConfig(0)), olderDocumentWithAlgorithm()}) {
        Outcome outcome;
        forEachNode(document, "", [&](Json& node, const std::string& path) {
            if (!node.is_object())
                return;
            const Json original = node;
            for (const auto& member : original.items()) {
                node.erase(member.key());
                readAndRecord(document, path + "/" + member.key(), outcome);
                node = original;
            }
        });
        EXPECT_GT(outcome.failed, 0);
        EXPECT_GT(outcome.loaded, 0); // optional members exist in both versions
    }
}

} // namespace
