#include "presets/preset_library.h"

#include "app/ini_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>

#include <memory>

// The package registry in the settings store, the protection of package folders and the
// folder an item of a folders view stands for.
class tst_PresetLibrary : public QObject {
    Q_OBJECT

private slots:
    void init();
    void registryKeepsNamesJoinedBySemicolons();
    void registryReadSkipsEmptyParts();
    void registryWithoutStoreHoldsNothing();
    void protection_data();
    void protection();
    void folderForItem();
    void folderForItemReportsMissingFolder();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<tcIniFile> m_store;
    QString m_root;
    QList<QPair<QString, QString>> m_notices;
    std::unique_ptr<tcPresetLibrary> m_library;
};

void tst_PresetLibrary::init()
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

void tst_PresetLibrary::registryKeepsNamesJoinedBySemicolons()
{
    tcPackageRegistry& registry = m_library->registry();
    registry.addPackage("Voices");
    registry.addPackage("Bass");
    registry.addPackage("Voices");
    QCOMPARE(m_store->getString("PRESETS", "packages", QString()), QString("Voices;Bass"));
    QVERIFY(registry.isPackage("Bass"));
    QVERIFY(!registry.isPackage("bass"));
    registry.removePackage("Voices");
    QCOMPARE(m_store->getString("PRESETS", "packages", QString()), QString("Bass"));
    QCOMPARE(registry.packages(), QStringList{"Bass"});
}

void tst_PresetLibrary::registryReadSkipsEmptyParts()
{
    m_store->setString("PRESETS", "packages", ";;Voices;;Bass;");
    QCOMPARE(m_library->registry().packages(), QStringList({"Voices", "Bass"}));
    QVERIFY(!m_library->registry().isPackage(""));
}

void tst_PresetLibrary::registryWithoutStoreHoldsNothing()
{
    tcPackageRegistry registry(nullptr);
    registry.addPackage("Voices");
    QVERIFY(!registry.isPackage("Voices"));
    QCOMPARE(registry.packages(), QStringList());
}

void tst_PresetLibrary::protection_data()
{
    QTest::addColumn<QString>("relative"); // to the library root
    QTest::addColumn<bool>("isProtected");
    QTest::addColumn<bool>("isPackageRoot");

    QTest::newRow("root") << "" << false << false;
    QTest::newRow("package root") << "Voices" << true << true;
    QTest::newRow("package root, trailing slash") << "Voices/" << true << true;
    QTest::newRow("package subfolder") << "Voices/Sub" << true << false;
    QTest::newRow("preset in package") << "Voices/Sub/a.k7" << true << false;
    QTest::newRow("folder named like the package below another") << "Mine/Voices" << false << false;
    QTest::newRow("other folder") << "Mine" << false << false;
    QTest::newRow("prefix of a package name") << "Voice" << false << false;
    QTest::newRow("longer name") << "VoicesX" << false << false;
    QTest::newRow("preset in root") << "a.k7" << false << false;
    QTest::newRow("outside the library") << "../Voices" << false << false;
    QTest::newRow("climbing back in") << "Mine/../Voices/x.k7" << true << false;
}

void tst_PresetLibrary::protection()
{
    QFETCH(QString, relative);
    QFETCH(bool, isProtected);
    QFETCH(bool, isPackageRoot);

    m_library->registry().addPackage("Voices");
    const QString path = m_root + "/" + relative;
    QCOMPARE(m_library->isProtected(path), isProtected);
    QCOMPARE(m_library->isPackageRoot(path), isPackageRoot);
}

void tst_PresetLibrary::folderForItem()
{
    QVERIFY(QDir(m_root).mkpath("A/favorites"));
    QTreeWidgetItem top(QStringList{"favorites"});
    auto* a = new QTreeWidgetItem(&top, QStringList{"A"});
    auto* inner = new QTreeWidgetItem(a, QStringList{"favorites"});
    QCOMPARE(m_library->folderForItem(&top), std::optional<QString>(m_root));
    QCOMPARE(m_library->folderForItem(a), std::optional<QString>(m_root + "/A"));
    QCOMPARE(m_library->folderForItem(inner), std::optional<QString>(m_root + "/A/favorites"));
    QVERIFY(m_notices.isEmpty());
}

void tst_PresetLibrary::folderForItemReportsMissingFolder()
{
    QVERIFY(QDir(m_root).mkpath("A"));
    QTreeWidgetItem top(QStringList{"favorites"});
    auto* a = new QTreeWidgetItem(&top, QStringList{"A"});
    auto* gone = new QTreeWidgetItem(a, QStringList{"Gone"});
    auto* climb = new QTreeWidgetItem(&top, QStringList{".."});
    QCOMPARE(m_library->folderForItem(gone), std::nullopt);
    QCOMPARE(m_library->folderForItem(climb), std::nullopt);
    const QList<QPair<QString, QString>> expected{{"New Folder", "Error in tree structure."},
                                                  {"New Folder", "Error in tree structure."}};
    QCOMPARE(m_notices, expected);
}

QTEST_MAIN(tst_PresetLibrary)
#include "tst_preset_library.moc"
