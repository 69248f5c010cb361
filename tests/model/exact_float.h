#pragma once

#include <QString>
#include <QTest>

#include <bit>

// Exact comparison of two floats (QCOMPARE on floats is fuzzy); the message shows both.
#define COMPARE_EXACT(actual, expected)                                                         \
    do {                                                                                        \
        const float actualValue = (actual);                                                     \
        const float expectedValue = (expected);                                                 \
        QVERIFY2(std::bit_cast<quint32>(actualValue) == std::bit_cast<quint32>(expectedValue),  \
                 qPrintable(QStringLiteral("%1, expected %2")                                   \
                                .arg(double(actualValue), 0, 'g', 9)                            \
                                .arg(double(expectedValue), 0, 'g', 9)));                       \
    } while (false)
