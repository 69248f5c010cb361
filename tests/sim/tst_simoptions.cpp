#include "sim/sim_options.h"

#include <QStringList>
#include <QTest>

namespace {

tcSimOptions parse(const QStringList& args, std::string& error)
{
    std::vector<std::string> list;
    for (const QString& arg : args)
        list.push_back(arg.toStdString());
    return tcSimOptions::parse(list, error);
}

} // namespace

class tst_SimOptions : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        std::string error;
        const tcSimOptions options = parse({}, error);
        QVERIFY(error.empty());
        QCOMPARE(options.listenAddress, std::string("127.0.0.1"));
        QVERIFY(!options.password);
        QVERIFY(!options.loginKey());
        QCOMPARE(options.meterRate, 20);
        QVERIFY(!options.flashFail);
        QVERIFY(!options.flashSilentAfter);
        QVERIFY(!options.bootMac);
        QVERIFY(!options.dropEveryMs);
        QVERIFY(!options.verbose);
        QVERIFY(!options.help);
    }

    void everyOptionIsTaken()
    {
        std::string error;
        const tcSimOptions options =
            parse({"--listen", "127.0.0.7", "--password", "secret", "--meter-rate", "0", "--flash-fail",
                   "--flash-silent-after", "3", "--boot", "00:1A:2b:3c:4d:5E", "--broadcast", "127.255.255.255",
                   "--drop-every", "250", "--verbose", "--help"},
                  error);
        QCOMPARE(QString::fromStdString(error), QString());
        QCOMPARE(options.listenAddress, std::string("127.0.0.7"));
        QCOMPARE(*options.password, std::string("secret"));
        QCOMPARE(*options.loginKey(), 0x5CA2E8E5u); // CRC-32 of "secret"
        QCOMPARE(options.meterRate, 0);
        QVERIFY(options.flashFail);
        QCOMPARE(*options.flashSilentAfter, 3);
        QCOMPARE(*options.bootMac, (std::array<uint8_t, 6>{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
        QCOMPARE(options.broadcastAddress, std::string("127.255.255.255"));
        QCOMPARE(*options.dropEveryMs, 250);
        QVERIFY(options.verbose);
        QVERIFY(options.help);
    }

    void anEmptyPasswordIsAPassword()
    {
        std::string error;
        QCOMPARE(*parse({"--password", ""}, error).loginKey(), 0u); // CRC-32 of no bytes
    }

    void badOptionsSayWhy_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown") << QStringList{"--fast"} << "unknown option: --fast";
        QTest::newRow("missing value") << QStringList{"--listen"} << "option --listen needs a value";
        QTest::newRow("bad address") << QStringList{"--listen", "localhost"} << "--listen: not an IPv4 address: localhost";
        QTest::newRow("rate too high") << QStringList{"--meter-rate", "101"}
                                       << "--meter-rate: wants a whole number from 0 to 100, got: 101";
        QTest::newRow("rate negative") << QStringList{"--meter-rate", "-1"}
                                       << "--meter-rate: wants a whole number from 0 to 100, got: -1";
        QTest::newRow("rate not a number") << QStringList{"--meter-rate", "20x"}
                                           << "--meter-rate: wants a whole number from 0 to 100, got: 20x";
        QTest::newRow("drop every 0") << QStringList{"--drop-every", "0"}
                                      << "--drop-every: wants a whole number from 1 to 3600000, got: 0";
        QTest::newRow("silent after 65536") << QStringList{"--flash-silent-after", "65536"}
                                            << "--flash-silent-after: wants a whole number from 0 to 65535, got: 65536";
        QTest::newRow("boot without broadcast") << QStringList{"--boot", "00:11:22:33:44:55"}
                                                << "--boot MAC and --broadcast ADDR go together";
        QTest::newRow("broadcast without boot") << QStringList{"--broadcast", "10.0.0.255"}
                                                << "--boot MAC and --broadcast ADDR go together";
        QTest::newRow("short MAC") << QStringList{"--boot", "00:11:22:33:44", "--broadcast", "10.0.0.255"}
                                   << "--boot: not a MAC address (six hex bytes like 00:1a:2b:3c:4d:5e): 00:11:22:33:44";
    }
    void badOptionsSayWhy()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        std::string message;
        parse(args, message);
        QCOMPARE(QString::fromStdString(message), error);
    }

    void macAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("colons") << "00:1a:2b:3c:4d:5e" << true;
        QTest::newRow("dashes, upper case") << "00-1A-2B-3C-4D-5E" << true;
        QTest::newRow("single digits") << "0:1:2:3:4:5" << true;
        QTest::newRow("seven bytes") << "00:11:22:33:44:55:66" << false;
        QTest::newRow("three digits") << "000:11:22:33:44:55" << false;
        QTest::newRow("not hex") << "00:11:22:33:44:5g" << false;
        QTest::newRow("empty byte") << "00::22:33:44:55" << false;
        QTest::newRow("trailing colon") << "00:11:22:33:44:55:" << false;
        QTest::newRow("empty") << "" << false;
    }
    void macAddresses()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(parseMacAddress(text.toStdString()).has_value(), valid);
    }

    void helpNamesEveryOption()
    {
        const QString help = QString::fromStdString(tcSimOptions::helpText());
        for (const char* option : {"--listen ADDR", "--password TEXT", "--meter-rate N", "--flash-fail",
                                   "--flash-silent-after N", "--boot MAC --broadcast ADDR", "--drop-every MS",
                                   "--verbose", "--help", "k7sim: listening on ADDR:55891"})
            QVERIFY2(help.contains(option), option);
    }
};

QTEST_MAIN(tst_SimOptions)
#include "tst_simoptions.moc"
