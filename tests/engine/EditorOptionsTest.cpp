// keo-editor's command line for its engine: the step rate and the drive.
#include "EditorOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(EditorOptions, RateAndDriveDefaultAndCanBeChosen) {
    QString error;
    const auto defaults = parseEditorOptions({}, error);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->outputRate, 500);
    EXPECT_EQ(defaults->drive, "mix");
    const auto chosen = parseEditorOptions({QStringLiteral("--rate"), QStringLiteral("5000"),
                                            QStringLiteral("--drive"), QStringLiteral("a.csv")},
                                           error);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->outputRate, 5000);
    EXPECT_EQ(chosen->drive, "a.csv");
    for (const char* bad : {"0", "-3", "many", "20001"}) {
        EXPECT_FALSE(
            parseEditorOptions({QStringLiteral("--rate"), QString::fromLatin1(bad)}, error))
            << bad;
        EXPECT_TRUE(error.startsWith(QStringLiteral("--rate"))) << qPrintable(error);
    }
}

} // namespace
