#include "presets/library_builder.h"
#include "presets/library_items.h"
#include "presets/order_file.h"
#include "presets/preset_library.h"

#include "app/ini_file.h"

#include "preset_fixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

QStringList topLevelTexts(const QTreeWidget& tree)
{
    QStringList texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        texts.append(tree.topLevelItem(i)->text(0));
    return texts;
}

QStringList childTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

QTreeWidgetItem* child(QTreeWidgetItem* item, const QString& text)
{
    for (int i = 0; i < item->childCount(); ++i) {
        if (item->child(i)->text(0) == text)
            return item->child(i);
    }
    return nullptr;
}

} // namespace

// The folder-and-file builder: order of files, the order file it keeps, the items it creates.
class tst_LibraryBuilder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void listsInDirectoryOrderAndWritesOrderFile();
    void keepsMissingNamesOutOfTheList();
    void showsOnlyPresetFilesOfTheFolder();
    void fileItems_data();
    void fileItems();
    void foldersTree();
    void foldersAndFiles();
    void refillClearsTheTree();

private:
    void touch(const QString& relative);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<tcIniFile> m_store;
    QString m_root;
    std::unique_ptr<tcPresetLibrary> m_library;
};

void tst_LibraryBuilder::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_store = std::make_unique<tcIniFile>(m_dir->filePath("XR9QT.ini"));
    m_root = m_dir->filePath("presets/favorites");
    QVERIFY(QDir().mkpath(m_root));
    m_library = std::make_unique<tcPresetLibrary>(m_root, m_store.get());
}

void tst_LibraryBuilder::touch(const QString& relative)
{
    const QString path = m_root + "/" + relative;
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(fixture::writeFile(path, "K7 PRESET FILE:x: \r\n"));
}

void tst_LibraryBuilder::listsInDirectoryOrderAndWritesOrderFile()
{
    touch("b.k7");
    touch("a.k7");
    const QStringList listing = QDir(m_root).entryList({"*.k7"}, QDir::Files, QDir::Unsorted);
    QCOMPARE(listing.size(), 2);
    QStringList displayed;
    for (const QString& name : listing)
        displayed.append(name.section('.', 0, 0));

    QTreeWidget tree;
    tcLibraryBuilder builder(*m_library);
    builder.fill(m_root, &tree, nullptr, false, true);
    QCOMPARE(topLevelTexts(tree), displayed);
    const QString orderPath = m_root + "/k7_pset_idx.txt";
    QCOMPARE(fixture::readFile(orderPath), (listing[0] + "\r\n" + listing[1] + "\r\n").toUtf8());

    tcOrderFile(m_root).moveDown(listing[0]);
    QCOMPARE(fixture::readFile(orderPath), (listing[1] + "\r\n" + listing[0] + "\r\n").toUtf8());
    builder.fill(m_root, &tree, nullptr, false, true);
    QCOMPARE(topLevelTexts(tree), QStringList({displayed[1], displayed[0]}));
}

void tst_LibraryBuilder::keepsMissingNamesOutOfTheList()
{
    touch("a.k7");
    touch("b.k7");
    const QString orderPath = m_root + "/k7_pset_idx.txt";
    QVERIFY(fixture::writeFile(orderPath, "gone.k7\r\nb.k7\r\n"));
    QTreeWidget tree;
    tcLibraryBuilder(*m_library).fill(m_root, &tree, nullptr, false, true);
    QCOMPARE(topLevelTexts(tree), QStringList({"b", "a"}));
    QCOMPARE(fixture::readFile(orderPath), QByteArray("gone.k7\r\nb.k7\r\na.k7\r\n"));
}

void tst_LibraryBuilder::showsOnlyPresetFilesOfTheFolder()
{
    touch("Inner/b.k7");
    touch("outside.k7");
    touch("Inner/notes.txt");
    QVERIFY(QDir(m_root).mkpath("Inner/Folder.k7"));
    const QString inner = m_root + "/Inner";
    const QByteArray order = "../outside.k7\r\nnotes.txt\r\nFolder.k7\r\nb.k7\r\nb.k7\r\n/etc/passwd\r\n";
    QVERIFY(fixture::writeFile(inner + "/k7_pset_idx.txt", order));
    QTreeWidget tree;
    tcLibraryBuilder(*m_library).fill(inner, &tree, nullptr, false, true);
    QCOMPARE(topLevelTexts(tree), QStringList{"b"});
    QCOMPARE(itemPath(tree.topLevelItem(0)), inner + "/b.k7");
    QCOMPARE(fixture::readFile(inner + "/k7_pset_idx.txt"), order);
}

