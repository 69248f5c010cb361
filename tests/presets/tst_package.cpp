#include "presets/package_installer.h"
#include "presets/package_writer.h"
#include "presets/preset_library.h"

#include "app/ini_file.h"

#include "preset_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QByteArray PACKAGE_HEADER("\xBB\xBB\xAA\xAA\0\0\0\0\0\0\0\0\0\0\0\0", 16);

QByteArray le16(int value)
{
    return QByteArray(1, char(value & 0xFF)) + char((value >> 8) & 0xFF);
}

QByteArray le32(quint32 value)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}

QByteArray inverted(QByteArray bytes)
{
    for (char& byte : bytes)
        byte = char(~byte);
    return bytes;
}

// One entry written out here: magic CD AB, path length, size, path, inverted data.
QByteArray entry(const QByteArray& path, const QByteArray& data)
{
    return QByteArray("\xCD\xAB", 2) + le16(int(path.size())) + le32(quint32(data.size())) + path + inverted(data);
}

// The entry paths of a package, in order (the test's own reader).
QList<QByteArray> entryPaths(const QByteArray& package)
{
    QList<QByteArray> paths;
    qsizetype at = 16;
    while (at + 8 <= package.size()) {
        const int length = quint8(package[at + 2]) | (quint8(package[at + 3]) << 8);
        const quint32 size = quint8(package[at + 4]) | (quint8(package[at + 5]) << 8) | (quint8(package[at + 6]) << 16)
                           | (quint32(quint8(package[at + 7])) << 24);
        paths.append(package.mid(at + 8, length));
        at += 8 + length + qsizetype(size);
    }
    return paths;
}

} // namespace

// Building and installing preset packages, the " (n)" names, refused entries and autoload.
class tst_Package : public QObject {
    Q_OBJECT

private slots:
    void init();
    void buildsExactBytes();
    void roundTripWithSubfolder();
    void filesComeBeforeSubfolders();
    void neverWritesOverlongPaths();
    void buildFailsForUncreatablePackage();
    void refusesWhatIsNotAPackage_data();
    void refusesWhatIsNotAPackage();
    void numbersRepeatedInstalls();
    void takenNamesAreSkipped();
    void namesThatCannotBeRegistered_data();
    void namesThatCannotBeRegistered();
    void refusesBadEntries_data();
    void refusesBadEntries();
    void autoloadInstallsAndDeletes();

private:
    QString writePackage(const QString& name, const QByteArray& bytes);
    QSet<QString> everything() const; // every file and folder below the sandbox
    QList<QPair<QString, QString>> m_notices;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<tcIniFile> m_store;
    QString m_root;
    std::unique_ptr<tcPresetLibrary> m_library;
};

void tst_Package::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_store = std::make_unique<tcIniFile>(m_dir->filePath("XR9QT.ini"));
    m_root = m_dir->filePath("presets/favorites");
    QVERIFY(QDir().mkpath(m_root));
    m_notices.clear();
    m_library = std::make_unique<tcPresetLibrary>(m_root, m_store.get(), [this](const QString& title, const QString& text) {
        m_notices.append({title, text});
    });
}

QString tst_Package::writePackage(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir->filePath(name);
    fixture::writeFile(path, bytes);
    return path;
}

