#pragma once

#include <QtTest/QTest>

// Waits, processing events, until the condition holds or five seconds have passed. Use it inside
// EXPECT_TRUE/ASSERT_TRUE: Qt's QTRY_ macros report to Qt's own test log, which a Google test
// never reads, so a failing QTRY_ there would only return early and pass.
template <class Condition> bool eventually(Condition condition) {
    return QTest::qWaitFor(condition, 5000);
}
