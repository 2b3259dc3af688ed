#include "live/RoutingTable.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <string>

// docs/engine.md states, per record word, its unit and the graphs that show it; the editor's
// routing table must read exactly those words for each graph, radians shown in degrees.
namespace {

// Per word: its unit and the graphs that show it.
using DocumentedWord = std::pair<std::string, std::set<std::string>>;

std::map<int, DocumentedWord> documentedWords() {
    std::ifstream file(std::string(KEO_DOCS_DIR) + "/engine.md");
    const std::regex row(R"(^\| (\d+) \| [^|]+ \| ([^|]*) \| [^|]+ \| ([^|]+) \|$)");
    const std::regex graph("`([^`]+)`");
    std::map<int, DocumentedWord> words;
    for (std::string line; std::getline(file, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, row))
            continue;
        DocumentedWord& word = words[std::stoi(m[1])];
        word.first = m[2];
        const std::string graphs = m[3];
        for (auto g = std::sregex_iterator(graphs.begin(), graphs.end(), graph);
             g != std::sregex_iterator(); ++g)
            word.second.insert((*g)[1]);
    }
    return words;
}

} // namespace

TEST(WordTable, EveryGraphReadsTheWordsTheDocumentationGivesForItsBlock) {
    const std::map<int, DocumentedWord> words = documentedWords();
    ASSERT_EQ(words.size(), 151u) << "one row per signal word, 2 to 152";
    for (const routing::GraphRoute& route : routing::graphRoutes) {
        SCOPED_TRACE(route.objectName);
        std::set<int> read, documented;
        for (int i = 0; i < route.seriesCount; ++i) {
            const routing::SeriesSource& s = route.series[i];
            for (int word : {int(s.word), int(s.otherWord)}) {
                if (word < 0)
                    continue;
                read.insert(word);
                const std::string& unit = words.at(word).first;
                EXPECT_TRUE(s.degrees || unit.rfind("rad", 0) != 0) << word << " is in " << unit;
            }
        }
        for (const auto& [word, doc] : words) {
            if (doc.second.count(route.objectName))
                documented.insert(word);
        }
        EXPECT_EQ(read, documented);
    }
}
