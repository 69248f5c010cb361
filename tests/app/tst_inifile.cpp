#include "app/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

class tst_IniFile : public QObject
{
    Q_OBJECT

private:
    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeAll(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void writesTheFileByteForByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("XR9QT.ini");
        {
            tcIniFile store(path);
            store.setString("SKIN", "name", "default");
            store.setInt("OPTIONS", "ONLINE", 1);
            store.setString("DEVICE", "name", "Studio <A> & \"B\"");
            store.setInt("OPTIONS", "GRAPHVIEW", -2);
            store.setInt("SKIN", "file", 0);
            QVERIFY(store.save());
        }
        const QByteArray expected =
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<INI>\n"
            "<DEVICE\n"
            "    name=\"Studio &lt;A&gt; &amp; &quot;B&quot;\"\n"
            "/>\n"
            "<OPTIONS\n"
            "    GRAPHVIEW=\"-2\"\n"
            "    ONLINE=\"1\"\n"
            "/>\n"
            "<SKIN\n"
            "    file=\"0\"\n"
            "    name=\"default\"\n"
            "/>\n"
            "</INI>\n";
        QCOMPARE(readAll(path), expected);
    }

    void specialCharactersSurviveSaveAndReload_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("ampersand") << QByteArray("R&D");
        QTest::newRow("entity text") << QByteArray("&amp; stays &amp;");
        QTest::newRow("angles") << QByteArray("<tag>");
        QTest::newRow("quotes") << QByteArray("say \"hi\"");
        QTest::newRow("utf-8") << QByteArray("Gr\xc3\xbc\xc3\x9f" "e");
        QTest::newRow("empty") << QByteArray("");
    }
    void specialCharactersSurviveSaveAndReload()
    {
        QFETCH(QByteArray, value);
        QTemporaryDir dir;
        const QString path = dir.filePath("a.ini");
        {
            tcIniFile store(path);
            store.setString("DEVICE", "name", value.constData());
        }
        tcIniFile reread(path);
        char buffer[64];
        reread.getString("DEVICE", "name", "missing", buffer, sizeof buffer);
        QCOMPARE(QByteArray(buffer), value);
    }

    void readsSectionsAndSkipsTheK7Element()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("unit.cfg");
        writeAll(path,
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                 "<INI>\n"
                 "<K7 name=\"outer\" ip=\"1.2.3.4\">\n"
                 "<DEVICE name=\"inner\" ip=\"10.0.0.9\"/>\n"
                 "</K7>\n"
                 "<EMPTY\n/>\n"
                 "</INI>\n");
        tcIniFile store(path);
        QCOMPARE(store.getString("DEVICE", "name", QStringLiteral("-")), QStringLiteral("inner"));
        QCOMPARE(store.getString("DEVICE", "ip", QStringLiteral("-")), QStringLiteral("10.0.0.9"));
        QCOMPARE(store.getString("K7", "name", QStringLiteral("-")), QStringLiteral("-"));
        QCOMPARE(store.getString("INI", "name", QStringLiteral("-")), QStringLiteral("-"));
        QVERIFY(!store.isDirty());

        // Re-saving writes only the section that holds keys: "K7" and "EMPTY" are gone.
        store.setString("DEVICE", "name", "inner");
        QVERIFY(store.save());
        QCOMPARE(readAll(path),
                 QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                            "<INI>\n<DEVICE\n    ip=\"10.0.0.9\"\n    name=\"inner\"\n/>\n</INI>\n"));
    }

    void keepsWhatWasReadBeforeAnError_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("broken tag") << QByteArray("<INI>\n<A x=\"1\"/>\n<B y=\"2\" <C z=\"3\"/></INI>");
        QTest::newRow("truncated") << QByteArray("<INI>\n<A x=\"1\"/>\n<B y=\"2");
        QTest::newRow("bad entity") << QByteArray("<INI>\n<A x=\"1\"/>\n<B y=\"&nope;\"/></INI>");
    }
    void keepsWhatWasReadBeforeAnError()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.ini");
        writeAll(path, content);
        tcIniFile store(path);
        QCOMPARE(store.getInt("A", "x", -1), 1);
        QCOMPARE(store.getInt("B", "y", -1), -1);
        QCOMPARE(store.getInt("C", "z", -1), -1);
    }

    void readsAcrossParserBlocks()
    {
        // Values longer than the 1000-byte parser block, and a tag split by a block edge.
        QTemporaryDir dir;
        const QString path = dir.filePath("long.ini");
        const QByteArray longValue(2500, 'v');
        writeAll(path, "<INI>\n<A pad=\"" + QByteArray(980, 'p') + "\"/>\n<B long=\"" + longValue
                       + "\" n=\"7\"/>\n</INI>\n");
        tcIniFile store(path);
        QCOMPARE(store.getString("B", "long", QString()).toLatin1(), longValue);
        QCOMPARE(store.getInt("B", "n", 0), 7);
    }

    void missingFileGivesDefaults()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("none.ini");
        {
            tcIniFile store(path);
            QCOMPARE(store.getInt("OPTIONS", "ONLINE", 0), 0);
            QCOMPARE(store.getString("SKIN", "name", QStringLiteral("default")), QStringLiteral("default"));
        }
        QVERIFY2(!QFile::exists(path), "a store without writes creates no file");
    }

    void getStringCutsToTheBuffer_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("40 fits") << QByteArray(40, 'n') << QByteArray(40, 'n');
        QTest::newRow("41 cut") << QByteArray(41, 'n') << QByteArray(40, 'n');
        QTest::newRow("60 cut") << QByteArray("0123456789012345678901234567890123456789ABCDEFGHIJKLMNOPQRST")
                                << QByteArray("0123456789012345678901234567890123456789");
        QTest::newRow("empty value") << QByteArray("") << QByteArray("");
    }
    void getStringCutsToTheBuffer()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        tcIniFile store(dir.filePath("x.ini"));
        store.setString("DEVICE", "name", stored.constData());
        char name[41];
        std::memset(name, 'X', sizeof name);
        store.getString("DEVICE", "name", "????????", name, sizeof name);
        QCOMPARE(QByteArray(name), expected);
    }

    void getStringDefaultIsCutToo()
    {
        QTemporaryDir dir;
        tcIniFile store(dir.filePath("x.ini"));
        char small[5];
        store.getString("DEVICE", "name", "????????", small, sizeof small);
        QCOMPARE(QByteArray(small), QByteArray("????"));
    }

    void getIntReadsLikeAtoi_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("number") << QByteArray("12") << 12;
        QTest::newRow("negative") << QByteArray("-5") << -5;
        QTest::newRow("leading blanks") << QByteArray("  7x") << 7;
        QTest::newRow("not a number") << QByteArray("abc") << 0;
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("unsigned key") << QByteArray("3421780262") << int(0xCBF43926);
    }
    void getIntReadsLikeAtoi()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        QTemporaryDir dir;
        tcIniFile store(dir.filePath("x.ini"));
        store.setString("OPTIONS", "CONTROL", stored.constData());
        QCOMPARE(store.getInt("OPTIONS", "CONTROL", 99), expected);
        QCOMPARE(store.getInt("OPTIONS", "ABSENT", 99), 99);
    }

    void saveWritesOnlyWhenDirty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.ini");
        tcIniFile store(path);
        store.setInt("OPTIONS", "ONLINE", 1);
        QVERIFY(store.save());
        QVERIFY(!store.isDirty());
        QVERIFY(QFile::remove(path));
        QVERIFY(store.save());
        QVERIFY2(!QFile::exists(path), "a second save without a write must not write");
        store.setInt("OPTIONS", "ONLINE", 0);
        QVERIFY(store.save());
        QVERIFY(QFile::exists(path));
    }

    void destructorSaves()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.ini");
        {
            tcIniFile store(path);
            store.setString("PRESETS", "packages", "pk");
        }
        tcIniFile reread(path);
        QCOMPARE(reread.getString("PRESETS", "packages", QString()), QStringLiteral("pk"));
    }

    void failedSaveKeepsOldFileAndStaysDirty()
    {
        QTemporaryDir dir;
        // A directory where the file should be: the save cannot replace it.
        QVERIFY(QDir(dir.path()).mkdir("blocked.ini"));
        tcIniFile store(dir.filePath("blocked.ini"));
        store.setInt("OPTIONS", "ONLINE", 1);
        QVERIFY(!store.save());
        QVERIFY(store.isDirty());
        QVERIFY(QFileInfo(dir.filePath("blocked.ini")).isDir());
    }

    void setSectionStoresEveryPair()
    {
        QTemporaryDir dir;
        tcIniFile store(dir.filePath("x.ini"));
        const char* const pairs[] = {"ip", "10.1.1.1", "name", "Desk", nullptr};
        store.setSection("DEVICE", pairs);
        QVERIFY(store.isDirty());
        QCOMPARE(store.getString("DEVICE", "ip", QString()), QStringLiteral("10.1.1.1"));
        QCOMPARE(store.getString("DEVICE", "name", QString()), QStringLiteral("Desk"));
    }

    void namesAreEscapedAndCutAtASecondColon()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.ini");
        {
            tcIniFile store(path);
            store.setString("A", "key:extra", "v");
            store.setString("B&<", "k>\"", "w");
        }
        const QByteArray written = readAll(path);
        QVERIFY(written.contains("<A\n    key=\"v\"\n/>\n"));
        QVERIFY(written.contains("<B&amp;&lt;\n    k&gt;&quot;=\"w\"\n/>\n"));
    }
};

QTEST_MAIN(tst_IniFile)
#include "tst_inifile.moc"
