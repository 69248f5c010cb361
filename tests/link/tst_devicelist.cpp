#include "link/device_list.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_DeviceList : public QObject
{
    Q_OBJECT

private:
    static void writeFile(const QDir& dir, const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.absoluteFilePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void listsTheCfgFilesOfTheFolder()
    {
        QTemporaryDir tmp;
        const QDir maps(tmp.path());
        writeFile(maps, "b.cfg", "<INI>\n<Device IPAddr=\"10.0.0.2\"/>\n</INI>\n");
        writeFile(maps, "a.cfg", "");
        writeFile(maps, "x.CFG", "");
        writeFile(maps, "notes.txt", "");
        QVERIFY(maps.mkdir("dir.cfg"));

        const tcDeviceList list(maps);
        QCOMPARE(list.count(), 3);
        QStringList names;
        for (int i = 0; i < list.count(); ++i)
            names << list.name(i);
        names.sort();
        QCOMPARE(names, QStringList({"a", "b", "x.CFG"}));
        QCOMPARE(list.find("b")->ipAddress(), QStringLiteral("10.0.0.2"));
        QCOMPARE(list.find("a")->ipAddress(), QStringLiteral("0.0.0.0"));
        QVERIFY(list.find("B") == nullptr);
        QVERIFY(list.current() == nullptr);
        QVERIFY(list.record(-1) == nullptr);
        QVERIFY(list.record(3) == nullptr);
        QVERIFY2(!QFile::exists(maps.absoluteFilePath("x.CFG.cfg")), "listing writes nothing");
    }

    void readsTheRecordFile()
    {
        QTemporaryDir tmp;
        const QDir maps(tmp.path());
        writeFile(maps, "Desk.cfg",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<INI>\n"
                  "<Access\n    rcrc=\"-873187034\"\n    ucrc=\"5\"\n    uflg=\"6\"\n    ulck=\"1\"\n/>\n"
                  "<Device\n    IPAddr=\"192.168.100.200.1\"\n/>\n</INI>\n");
        const tcDeviceRecord record(maps, "Desk");
        QCOMPARE(record.rcrc(), 0xCBF43926u);
        QCOMPARE(record.ucrc(), 5u);
        QCOMPARE(record.uflg(), 6u);
        QVERIFY(record.ulck());
        QCOMPARE(record.ipAddress(), QStringLiteral("192.168.100.200")); // cut to 15
    }

    void writesAndReadsBack()
    {
        QTemporaryDir tmp;
        const QDir maps(tmp.path());
        {
            tcDeviceList list(maps);
            auto record = std::make_unique<tcDeviceRecord>(maps, QString(45, 'n'));
            record->setIpAddress("10.1.2.3");
            list.add(std::move(record));
            QCOMPARE(list.name(0), QString(40, 'n'));
            list.record(0)->setRcrc(0xCBF43926u);
            list.record(0)->setAccess(7, 8, true);
        }
        QVERIFY(QFile::exists(maps.absoluteFilePath(QString(40, 'n') + ".cfg")));
        const tcDeviceList reread(maps);
        QCOMPARE(reread.count(), 1);
        const tcDeviceRecord* r = reread.record(0);
        QCOMPARE(r->ipAddress(), QStringLiteral("10.1.2.3"));
        QCOMPARE(r->rcrc(), 0xCBF43926u);
        QCOMPARE(r->ucrc(), 7u);
        QCOMPARE(r->uflg(), 8u);
        QVERIFY(r->ulck());
    }

    void selectAndRemove()
    {
        QTemporaryDir tmp;
        const QDir maps(tmp.path());
        tcDeviceList list(maps);
        for (const char* name : {"one", "two", "three"}) {
            auto r = std::make_unique<tcDeviceRecord>(maps, name);
            list.add(std::move(r));
        }
        list.select("two");
        QCOMPARE(list.current()->name(), QStringLiteral("two"));
        list.select("zwei");
        QCOMPARE(list.currentIndex(), -1);
        QVERIFY(list.current() == nullptr);

        list.select("three");
        list.remove(list.find("one"));
        QCOMPARE(list.current()->name(), QStringLiteral("three"));
        QVERIFY(!QFile::exists(maps.absoluteFilePath("one.cfg")));
        list.remove(list.find("three"));
        QVERIFY(list.current() == nullptr);
        QVERIFY(!QFile::exists(maps.absoluteFilePath("three.cfg")));
        QCOMPARE(list.count(), 1);
        QVERIFY(QFile::exists(maps.absoluteFilePath("two.cfg")));
    }
};

QTEST_MAIN(tst_DeviceList)
#include "tst_devicelist.moc"
