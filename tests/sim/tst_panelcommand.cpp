#include "sim/panel_command.h"

#include <QTest>

using tcKind = tcPanelCommand::tcKind;
Q_DECLARE_METATYPE(tcKind)

class tst_PanelCommand : public QObject
{
    Q_OBJECT

private slots:
    void linesAreRead_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<tcKind>("kind");
        QTest::addColumn<int>("id");
        QTest::addColumn<float>("value");
        QTest::addColumn<uint>("raw");
        QTest::addColumn<bool>("on");
        QTest::newRow("blank") << "   " << tcKind::EMPTY << 0 << 0.0f << 0u << false;
        QTest::newRow("set a float") << "set 2100 30" << tcKind::SET << 2100 << 30.0f << 0u << false;
        QTest::newRow("set a negative float") << "set 8101 -22.5" << tcKind::SET << 8101 << -22.5f << 0u << false;
        QTest::newRow("set a switch on") << "set 8100 on" << tcKind::SET << 8100 << 0.0f << 0u << true;
        QTest::newRow("set a switch in") << "SET 3100 In" << tcKind::SET << 3100 << 0.0f << 0u << true;
        QTest::newRow("set a switch 0") << "set 6100 0" << tcKind::SET << 6100 << 0.0f << 0u << false;
        QTest::newRow("global bool 1") << "global 1014 1" << tcKind::GLOBAL << 1014 << 0.0f << 0u << true;
        QTest::newRow("global int") << "global 1013 2" << tcKind::GLOBAL << 1013 << 0.0f << 2u << false;
        QTest::newRow("global hex") << "global 1002 0xFFFFFFFF" << tcKind::GLOBAL << 1002 << 0.0f << 0xFFFFFFFFu << false;
        QTest::newRow("global -1") << "global 1008 -1" << tcKind::GLOBAL << 1008 << 0.0f << 0xFFFFFFFFu << false;
        QTest::newRow("local on") << "local on" << tcKind::LOCAL << 0 << 0.0f << 0u << true;
        QTest::newRow("local off, blanks") << "  local   OFF " << tcKind::LOCAL << 0 << 0.0f << 0u << false;
        QTest::newRow("phantom on") << "phantom on" << tcKind::PHANTOM << 0 << 0.0f << 0u << true;
        QTest::newRow("mute on") << "mute on" << tcKind::MUTE << 0 << 0.0f << 0u << true;
        QTest::newRow("mute off") << "mute off" << tcKind::MUTE << 0 << 0.0f << 0u << false;
        QTest::newRow("drop") << "drop" << tcKind::DROP << 0 << 0.0f << 0u << false;
        QTest::newRow("reset") << "reset" << tcKind::RESET << 0 << 0.0f << 0u << false;
        QTest::newRow("show") << "show" << tcKind::SHOW << 0 << 0.0f << 0u << false;
        QTest::newRow("boot") << "boot" << tcKind::BOOT << 0 << 0.0f << 0u << false;
        QTest::newRow("help") << "help" << tcKind::HELP << 0 << 0.0f << 0u << false;
        QTest::newRow("quit") << "Quit" << tcKind::QUIT << 0 << 0.0f << 0u << false;
    }
    void linesAreRead()
    {
        QFETCH(QString, line);
        QFETCH(tcKind, kind);
        QFETCH(int, id);
        QFETCH(float, value);
        QFETCH(uint, raw);
        QFETCH(bool, on);
        const tcPanelCommand command = tcPanelCommand::parse(line.toStdString());
        QCOMPARE(command.kind, kind);
        QCOMPARE(int(command.id), id);
        QCOMPARE(command.value, value);
        QCOMPARE(uint(command.raw), raw);
        QCOMPARE(command.on, on);
        QVERIFY(command.error.empty());
    }

    void badLinesSayWhy_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown word") << "twist 2100" << "unknown command: twist (type help)";
        QTest::newRow("set without value") << "set 2100" << "usage: set ID VALUE";
        QTest::newRow("set of a global") << "set 1014 1" << "not a processing parameter: 1014";
        QTest::newRow("set of a number too big") << "set 99999 1" << "not a processing parameter: 99999";
        QTest::newRow("set, not a number") << "set 2100 loud" << "not a number: loud";
        QTest::newRow("set, number and rest") << "set 2100 3x" << "not a number: 3x";
        QTest::newRow("set, not finite") << "set 2100 inf" << "not a number: inf";
        QTest::newRow("set a switch to 2") << "set 8100 2" << "a switch takes on or off: 2";
        QTest::newRow("global of a parameter") << "global 2100 1" << "not a global: 2100";
        QTest::newRow("global unused id") << "global 1004 1" << "not a global: 1004";
        QTest::newRow("global too big") << "global 1013 0x100000000" << "not a 32-bit number: 0x100000000";
        QTest::newRow("global, not a number") << "global 1013 two" << "not a 32-bit number: two";
        QTest::newRow("global bool word") << "global 1011 maybe" << "a switch takes on or off: maybe";
        QTest::newRow("local without value") << "local" << "usage: local on|off";
        QTest::newRow("phantom bad value") << "phantom loud" << "usage: phantom on|off";
        QTest::newRow("drop with value") << "drop now" << "drop takes no value";
    }
    void badLinesSayWhy()
    {
        QFETCH(QString, line);
        QFETCH(QString, error);
        const tcPanelCommand command = tcPanelCommand::parse(line.toStdString());
        QCOMPARE(command.kind, tcKind::INVALID);
        QCOMPARE(QString::fromStdString(command.error), error);
    }

    void helpNamesEveryCommand()
    {
        const QString help = QString::fromStdString(tcPanelCommand::helpText());
        for (const char* word : {"set ID VALUE", "global ID VALUE", "local on|off", "phantom on|off",
                                 "mute on|off", "drop", "reset", "show", "boot", "help", "quit"})
            QVERIFY2(help.contains(word), word);
    }
};

QTEST_MAIN(tst_PanelCommand)
#include "tst_panelcommand.moc"
