#include "ui/GValidator.h"

#include "ui/QmlUtils.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// Texts below are written with the display separator, as the user sees them.
class GValidatorTest : public ::testing::Test {
protected:
    GValidatorTest() { validator.setDecimals(4); }

    QValidator::State check(const QString& text) const {
        QString input = text;
        int position = input.size();
        return validator.validate(input, position);
    }
    QString shown(const char* text) const {
        QString copy = QString::fromLatin1(text);
        copy.replace(QChar('.'), separators.displaySeparator());
        return copy;
    }
    QString machine(const char* text) const {
        QString copy = QString::fromLatin1(text);
        copy.replace(QChar('.'), separators.machineSeparator());
        return copy;
    }

    QmlUtils separators;
    GValidator validator;
};

TEST_F(GValidatorTest, AcceptsUpToOneG) {
    EXPECT_EQ(check(shown("9.81")), QValidator::Acceptable);
    EXPECT_EQ(check(shown("9.82")), QValidator::Invalid);
    EXPECT_EQ(check(shown("0.5")), QValidator::Acceptable);
}

TEST_F(GValidatorTest, LengthFollowsDecimals) {
    EXPECT_EQ(check(shown("9.8100")), QValidator::Acceptable);
    EXPECT_EQ(check(shown("9.81000")), QValidator::Invalid);
    validator.setDecimals(2);
    EXPECT_EQ(check(shown("1.25")), QValidator::Acceptable);
    EXPECT_EQ(check(shown("1.250")), QValidator::Invalid);
}

TEST_F(GValidatorTest, TwoCharacterInputs) {
    EXPECT_EQ(check(shown("5.")), QValidator::Intermediate);
    EXPECT_EQ(check(machine("5.")), QValidator::Invalid);
    EXPECT_EQ(check("10"), QValidator::Invalid);
    EXPECT_EQ(check("-1"), QValidator::Invalid);
}

TEST_F(GValidatorTest, ShortInputs) {
    EXPECT_EQ(check(""), QValidator::Intermediate);
    EXPECT_EQ(check("5"), QValidator::Acceptable);
    EXPECT_EQ(check("-"), QValidator::Invalid);
    EXPECT_EQ(check("x"), QValidator::Invalid);
}

TEST_F(GValidatorTest, NoLowerBound) {
    EXPECT_EQ(check(shown("-5.5")), QValidator::Acceptable);
}

TEST_F(GValidatorTest, AcceptsTheMachineSeparatorBeyondTwoCharacters) {
    EXPECT_EQ(check(machine("9.81")), QValidator::Acceptable);
    EXPECT_EQ(check(machine("9.9")), QValidator::Invalid);
}

TEST_F(GValidatorTest, DecimalsNotifiesOnlyOnChange) {
    QSignalSpy spy(&validator, &GValidator::decimalsChanged);
    validator.setDecimals(4);
    EXPECT_EQ(spy.count(), 0);
    validator.setDecimals(3);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(validator.decimals(), 3);
}

TEST(GValidatorDefaults, StartsWithOneDecimal) {
    GValidator validator;
    EXPECT_EQ(validator.decimals(), 1);
    QString input = QString("1") + QmlUtils().displaySeparator() + "25";
    int position = 0;
    EXPECT_EQ(validator.validate(input, position), QValidator::Invalid);
}

} // namespace