void tst_LibraryBuilder::fileItems_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("type");

    QTest::newRow("root") << "" << ITEM_FILE;
    QTest::newRow("folder") << "Mine" << ITEM_FILE;
    QTest::newRow("package root") << "Voices" << ITEM_PROTECTED_FILE;
    QTest::newRow("package subfolder") << "Voices/Sub" << ITEM_PROTECTED_FILE;
}

void tst_LibraryBuilder::fileItems()
{
    QFETCH(QString, folder);
    QFETCH(int, type);

    m_library->registry().addPackage("Voices");
    const QString dir = folder.isEmpty() ? m_root : m_root + "/" + folder;
    touch((folder.isEmpty() ? QString() : folder + "/") + "Voice.One.k7");
    QTreeWidget tree;
    tcLibraryBuilder(*m_library).fill(dir, &tree, nullptr, false, true);
    QCOMPARE(tree.topLevelItemCount(), 1);
    const QTreeWidgetItem* item = tree.topLevelItem(0);
    QCOMPARE(item->text(0), QString("Voice"));
    QCOMPARE(item->data(0, Qt::UserRole).toInt(), type);
    QCOMPARE(item->data(0, Qt::UserRole + 1).toString(), dir + "/Voice.One.k7");
    QCOMPARE(item->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    QVERIFY(!item->icon(0).isNull());
    QVERIFY(isPresetFileItem(item));
    QVERIFY(!isProtectedFolderItem(item));
}

void tst_LibraryBuilder::foldersTree()
{
    m_library->registry().addPackage("Voices");
    QVERIFY(QDir(m_root).mkpath("A/B"));
    QVERIFY(QDir(m_root).mkpath("Voices/Sub"));
    QVERIFY(QFile::link(m_root + "/A", m_root + "/Link"));
    touch("a.k7");
    QTreeWidget tree;
    tcLibraryBuilder(*m_library).fill(m_root, &tree, nullptr, true, false);

    QCOMPARE(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree.topLevelItem(0);
    QCOMPARE(top->text(0), QString("favorites"));
    QCOMPARE(itemType(top), ITEM_FOLDER);
    QCOMPARE(itemPath(top), m_root);
    QStringList names = childTexts(top);
    names.sort();
    QCOMPARE(names, QStringList({"A", "Voices"}));
    QTreeWidgetItem* a = child(top, "A");
    QTreeWidgetItem* voices = child(top, "Voices");
    QCOMPARE(itemType(a), ITEM_FOLDER);
    QCOMPARE(itemType(voices), ITEM_PROTECTED_FOLDER);
    QVERIFY(isProtectedFolderItem(voices));
    QVERIFY(!isPresetFileItem(voices));
    QCOMPARE(childTexts(a), QStringList{"B"});
    QCOMPARE(itemPath(a->child(0)), m_root + "/A/B");
    QCOMPARE(itemType(voices->child(0)), ITEM_PROTECTED_FOLDER);
    QCOMPARE(itemPath(voices->child(0)), m_root + "/Voices/Sub");
    QVERIFY(!QFile::exists(m_root + "/k7_pset_idx.txt"));
}

void tst_LibraryBuilder::foldersAndFiles()
{
    m_library->registry().addPackage("Voices");
    touch("a.k7");
    touch("Voices/v.k7");
    QTreeWidget tree;
    tcLibraryBuilder(*m_library).fill(m_root, &tree, nullptr, true, true);
    QTreeWidgetItem* top = tree.topLevelItem(0);
    QCOMPARE(childTexts(top), QStringList({"Voices", "a"}));
    QCOMPARE(itemType(top->child(1)), ITEM_FILE);
    QTreeWidgetItem* voices = top->child(0);
    QCOMPARE(childTexts(voices), QStringList{"v"});
    QCOMPARE(itemType(voices->child(0)), ITEM_PROTECTED_FILE);
}

void tst_LibraryBuilder::refillClearsTheTree()
{
    touch("Sub/a.k7");
    QTreeWidget tree;
    tcLibraryBuilder builder(*m_library);
    builder.fill(m_root, &tree, nullptr, true, false);
    builder.fill(m_root, &tree, nullptr, true, false);
    QCOMPARE(tree.topLevelItemCount(), 1);
    QCOMPARE(tree.topLevelItem(0)->childCount(), 1);
    builder.fill(m_root + "/Sub", &tree, nullptr, false, true);
    QCOMPARE(topLevelTexts(tree), QStringList{"a"});
    // With a parent the builder adds below it and leaves the rest of the tree.
    auto* extra = new QTreeWidgetItem(QStringList{"Sub"});
    tree.addTopLevelItem(extra);
    builder.fill(m_root + "/Sub", &tree, extra, true, true);
    QCOMPARE(tree.topLevelItemCount(), 2);
    QCOMPARE(childTexts(extra), QStringList{"a"});
}

QTEST_MAIN(tst_LibraryBuilder)
#include "tst_library_builder.moc"
