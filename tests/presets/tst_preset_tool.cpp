#include "tools/k7preset/preset_tool.h"

#include "preset_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The k7preset commands: their output, files and exit codes.
class tst_PresetTool : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writeThenShow();
    void check();
    void diff();
    void packAndInstall();
    void writeRefusesBadInput_data();
    void writeRefusesBadInput();
    void helpForEveryCommand_data();
    void helpForEveryCommand();
    void usageErrors_data();
    void usageErrors();

private:
    int run(const QStringList& arguments);
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_out;
    QString m_err;
};

void tst_PresetTool::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

int tst_PresetTool::run(const QStringList& arguments)
{
    m_out.clear();
    m_err.clear();
    QTextStream out(&m_out);
    QTextStream err(&m_err);
    return tcPresetTool(out, err).run(arguments);
}

void tst_PresetTool::writeThenShow()
{
    QCOMPARE(run({"write", "Voice One", path("v.k7"), "2100=-5", "8100=on", "6105=0.67"}), 0);
    QCOMPARE(m_err, QString("k7preset: note: 6105=0.67 stored as 0.66\n"));
    const QByteArray file = fixture::readFile(path("v.k7"));
    QVERIFY(file.startsWith("K7 PRESET FILE:Voice One: \r\n2100:-5.00 // In Gain \r\n"));
    QVERIFY(file.contains("\r\n8100:1 // Comp In \r\n"));

    QCOMPARE(run({"show", path("v.k7")}), 0);
    const QStringList lines = m_out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 36);
    QCOMPARE(lines[0], QString("Name               Voice One"));
    QCOMPARE(lines[1], QString("Num IDs            30"));
    QCOMPARE(lines[3], "Gain CRC           " + QString("%1").arg(fixture::gainCrc(-5.0f), 8, 16, QChar('0')).toUpper());
    QCOMPARE(lines[4], QString("Gain count         9"));
    QCOMPARE(lines[5], QString("In Gain            - 5.0 dB"));
    QCOMPARE(lines[30], QString("Comp In            IN"));
}

void tst_PresetTool::check()
{
    QVERIFY(fixture::writeFile(path("good.k7"), "K7 PRESET FILE:Good: \r\n"));
    QVERIFY(fixture::writeFile(path("bad.k7"), "K7 PRESET:Bad: \r\n"));
    QCOMPARE(run({"check", path("good.k7")}), 0);
    QCOMPARE(m_out, path("good.k7") + ": Success\n");
    QCOMPARE(run({"check", path("good.k7"), path("bad.k7"), path("gone.k7")}), 1);
    QCOMPARE(m_out, path("good.k7") + ": Success\n" + path("bad.k7") + ": Invalid File Type\n" + path("gone.k7")
                        + ": cannot be opened\n");
}

void tst_PresetTool::diff()
{
    QCOMPARE(run({"write", "A", path("a.k7"), "9004=-0.5"}), 0);
    QCOMPARE(run({"write", "A", path("same.k7"), "9004=-0.5"}), 0);
    QCOMPARE(run({"write", "B", path("b.k7")}), 0);
    QCOMPARE(run({"diff", path("a.k7"), path("same.k7")}), 0);
    QVERIFY(!m_out.contains("**"));
    QCOMPARE(run({"diff", path("a.k7"), path("b.k7")}), 1);
    QStringList marked;
    for (const QString& line : m_out.split('\n')) {
        if (line.startsWith("** "))
            marked.append(line.mid(3, 18).trimmed());
    }
    QCOMPARE(marked, QStringList({"Name", "CRC", "Out Gain"}));
    QVERIFY(m_out.startsWith("   Setting            a.k7           b.k7\n"));
}

