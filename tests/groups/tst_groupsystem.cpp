#include "tests/groups/group_fixture.h"

#include <QSignalSpy>
#include <QTest>

class tst_GroupSystem : public QObject
{
    Q_OBJECT

private slots:
    void aesMuteItems()
    {
        tcPanel panel;
        const auto* combo = panel.as<tcGuiCombo>("SYS_AES_MUTE");
        QCOMPARE(combo->items(), QStringList({"No Mute", "Right Mute", "Left Mute"}));
        QCOMPARE(combo->index(), 0);
    }

    void selectionSetsTheGlobal_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("changes");
        QTest::newRow("right mute") << 1 << QList<int>{1013};
        QTest::newRow("left mute") << 2 << QList<int>{1013};
        QTest::newRow("no mute, already selected") << 0 << QList<int>{};
    }

    void selectionSetsTheGlobal()
    {
        QFETCH(int, index);
        QFETCH(QList<int>, changes);
        tcPanel panel;
        panel.show(0);
        // As the drop-down reports a choice.
        panel.as<tcGuiCombo>("SYS_AES_MUTE")->setIndex(index, true);
        QCOMPARE(panel.model.globals.getInt(1013), quint32(index));
        QList<tcChange> expected;
        for (const int id : changes)
            expected.append({quint16(id), TO_UNIT});
        QCOMPARE(panel.model.globalChanges, expected);
    }

    void refreshFollowsTheGlobal_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("index");
        QTest::newRow("no mute") << 0 << 0;
        QTest::newRow("right mute") << 1 << 1;
        QTest::newRow("left mute") << 2 << 2;
    }

    void refreshFollowsTheGlobal()
    {
        QFETCH(int, value);
        QFETCH(int, index);
        tcPanel panel;
        panel.as<tcGuiCombo>("SYS_AES_MUTE")->setIndex(2, false);
        panel.model.globals.setInt(1013, quint32(value), TO_GUI);
        panel.model.forget();
        panel.system->refreshAesMute();
        QCOMPARE(panel.as<tcGuiCombo>("SYS_AES_MUTE")->index(), index);
        QCOMPARE(panel.model.globalChanges, QList<tcChange>());
    }

    void buttonsRaiseTheirSignals_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("password");
        QTest::addColumn<int>("skin");
        QTest::newRow("passwords") << "PASSWORDS" << 1 << 0;
        QTest::newRow("skin") << "SKIN" << 0 << 1;
    }

    void buttonsRaiseTheirSignals()
    {
        QFETCH(QString, button);
        QFETCH(int, password);
        QFETCH(int, skin);
        tcPanel panel;
        panel.show(0);
        QSignalSpy passwordSpy(panel.system.get(), &tcControlGroup::sig_password);
        QSignalSpy skinSpy(panel.system.get(), &tcControlGroup::sig_choose_skin);
        QSignalSpy aboutSpy(panel.system.get(), &tcControlGroup::sig_about);
        const QByteArray name = button.toLatin1();
        panel.host.click(name.constData());
        QCOMPARE(passwordSpy.count(), password);
        QCOMPARE(skinSpy.count(), skin);
        QCOMPARE(aboutSpy.count(), 0);
    }

    void localModeRefusesTheSelector()
    {
        tcPanel panel;
        panel.show(0);
        panel.model.globals.setBool(1011, true, TO_GUI);
        panel.model.forget();
        QSignalSpy passwordSpy(panel.system.get(), &tcControlGroup::sig_password);
        const QPoint at = panel.host.grip("SYS_AES_MUTE");
        QCOMPARE(panel.host.leftPress(at.x(), at.y()), tcBench::PRESS_REFUSED);
        panel.host.click("PASSWORDS");
        QCOMPARE(passwordSpy.count(), 1);
    }

    void aSkinWithoutTheSelectorStillWorks()
    {
        tcPanel panel({QStringLiteral("SYS_AES_MUTE")});
        QCOMPARE(panel.system->combo(9004), nullptr);
        panel.model.globals.setInt(1013, 2, TO_GUI);
        panel.system->refreshAll();
        panel.show(0);
        QSignalSpy skinSpy(panel.system.get(), &tcControlGroup::sig_choose_skin);
        panel.host.click("SKIN");
        QCOMPARE(skinSpy.count(), 1);
    }
};

QTEST_MAIN(tst_GroupSystem)
#include "tst_groupsystem.moc"
