#include "gqgui/bench_master.h"
#include "gqgui/gui_image.h"
#include "gqgui/skin_pack.h"

#include <QApplication>
#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdarg>

namespace {
QByteArray le16(int value)
{
    return QByteArray(1, char(value & 0xFF)) + QByteArray(1, char((value >> 8) & 0xFF));
}

QByteArray le32(quint32 value)
{
    return le16(int(value & 0xFFFF)) + le16(int(value >> 16));
}

const QByteArray HEADER = QByteArray("SKIN") + QByteArray(12, '\0');

// One entry as the format lays it out; the name's zero is added and counted.
QByteArray entry(const QByteArray& name, const QByteArray& data)
{
    return le16(0) + le16(int(name.size()) + 1) + le32(quint32(data.size())) + name + '\0' + data;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file under a folder, relative, sorted.
QStringList filesUnder(const QString& folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        names.append(QDir(folder).relativeFilePath(it.next()));
    names.sort();
    return names;
}

// A bench master that drops its log.
class tcQuietBenchMaster : public tcBenchMaster
{
public:
    using tcBenchMaster::tcBenchMaster;
    void fitWindow() override {}
    void log(const char*, ...) override {}
};
}

// An outer folder holding the packed file and the target folder "target".
struct PackFixture
{
    QTemporaryDir outer;
    QString packed = outer.filePath(QStringLiteral("Studio.skin"));
    QString target = outer.filePath(QStringLiteral("target"));

    PackFixture() { QDir().mkpath(target); }

    int unpack(const QByteArray& bytes, QString* error = nullptr)
    {
        writeFile(packed, bytes);
        QString text;
        const int result = unpackSkin(packed, target, &text);
        if (error)
            *error = text;
        return result;
    }

    QString unpackError() const { return QStringLiteral("Failed attempting to unpack skin \"%1\"").arg(packed); }
};

class tst_SkinPack : public QObject
{
    Q_OBJECT

private slots:
    void programName() { QCOMPARE(skinPackerProgram(), QStringLiteral("SkinPacker")); }

    void nameKinds_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("kind");
        const int valid = int(tcSkinPackName::VALID);
        const int invalid = int(tcSkinPackName::INVALID);
        const int unsafe = int(tcSkinPackName::UNSAFE);
        QTest::newRow("plain") << QByteArray("skin.xml") << valid;
        QTest::newRow("in a subfolder") << QByteArray("parts/groups.xml") << valid;
        QTest::newRow("backslash subfolder") << QByteArray("parts\\knob.png") << valid;
        QTest::newRow("dots inside a name") << QByteArray("a..b.png") << valid;
        QTest::newRow("empty") << QByteArray("") << invalid;
        QTest::newRow("folder only") << QByteArray("parts/") << invalid;
        QTest::newRow("empty part") << QByteArray("a//b") << invalid;
        QTest::newRow("dot") << QByteArray(".") << invalid;
        QTest::newRow("parent") << QByteArray("..") << unsafe;
        QTest::newRow("climbing") << QByteArray("../evil.txt") << unsafe;
        QTest::newRow("climbing late") << QByteArray("a/../../evil.txt") << unsafe;
        QTest::newRow("climbing with backslashes") << QByteArray("..\\evil.txt") << unsafe;
        QTest::newRow("absolute") << QByteArray("/etc/passwd") << unsafe;
        QTest::newRow("leading backslash") << QByteArray("\\evil.txt") << unsafe;
        QTest::newRow("drive letter") << QByteArray("C:evil.txt") << unsafe;
        QTest::newRow("drive path") << QByteArray("c:\\evil.txt") << unsafe;
    }