void tst_PresetTool::packAndInstall()
{
    QVERIFY(QDir().mkpath(path("src/Sub")));
    QVERIFY(QDir().mkpath(path("library")));
    QCOMPARE(run({"write", "Deep", path("src/Sub/deep.k7")}), 0);
    QCOMPARE(run({"pack", path("src"), path("Voices.pkg")}), 0);
    QCOMPARE(run({"install", path("Voices.pkg"), path("library"), path("XR9QT.ini")}), 0);
    QCOMPARE(m_out, path("Voices.pkg") + ": installed as \"Voices\"\n");
    QCOMPARE(run({"install", path("Voices.pkg"), path("library"), path("XR9QT.ini")}), 0);
    QCOMPARE(m_out, path("Voices.pkg") + ": installed as \"Voices (2)\"\n");
    QCOMPARE(fixture::readFile(path("library/Voices (2)/Sub/deep.k7")), fixture::readFile(path("src/Sub/deep.k7")));
    QVERIFY(fixture::readFile(path("XR9QT.ini")).contains("packages=\"Voices;Voices (2)\""));

    QVERIFY(fixture::writeFile(path("Broken.pkg"), "not a package at all"));
    QCOMPARE(run({"install", path("Broken.pkg"), path("library")}), 1);
    QCOMPARE(m_err, "k7preset: Install Preset: This is not an K7 preset package.\nk7preset: unable to install preset package "
                        + path("Broken.pkg") + "\n");
}

void tst_PresetTool::writeRefusesBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("leading space") << QStringList{" Voice"} << "k7preset: A preset name cannot start with a space.\n";
    QTest::newRow("colon") << QStringList{"a:b"} << "k7preset: There are invalid characters in the name.\n";
    QTest::newRow("line break") << QStringList{"a\nb"} << "k7preset: The name holds control characters.\n";
    QTest::newRow("41 characters") << QStringList{QString(41, 'n')} << "k7preset: The name is longer than 40 characters.\n";
    QTest::newRow("unknown id") << QStringList{"ok", "1234=5"} << "k7preset: \"1234=5\": no parameter has that ID\n";
    QTest::newRow("not a number") << QStringList{"ok", "2100=loud"} << "k7preset: \"2100=loud\": not a number\n";
    QTest::newRow("not a switch") << QStringList{"ok", "8100=2"}
                                  << "k7preset: \"8100=2\": a switch takes 0, 1, off, on, out or in\n";
}

void tst_PresetTool::writeRefusesBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    QStringList command{"write", arguments[0], path("out.k7")};
    command += arguments.mid(1);
    QCOMPARE(run(command), 2);
    QVERIFY2(m_err.startsWith(message), qPrintable(m_err));
    QVERIFY(!QFile::exists(path("out.k7")));
}

void tst_PresetTool::helpForEveryCommand_data()
{
    QTest::addColumn<QString>("command");
    for (const char* command : {"show", "check", "diff", "pack", "install", "write"})
        QTest::newRow(command) << QString(command);
}

void tst_PresetTool::helpForEveryCommand()
{
    QFETCH(QString, command);

    QCOMPARE(run({command, "--help"}), 0);
    QVERIFY2(m_out.startsWith("usage: k7preset " + command + " "), qPrintable(m_out));
    QVERIFY(m_err.isEmpty());
}

void tst_PresetTool::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("nothing") << QStringList() << "usage: k7preset COMMAND [ARGUMENTS]";
    QTest::newRow("unknown command") << QStringList{"frob"} << "k7preset: unknown command \"frob\"";
    QTest::newRow("show without file") << QStringList{"show"} << "k7preset: expects one preset file";
    QTest::newRow("show missing file") << QStringList{"show", "/nonexistent/x.k7"} << "k7preset: cannot open /nonexistent/x.k7";
    QTest::newRow("diff one file") << QStringList{"diff", "a.k7"} << "k7preset: expects two preset files";
    QTest::newRow("pack a missing folder") << QStringList{"pack", "/nonexistent", "x.pkg"} << "k7preset: /nonexistent is not a folder";
    QTest::newRow("install too few") << QStringList{"install", "x.pkg"}
                                     << "k7preset: expects a package, a library folder and optionally a settings file";
}

void tst_PresetTool::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, firstLine);

    QCOMPARE(run(arguments), 2);
    QCOMPARE(m_err.section('\n', 0, 0), firstLine);
}

QTEST_MAIN(tst_PresetTool)
#include "tst_preset_tool.moc"