QSet<QString> tst_Package::everything() const
{
    QSet<QString> found;
    QDirIterator it(m_dir->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(QDir(m_dir->path()).relativeFilePath(it.next()));
    return found;
}

void tst_Package::buildsExactBytes()
{
    const QString folder = m_dir->filePath("one");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(fixture::writeFile(folder + "/a.k7", "AB"));
    const QString package = m_dir->filePath("one.pkg");
    QCOMPARE(tcPackageWriter::build(package, folder), 0);
    const QByteArray expected = PACKAGE_HEADER + QByteArray("\xCD\xAB\x04\x00\x02\x00\x00\x00" "a.k7" "\xBE\xBD", 14);
    QCOMPARE(fixture::readFile(package), expected);
}

void tst_Package::roundTripWithSubfolder()
{
    const QString folder = m_dir->filePath("src");
    const QByteArray voice = "K7 PRESET FILE:Voice One: \r\n2100:+20.00 // In Gain \r\n";
    const QByteArray order = "Voice One.k7\r\n";
    const QByteArray deep = QByteArray("\0\x01\xFF\x7F binary", 11);
    QVERIFY(QDir().mkpath(folder + "/Sub/Inner"));
    QVERIFY(fixture::writeFile(folder + "/Voice One.k7", voice));
    QVERIFY(fixture::writeFile(folder + "/k7_pset_idx.txt", order));
    QVERIFY(fixture::writeFile(folder + "/notes.txt", "not carried"));
    QVERIFY(fixture::writeFile(folder + "/Sub/Deep.k7", deep));
    QVERIFY(fixture::writeFile(folder + "/Sub/readme.md", "not carried"));
    QVERIFY(fixture::writeFile(folder + "/Sub/Inner/empty.k7", QByteArray()));
    QVERIFY(QFile::link(folder + "/Sub", folder + "/Link"));

    const QString package = m_dir->filePath("Voices.pkg");
    QCOMPARE(tcPackageWriter::build(package, folder), 0);
    tcPackageInstaller installer(*m_library);
    QCOMPARE(installer.install(package), 0);

    const QString installed = m_root + "/Voices";
    QCOMPARE(fixture::readFile(installed + "/Voice One.k7"), voice);
    QCOMPARE(fixture::readFile(installed + "/k7_pset_idx.txt"), order);
    QCOMPARE(fixture::readFile(installed + "/Sub/Deep.k7"), deep);
    QVERIFY(QFileInfo(installed + "/Sub/Inner/empty.k7").isFile());
    QSet<QString> expected{"Voice One.k7", "k7_pset_idx.txt", "Sub", "Sub/Deep.k7", "Sub/Inner", "Sub/Inner/empty.k7"};
    QSet<QString> found;
    QDirIterator it(installed, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(QDir(installed).relativeFilePath(it.next()));
    QCOMPARE(found, expected);
    QCOMPARE(m_library->registry().packages(), QStringList{"Voices"});
    QVERIFY(m_notices.isEmpty());
}

void tst_Package::filesComeBeforeSubfolders()
{
    const QString folder = m_dir->filePath("src");
    QVERIFY(QDir().mkpath(folder + "/A/B"));
    for (const char* name : {"A/B/x.k7", "A/y.k7", "z.k7", "k7_pset_idx.txt", "A/k7_pset_idx.txt"})
        QVERIFY(fixture::writeFile(folder + "/" + name, name));
    const QString package = m_dir->filePath("order.pkg");
    QCOMPARE(tcPackageWriter::build(package, folder), 0);
    const QList<QByteArray> paths = entryPaths(fixture::readFile(package));
    QCOMPARE(paths.size(), 5);
    QCOMPARE(QSet<QByteArray>(paths.cbegin(), paths.cbegin() + 2), QSet<QByteArray>({"z.k7", "k7_pset_idx.txt"}));
    QCOMPARE(QSet<QByteArray>(paths.cbegin() + 2, paths.cbegin() + 4), QSet<QByteArray>({"A/y.k7", "A/k7_pset_idx.txt"}));
    QCOMPARE(paths[4], QByteArray("A/B/x.k7"));
}

void tst_Package::neverWritesOverlongPaths()
{
    const QString folder = m_dir->filePath("src");
    QString deep = folder;
    for (int level = 0; level < 6; ++level)
        deep += "/" + QString(200, QChar('a' + level));
    QVERIFY(QDir().mkpath(deep));
    QVERIFY(fixture::writeFile(deep + "/x.k7", "deep"));
    QVERIFY(fixture::writeFile(folder + "/short.k7", "short"));
    const QString package = m_dir->filePath("long.pkg");
    QCOMPARE(tcPackageWriter::build(package, folder), 0);
    QCOMPARE(entryPaths(fixture::readFile(package)), QList<QByteArray>{"short.k7"});
}

void tst_Package::buildFailsForUncreatablePackage()
{
    const QString folder = m_dir->filePath("src");
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(tcPackageWriter::build(m_dir->filePath("no such folder/x.pkg"), folder), -1);
}

void tst_Package::refusesWhatIsNotAPackage_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("wrong magic") << QByteArray(16, '\0') + entry("a.k7", "x");
    QTest::newRow("magic in the wrong byte order") << QByteArray("\xAA\xAA\xBB\xBB", 4) + QByteArray(12, '\0');
    QTest::newRow("15 bytes") << PACKAGE_HEADER.left(15);
    QTest::newRow("empty") << QByteArray();
}

void tst_Package::refusesWhatIsNotAPackage()
{
    QFETCH(QByteArray, bytes);

    tcPackageInstaller installer(*m_library);
    QCOMPARE(installer.install(writePackage("Voices.pkg", bytes)), -1);
    const QList<QPair<QString, QString>> expected{{"Install Preset", "This is not an K7 preset package."}};
    QCOMPARE(m_notices, expected);
    QVERIFY(QFileInfo(m_root + "/Voices").isDir());
    QCOMPARE(QDir(m_root + "/Voices").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(m_library->registry().packages(), QStringList());
}

void tst_Package::numbersRepeatedInstalls()
{
    const QString package = writePackage("Voices.pkg", PACKAGE_HEADER + entry("a.k7", "x"));
    tcPackageInstaller installer(*m_library);
    QStringList names{"Voices"};
    for (int number = 2; number <= 9; ++number)
        names.append(QString("Voices (%1)").arg(number));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(installer.install(package), 0);
    QCOMPARE(m_library->registry().packages(), names);
    for (const QString& name : names)
        QCOMPARE(fixture::readFile(m_root + "/" + name + "/a.k7"), QByteArray("x"));
    QCOMPARE(installer.install(package), -1);
    QVERIFY(!QFile::exists(m_root + "/Voices (10)"));
    QCOMPARE(m_library->registry().packages(), names);
}

void tst_Package::takenNamesAreSkipped()
{
    QVERIFY(QDir(m_root).mkdir("Voices"));          // a folder of that name
    m_library->registry().addPackage("Voices (2)"); // a registered name without a folder
    QVERIFY(fixture::writeFile(m_root + "/Voices (3)", "a file of that name"));
    QCOMPARE(tcPackageInstaller(*m_library).freeName("Voices"), std::optional<QString>("Voices (4)"));
    QCOMPARE(tcPackageInstaller(*m_library).install(writePackage("Voices.v2.pkg", PACKAGE_HEADER)), 0);
    QCOMPARE(m_library->registry().packages(), QStringList({"Voices (2)", "Voices (4)"}));
}

void tst_Package::namesThatCannotBeRegistered_data()
{
    QTest::addColumn<QString>("fileName");

    QTest::newRow("empty base name") << ".pkg";
    QTest::newRow("registry separator") << "a;b.pkg";
}

void tst_Package::namesThatCannotBeRegistered()
{
    QFETCH(QString, fileName);

    const QSet<QString> before = everything() + QSet<QString>{fileName};
    QCOMPARE(tcPackageInstaller(*m_library).install(writePackage(fileName, PACKAGE_HEADER + entry("a.k7", "x"))), -1);
    QCOMPARE(everything(), before);
    QCOMPARE(m_library->registry().packages(), QStringList());
}

void tst_Package::refusesBadEntries_data()
{
    QTest::addColumn<QByteArray>("badEntry");
    QTest::addColumn<bool>("last"); // the package ends with it (its size would run into a following entry)

    const QByteArray outside = QFile::encodeName(QDir::tempPath() + "/k7-package-test-outside.k7");
    QTest::newRow("parent folder") << entry("../evil.k7", "x") << false;
    QTest::newRow("climbing after a folder") << entry("Sub/../../evil.k7", "x") << false;
    QTest::newRow("climbing with backslashes") << entry("Sub\\..\\..\\evil.k7", "x") << false;
    QTest::newRow("absolute") << entry(outside, "x") << false;
    QTest::newRow("leading backslash") << entry("\\evil.k7", "x") << false;
    QTest::newRow("drive letter") << entry("C:evil.k7", "x") << false;
    QTest::newRow("drive letter and backslash") << entry("c:\\evil.k7", "x") << false;
    QTest::newRow("empty path") << entry("", "x") << false;
    QTest::newRow("empty part") << entry("Sub//x.k7", "x") << false;
    QTest::newRow("dot part") << entry("./x.k7", "x") << false;
    QTest::newRow("trailing slash") << entry("Sub/", "x") << false;
    QTest::newRow("zero byte") << entry(QByteArray("x.k7\0../evil.k7", 15), "x") << false;
    QTest::newRow("1,024-byte path") << entry(QByteArray(1024, 'p'), "x") << false;
    QTest::newRow("wrong entry magic") << QByteArray("\xCD\xAC\x04\x00\x01\x00\x00\x00" "x.k7" "\xFF", 13) << false;
    QTest::newRow("short entry header") << QByteArray("\xCD\xAB\x04", 3) << true;
    QTest::newRow("short path") << QByteArray("\xCD\xAB\x08\x00\x01\x00\x00\x00" "x.k7", 12) << true;
    QTest::newRow("short data") << QByteArray("\xCD\xAB\x04\x00\x05\x00\x00\x00" "x.k7" "\xFF\xFF", 14) << true;
    QTest::newRow("size far beyond the end") << QByteArray("\xCD\xAB\x04\x00\xFF\xFF\xFF\xFF" "x.k7" "\xFF", 13) << true;
}

void tst_Package::refusesBadEntries()
{
    QFETCH(QByteArray, badEntry);
    QFETCH(bool, last);

    const QString outside = QDir::tempPath() + "/k7-package-test-outside.k7";
    QFile::remove(outside);
    const QString package = writePackage("Voices.pkg", PACKAGE_HEADER + entry("good.k7", "kept") + badEntry
                                                       + (last ? QByteArray() : entry("after.k7", "y")));
    const QSet<QString> before = everything();

    QCOMPARE(tcPackageInstaller(*m_library).install(package), -1);
    QCOMPARE(everything(), before + QSet<QString>({"presets/favorites/Voices", "presets/favorites/Voices/good.k7"}));
    QCOMPARE(fixture::readFile(m_root + "/Voices/good.k7"), QByteArray("kept"));
    QVERIFY(!QFile::exists(outside));
    QVERIFY(!QFile::exists(QDir::tempPath() + "/evil.k7"));
    QCOMPARE(m_library->registry().packages(), QStringList());
    QVERIFY(m_notices.isEmpty());
}

void tst_Package::autoloadInstallsAndDeletes()
{
    const QString presets = m_dir->filePath("presets");
    const QString autoload = presets + "/autoload";
    tcPackageInstaller installer(*m_library);
    installer.installAutoload(presets);
    QVERIFY(QFileInfo(autoload).isDir());
    QVERIFY(m_notices.isEmpty());

    QVERIFY(fixture::writeFile(autoload + "/Good.pkg", PACKAGE_HEADER + entry("a.k7", "x")));
    QVERIFY(fixture::writeFile(autoload + "/Bad.pkg", QByteArray(16, '\0')));
    QVERIFY(fixture::writeFile(autoload + "/Broken.pkg", PACKAGE_HEADER + entry("../a.k7", "x")));
    QVERIFY(fixture::writeFile(autoload + "/other.txt", "left alone"));
    installer.installAutoload(presets);

    QCOMPARE(QDir(autoload).entryList(QDir::Files), QStringList{"other.txt"});
    QCOMPARE(fixture::readFile(m_root + "/Good/a.k7"), QByteArray("x"));
    QCOMPARE(m_library->registry().packages(), QStringList{"Good"});
    QCOMPARE(m_notices.count({"Error", "Unable to install preset package"}), 2);
    QCOMPARE(m_notices.count({"Install Preset", "This is not an K7 preset package."}), 1);
    QCOMPARE(m_notices.size(), 3);
}

QTEST_MAIN(tst_Package)
#include "tst_package.moc"