    void nameKinds()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, kind);
        QCOMPARE(int(skinPackNameKind(name)), kind);
    }

    void headerOnlyUnpacksToAnEmptyFolder()
    {
        PackFixture f;
        QCOMPARE(f.unpack(HEADER), 0);
        QVERIFY(filesUnder(f.target).isEmpty());
    }

    void entriesAreWrittenIntoTheFolder()
    {
        PackFixture f;
        writeFile(QDir(f.target).filePath(QStringLiteral("skin.xml")), "old contents, longer than the new");
        const QByteArray binary("\x00\x01\xFF\x00zz", 6);
        QCOMPARE(f.unpack(HEADER + entry("skin.xml", "<skin/>") + entry("parts/deeper/knob.png", binary) +
                          entry("win\\style.xml", "w") + entry("empty.txt", "") + "\x01\x02\x03"),
                 0);
        QCOMPARE(filesUnder(f.target),
                 QStringList({"empty.txt", "parts/deeper/knob.png", "skin.xml", "win/style.xml"}));
        QCOMPARE(readFile(QDir(f.target).filePath(QStringLiteral("skin.xml"))), QByteArray("<skin/>"));
        QCOMPARE(readFile(QDir(f.target).filePath(QStringLiteral("parts/deeper/knob.png"))), binary);
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("wrong magic SKIM") << QByteArray("SKIM") + QByteArray(12, '\0');
        QTest::newRow("lower-case magic") << QByteArray("skin") + QByteArray(12, '\0');
        QTest::newRow("zero magic") << QByteArray(16, '\0');
        QTest::newRow("15 bytes") << QByteArray("SKIN") + QByteArray(11, '\0');
        QTest::newRow("empty") << QByteArray();
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        PackFixture f;
        QString error;
        QCOMPARE(f.unpack(bytes, &error), -1);
        QCOMPARE(error, f.unpackError());
        QVERIFY(filesUnder(f.target).isEmpty());
    }

    void missingFileOrFolder()
    {
        PackFixture f;
        QString error;
        QCOMPARE(unpackSkin(f.outer.filePath(QStringLiteral("none.skin")), f.target, &error), -1);
        QCOMPARE(error, QStringLiteral("Failed attempting to unpack skin \"%1\"")
                            .arg(f.outer.filePath(QStringLiteral("none.skin"))));
        writeFile(f.packed, HEADER);
        QCOMPARE(unpackSkin(f.packed, f.outer.filePath(QStringLiteral("absent")), &error), -1);
        QCOMPARE(error, QStringLiteral("Failed attempting to create temporary skin directory"));
        QVERIFY(!QFileInfo::exists(f.outer.filePath(QStringLiteral("absent"))));
    }

    void traversalIsRefusedAndNothingWrittenOutside_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("../") << QByteArray("../evil.txt");
        QTest::newRow("late ../") << QByteArray("ok/../../evil.txt");
        QTest::newRow("..\\") << QByteArray("..\\evil.txt");
        QTest::newRow("leading /") << QByteArray("/evil.txt");
        QTest::newRow("leading \\") << QByteArray("\\evil.txt");
        QTest::newRow("drive letter") << QByteArray("C:evil.txt");
        QTest::newRow("absolute into the outer folder") << QByteArray("<outer>/evil.txt");
    }

    void traversalIsRefusedAndNothingWrittenOutside()
    {
        QFETCH(QByteArray, name);
        PackFixture f;
        name.replace("<outer>", f.outer.path().toUtf8());
        QString error;
        QCOMPARE(f.unpack(HEADER + entry("first.txt", "1") + entry(name, "evil") + entry("last.txt", "2"), &error),
                 -1);
        QCOMPARE(error, f.unpackError());
        QCOMPARE(filesUnder(f.outer.path()), QStringList({"Studio.skin", "target/first.txt"}));
    }

    void linksInTheFolderAreNotFollowed_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("a linked folder") << QByteArray("linkdir/evil.txt");
        QTest::newRow("a linked file") << QByteArray("linkfile.txt");
    }

    void linksInTheFolderAreNotFollowed()
    {
        QFETCH(QByteArray, name);
        PackFixture f;
        const QString outside = f.outer.filePath(QStringLiteral("outside"));
        QDir().mkpath(outside);
        writeFile(QDir(outside).filePath(QStringLiteral("kept.txt")), "kept");
        QVERIFY(QFile::link(outside, QDir(f.target).filePath(QStringLiteral("linkdir"))));
        QVERIFY(QFile::link(QDir(outside).filePath(QStringLiteral("kept.txt")),
                            QDir(f.target).filePath(QStringLiteral("linkfile.txt"))));
        QCOMPARE(f.unpack(HEADER + entry(name, "evil")), -1);
        QCOMPARE(filesUnder(outside), QStringList{QStringLiteral("kept.txt")});
        QCOMPARE(readFile(QDir(outside).filePath(QStringLiteral("kept.txt"))), QByteArray("kept"));
    }

    void invalidNamesEndQuietly_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::newRow("empty name") << entry("", "x");
        QTest::newRow("folder name") << entry("parts/", "x");
        QTest::newRow("name without its zero") << le16(0) + le16(4) + le32(1) + QByteArray("abcd") + "x";
        QTest::newRow("zero name length") << le16(0) + le16(0) + le32(1) + QByteArray("x");
    }

    void invalidNamesEndQuietly()
    {
        QFETCH(QByteArray, bad);
        PackFixture f;
        QCOMPARE(f.unpack(HEADER + entry("first.txt", "1") + bad + entry("last.txt", "2")), 0);
        QCOMPARE(filesUnder(f.target), QStringList{QStringLiteral("first.txt")});
    }

    void lengthsPastTheEndAreDamage_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::newRow("data past the end") << le16(0) + le16(8) + le32(100) + QByteArray("cut.txt", 8) + "short";
        QTest::newRow("name past the end") << le16(0) + le16(200) + le32(0) + QByteArray("cut.txt", 8);
        QTest::newRow("huge data length") << le16(0) + le16(8) + le32(0xFFFFFFFFu) + QByteArray("cut.txt", 8) + "x";
    }

    void lengthsPastTheEndAreDamage()
    {
        QFETCH(QByteArray, bad);
        PackFixture f;
        QString error;
        QCOMPARE(f.unpack(HEADER + entry("first.txt", "1") + bad, &error), -1);
        QCOMPARE(error, f.unpackError());
        // The cut entry leaves no partial file.
        QCOMPARE(filesUnder(f.target), QStringList{QStringLiteral("first.txt")});
    }

    void errorsAreShownInAMessageBox()
    {
        PackFixture f;
        writeFile(f.packed, "NOPE");
        QString title;
        QString text;
        QTimer::singleShot(0, this, [&]() {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
        QCOMPARE(unpackSkinReporting(nullptr, f.packed, f.target), -1);
        QCOMPARE(title, QStringLiteral("Pack Skin Error"));
        QCOMPARE(text, f.unpackError());
    }

    void writersLayOutTheFormat()
    {
        QByteArray bytes;
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        QByteArray data("abc");
        QBuffer contents(&data);
        contents.open(QIODevice::ReadOnly);
        QVERIFY(writeSkinPackHeader(out));
        QVERIFY(writeSkinPackEntry(out, "a/b.png", contents));
        QCOMPARE(bytes, HEADER + QByteArray("\x00\x00\x08\x00\x03\x00\x00\x00" "a/b.png\x00" "abc", 19));
        // A name longer than its length field holds is refused.
        contents.seek(0);
        QVERIFY(!writeSkinPackEntry(out, QByteArray(0xFFFF, 'n'), contents));
    }

    void skinPackerRoundTrip();
    void skinPackerFailures_data();
    void skinPackerFailures();
};

// SkinPacker packs a folder with an included file in a subfolder and a shared image
// the skin uses; the unpacked folder loads like the original.
void tst_SkinPack::skinPackerRoundTrip()
{
#ifndef SKINPACKER_PATH
    QSKIP("SkinPacker is not built");
#else
    QTemporaryDir top;
    const QString skin = top.filePath(QStringLiteral("skins/Studio"));
    const QString shared = top.filePath(QStringLiteral("skin_images"));
    QByteArray big(200000, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 7 + i / 251);
    QVERIFY(writeFile(skin + QStringLiteral("/skin.xml"),
                      "<?xml version=\"1.0\"?>\n<!DOCTYPE skin [\n<!ENTITY groups SYSTEM \"parts/groups.xml\">\n]>\n"
                      "<skin>\n<image id=\"BKGRND\" file=\"panel.png\"/>\n&groups;\n</skin>\n"));
    QVERIFY(writeFile(skin + QStringLiteral("/parts/groups.xml"),
                      "<image id=\"KNOB\" file=\"knob.png\" sections=\"24\"/>\n<button id=\"B\"/>\n"));
    QVERIFY(writeFile(skin + QStringLiteral("/panel.png"), big));
    QVERIFY(writeFile(shared + QStringLiteral("/knob.png"), "shared knob"));
    QVERIFY(writeFile(shared + QStringLiteral("/unused.png"), "not used"));
    const QString packed = top.filePath(QStringLiteral("skins/Studio.skin"));
    QProcess packer;
    packer.start(QStringLiteral(SKINPACKER_PATH), {"-p", "-d", skin, "-i", shared, "-f", packed});
    QVERIFY(packer.waitForFinished(30000));
    QCOMPARE(packer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(packer.exitCode(), 0);
    const QString told = QString::fromUtf8(packer.readAllStandardOutput());
    for (const char* name : {"skin.xml", "parts/groups.xml", "panel.png", "knob.png"})
        QVERIFY2(told.contains(QStringLiteral("\"%1\"").arg(QLatin1String(name))), qPrintable(told));
    QVERIFY(!told.contains(QStringLiteral("unused.png")));
    QVERIFY(readFile(packed).startsWith(HEADER));

    const QString target = top.filePath(QStringLiteral("unpacked"));
    QDir().mkpath(target);
    QString error;
    QCOMPARE(unpackSkin(packed, target, &error), 0);
    QCOMPARE(filesUnder(target), QStringList({"knob.png", "panel.png", "parts/groups.xml", "skin.xml"}));
    QCOMPARE(readFile(target + QStringLiteral("/panel.png")), big);
    QCOMPARE(readFile(target + QStringLiteral("/parts/groups.xml")), readFile(skin + QStringLiteral("/parts/groups.xml")));
    QCOMPARE(readFile(target + QStringLiteral("/knob.png")), QByteArray("shared knob"));

    tcQuietBenchMaster bench(nullptr, target);
    QCOMPARE(bench.load(), 0);
    auto* knob = static_cast<tcGuiImage*>(bench.objects().find(QStringLiteral("KNOB"), GUI_KIND_IMAGE));
    QVERIFY(knob);
    QCOMPARE(knob->file(), QDir(target).filePath(QStringLiteral("knob.png")));
    QVERIFY(bench.objects().find(QStringLiteral("B")));
#endif
}

void tst_SkinPack::skinPackerFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no skin folder") << QStringList{"-p", "-d", "<top>/nowhere", "-f", "<top>/x.skin"}
                                    << QStringLiteral("no skin.xml");
    QTest::newRow("no image folder") << QStringList{"-p", "-d", "<top>/skin", "-i", "<top>/none", "-f", "<top>/x.skin"}
                                     << QStringLiteral("no image folder");
    QTest::newRow("no -p") << QStringList{"-d", "<top>/skin", "-f", "<top>/x.skin"} << QStringLiteral("usage");
    QTest::newRow("no -f value") << QStringList{"-p", "-d", "<top>/skin", "-f"} << QStringLiteral("usage");
    QTest::newRow("unknown option") << QStringList{"-p", "-x", "-d", "<top>/skin", "-f", "<top>/x.skin"}
                                    << QStringLiteral("usage");
    QTest::newRow("unwritable file") << QStringList{"-p", "-d", "<top>/skin", "-f", "<top>/no/such/dir/x.skin"}
                                     << QStringLiteral("cannot write");
}

void tst_SkinPack::skinPackerFailures()
{
#ifndef SKINPACKER_PATH
    QSKIP("SkinPacker is not built");
#else
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir top;
    QVERIFY(writeFile(top.filePath(QStringLiteral("skin/skin.xml")), "<skin/>"));
    arguments.replaceInStrings(QStringLiteral("<top>"), top.path());
    QProcess packer;
    packer.start(QStringLiteral(SKINPACKER_PATH), arguments);
    QVERIFY(packer.waitForFinished(30000));
    QVERIFY(packer.exitCode() != 0);
    QVERIFY2(QString::fromUtf8(packer.readAllStandardError()).contains(message), qPrintable(message));
    QVERIFY(!QFileInfo::exists(top.filePath(QStringLiteral("x.skin"))));
#endif
}

QTEST_MAIN(tst_SkinPack)
#include "tst_skinpack.moc"
