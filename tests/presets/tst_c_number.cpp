#include "presets/c_number.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

// The number readers of the preset grammar behave as C's atoi and atof in the "C" locale.
class tst_CNumber : public QObject {
    Q_OBJECT

private slots:
    void atoi_data();
    void atoi();
    void atof_data();
    void atof();
    void atofIgnoresDecimalComma();
    void narrowToFloat_data();
    void narrowToFloat();
};

void tst_CNumber::atoi_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint32>("value");

    QTest::newRow("digits") << QByteArray("2100") << 2100;
    QTest::newRow("leading zeros") << QByteArray("0000") << 0;
    QTest::newRow("white space and plus") << QByteArray(" \t\n\v\f\r+42") << 42;
    QTest::newRow("minus") << QByteArray("-17x") << -17;
    QTest::newRow("stops at the first other character") << QByteArray("12.9") << 12;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("space after the sign") << QByteArray("- 5") << 0;
    QTest::newRow("letters") << QByteArray("abc") << 0;
    QTest::newRow("comment") << QByteArray("// In Gain") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("largest int") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("2^32 + 100 wraps") << QByteArray("4294967396") << 100;
    QTest::newRow("2^31 wraps negative") << QByteArray("2147483648") << std::numeric_limits<qint32>::min();
}

void tst_CNumber::atoi()
{
    QFETCH(QByteArray, text);
    QFETCH(qint32, value);

    QCOMPARE(cAtoi(text), value);
}

void tst_CNumber::atof_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("value field") << QByteArray("+20.00 // In Gain ") << 20.0;
    QTest::newRow("negative") << QByteArray("-5.50") << -5.5;
    QTest::newRow("white space") << QByteArray("  \t7.25") << 7.25;
    QTest::newRow("exponent") << QByteArray("1.5e2dB") << 150.0;
    QTest::newRow("no leading digit") << QByteArray(".5") << 0.5;
    QTest::newRow("trailing point") << QByteArray("3.") << 3.0;
    QTest::newRow("hexadecimal") << QByteArray("0x1p3") << 8.0;
    QTest::newRow("comma ends the number") << QByteArray("2,75") << 2.0;
    QTest::newRow("letters") << QByteArray("abc") << 0.0;
    QTest::newRow("empty") << QByteArray() << 0.0;
    QTest::newRow("infinity") << QByteArray("-inf") << -std::numeric_limits<double>::infinity();
}

void tst_CNumber::atof()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);

    QCOMPARE(cAtof(text), value);
}

void tst_CNumber::atofIgnoresDecimalComma()
{
    // A desktop session in a locale with a decimal comma must read "+0.50" as 0.5, not 0.
    const char* const locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};
    const QByteArray previous = std::setlocale(LC_ALL, nullptr);
    const char* chosen = nullptr;
    for (const char* name : locales) {
        if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) {
        std::setlocale(LC_ALL, previous.constData());
        QSKIP("no locale with a decimal comma is installed");
    }
    const double value = cAtof("+0.50 // PEQ 1 BW ");
    std::setlocale(LC_ALL, previous.constData());
    QCOMPARE(value, 0.5);
}

void tst_CNumber::narrowToFloat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<float>("narrowed");

    const float infinity = std::numeric_limits<float>::infinity();
    QTest::newRow("in range") << 20.0 << 20.0f;
    QTest::newRow("above float") << 1e300 << infinity;
    QTest::newRow("below float") << -1e300 << -infinity;
    QTest::newRow("infinity") << double(infinity) << infinity;
}

void tst_CNumber::narrowToFloat()
{
    QFETCH(double, value);
    QFETCH(float, narrowed);

    QCOMPARE(::narrowToFloat(value), narrowed);
}

QTEST_MAIN(tst_CNumber)
#include "tst_c_number.moc"
