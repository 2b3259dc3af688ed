#include "ui/GValidator.h"

#include "ui/QmlUtils.h"

#include <gtest/gtest.h>

namespace {

// Texts are written with '.' for the display separator and '#' for the machine separator.
QValidator::State check(const GValidator& validator, const char* text) {
    const QmlUtils separators;
    QString input = QString::fromLatin1(text);
    input.replace('.', separators.displaySeparator()).replace('#', separators.machineSeparator());
    int position = input.size();
    return validator.validate(input, position);
}

TEST(GValidator, AcceptsUpToOneGWithTheConfiguredDecimals) {
    GValidator validator;
    EXPECT_EQ(check(validator, "1.25"), QValidator::Invalid); // one decimal at first
    validator.setDecimals(4);
    const std::pair<const char*, QValidator::State> cases[] = {
        {"9.81", QValidator::Acceptable},   {"9.82", QValidator::Invalid},
        {"0.5", QValidator::Acceptable},    {"-5.5", QValidator::Acceptable}, // no lower bound
        {"9.8100", QValidator::Acceptable}, {"9.81000", QValidator::Invalid},
        {"5.", QValidator::Intermediate},   {"5#", QValidator::Invalid},
        {"10", QValidator::Invalid},        {"-1", QValidator::Invalid},
        {"", QValidator::Intermediate},     {"5", QValidator::Acceptable},
        {"-", QValidator::Invalid},         {"x", QValidator::Invalid},
        {"9#81", QValidator::Acceptable},   {"9#9", QValidator::Invalid},
    };
    for (const auto& [text, state] : cases)
        EXPECT_EQ(check(validator, text), state) << text;
    validator.setDecimals(2);
    EXPECT_EQ(check(validator, "1.25"), QValidator::Acceptable);
    EXPECT_EQ(check(validator, "1.250"), QValidator::Invalid);
}

} // namespace
