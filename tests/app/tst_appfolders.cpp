#include "app/app_folders.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class tst_AppFolders : public QObject
{
    Q_OBJECT

private slots:
    void createsTheFoldersBesideTheSettings()
    {
        QTemporaryDir dir;
        const tcAppFolders folders(dir.path());
        for (const char* name : {"maps", "presets", "presets/favorites", "skins"})
            QVERIFY2(QFileInfo(dir.filePath(name)).isDir(), name);
        QCOMPARE(folders.favorites().absolutePath(), QDir(dir.filePath("presets/favorites")).absolutePath());
        QCOMPARE(folders.skins().absolutePath(), QDir(dir.filePath("skins")).absolutePath());
        QCOMPARE(folders.app().absolutePath(), QDir(dir.path()).absolutePath());
    }

    void keepsExistingFoldersAndTheirFiles()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("presets/favorites"));
        QFile keep(dir.filePath("presets/favorites/a.k7"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.write("x");
        keep.close();
        const tcAppFolders folders(dir.path());
        QVERIFY(folders.favorites().exists("a.k7"));
        QVERIFY(QFileInfo(dir.filePath("maps")).isDir());
    }
};

QTEST_MAIN(tst_AppFolders)
#include "tst_appfolders.moc"
