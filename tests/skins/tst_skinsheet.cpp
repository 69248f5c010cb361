// The generator reads a skin's colours and geometry with the skin file's own value rules,
// so that the bitmaps it draws fit the objects the skin loader places.

#include "tools/skingen/skin_sheet.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tcSkinSheetTest : public QObject
{
    Q_OBJECT

private:
    // A skin folder holding the two files the sheet reads.
    bool writeSkin(const QByteArray& colours, const QByteArray& layout)
    {
        return write(QStringLiteral("colours.xml"), colours) && write(QStringLiteral("layout.xml"), layout);
    }

    bool write(const QString& name, const QByteArray& text)
    {
        QFile file(m_folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    }

    QTemporaryDir m_folder;

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
    }

    void offsetExpressions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("name plus number") << "X+5" << 15;
        QTest::newRow("spaced minus") << "X - 3" << 7;
        QTest::newRow("negative number") << "-5" << -5;
        QTest::newRow("blank adds") << "10 20" << 30;
        QTest::newRow("point adds") << "1.5" << 6;
        QTest::newRow("two names") << "X+X" << 20;
        QTest::newRow("number minus name") << "3-X" << -7;
        QTest::newRow("name alone") << "X" << 10;
        QTest::newRow("name with digits") << "X2-1" << 39;
        QTest::newRow("empty") << "" << 0;
    }

    void offsetExpressions()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QVERIFY(writeSkin("", "<offset id=\"X\" value=\"10\"/>\n<offset id=\"X2\" value=\"40\"/>\n"
                              "<offset id=\"R\" value=\"" + text.toUtf8() + "\"/>\n"));
        tcSkinSheet sheet;
        QVERIFY2(sheet.read(m_folder.path()), qPrintable(sheet.error()));
        QCOMPARE(sheet.offset(QStringLiteral("R")), std::optional<int>(expected));
    }

    // The loader would count an unknown offset as 0; a bitmap drawn from it would not fit.
    void unknownOffsetIsAFault()
    {
        QVERIFY(writeSkin("", "<offset id=\"X\" value=\"10\"/>\n\n<region id=\"P\" x=\"0\" y=\"X+Y\" w=\"4\" h=\"4\"/>\n"));
        tcSkinSheet sheet;
        QVERIFY(!sheet.read(m_folder.path()));
        QVERIFY2(sheet.error().contains(QStringLiteral("layout.xml, line 3")), qPrintable(sheet.error()));
        QVERIFY2(sheet.error().contains(QStringLiteral("\"Y\"")), qPrintable(sheet.error()));
    }

    void colours_data()
    {
        QTest::addColumn<QString>("rgb");
        QTest::addColumn<uint>("expected");
        QTest::newRow("hexadecimal") << "FF0000" << 0xFFFF0000u;
        QTest::newRow("with 0x") << "0x00ff80" << 0xFF00FF80u;
        QTest::newRow("alpha is opaque") << "12345678" << 0xFF345678u;
        QTest::newRow("earlier colour") << "BASE" << 0xFF102030u;
    }

    void colours()
    {
        QFETCH(QString, rgb);
        QFETCH(uint, expected);
        QVERIFY(writeSkin("<color id=\"BASE\" rgb=\"102030\"/>\n<color id=\"C\" rgb=\"" + rgb.toUtf8() + "\"/>\n", ""));
        tcSkinSheet sheet;
        QVERIFY2(sheet.read(m_folder.path()), qPrintable(sheet.error()));
        QCOMPARE(sheet.colour(QStringLiteral("C"))->rgba(), expected);
    }

    void colourThatIsNoNumberIsAFault()
    {
        QVERIFY(writeSkin("<color id=\"C\" rgb=\"GREY\"/>\n", ""));
        tcSkinSheet sheet;
        QVERIFY(!sheet.read(m_folder.path()));
        QVERIFY2(sheet.error().contains(QStringLiteral("GREY")), qPrintable(sheet.error()));
    }

    void regionsKeepDocumentOrder()
    {
        QVERIFY(writeSkin("", "<offset id=\"GX\" value=\"8\"/>\n"
                              "<region id=\"PANEL\" x=\"GX\" y=\"GX+2\" w=\"100\" h=\"50\"/>\n"
                              "<!-- a comment -->\n"
                              "<region id=\"PANEL/bay/1\" x=\"GX+4\" y=\"14\" w=\"20 20\" h=\"GX - 2\"/>\n"));
        tcSkinSheet sheet;
        QVERIFY2(sheet.read(m_folder.path()), qPrintable(sheet.error()));
        QCOMPARE(sheet.regions().size(), size_t(2));
        QCOMPARE(sheet.regions()[0].id, QStringLiteral("PANEL"));
        QCOMPARE(sheet.regions()[0].rect, QRect(8, 10, 100, 50));
        QCOMPARE(sheet.regions()[1].rect, QRect(12, 14, 40, 6));
    }

    // The skin's region table keeps one entry per id, so a second region of the same id
    // would be lost to the skin while the generator drew it.
    void regionDefinedTwiceIsAFault()
    {
        QVERIFY(writeSkin("", "<region id=\"P/bay\" x=\"0\" y=\"0\" w=\"4\" h=\"4\"/>\n"
                              "<region id=\"P/bay\" x=\"4\" y=\"0\" w=\"4\" h=\"4\"/>\n"));
        tcSkinSheet sheet;
        QVERIFY(!sheet.read(m_folder.path()));
        QVERIFY2(sheet.error().contains(QStringLiteral("\"P/bay\"")), qPrintable(sheet.error()));
    }

    void redefinedOffsetTakesTheNewValue()
    {
        QVERIFY(writeSkin("", "<offset id=\"X\" value=\"10\"/>\n<offset id=\"X\" value=\"X+1\"/>\n"));
        tcSkinSheet sheet;
        QVERIFY2(sheet.read(m_folder.path()), qPrintable(sheet.error()));
        QCOMPARE(sheet.offset(QStringLiteral("X")), std::optional<int>(11));
    }

    void missingFileIsAFault()
    {
        QVERIFY(write(QStringLiteral("colours.xml"), ""));
        QFile::remove(m_folder.filePath(QStringLiteral("layout.xml")));
        tcSkinSheet sheet;
        QVERIFY(!sheet.read(m_folder.path()));
        QVERIFY2(sheet.error().contains(QStringLiteral("layout.xml")), qPrintable(sheet.error()));
    }

    void malformedXmlIsAFault()
    {
        QVERIFY(writeSkin("<color id=\"C\" rgb=\"1\">\n", ""));
        tcSkinSheet sheet;
        QVERIFY(!sheet.read(m_folder.path()));
        QVERIFY2(sheet.error().contains(QStringLiteral("colours.xml")), qPrintable(sheet.error()));
    }
};

QTEST_MAIN(tcSkinSheetTest)
#include "tst_skinsheet.moc"
