// The real main window, offscreen, against k7sim: on-line mode and the connection states,
// the login key from the unit record, the meter start, values both ways through the skin,
// local mode, forceconnect, the preset colour and the meters.

#include "app/conn_state.h"
#include "app/xr9_bench.h"
#include "app/xr9_widget.h"
#include "gqgui/gui_apgraph.h"
#include "gqgui/gui_display.h"
#include "gqgui/gui_knob.h"
#include "gqgui/gui_meter.h"
#include "groups/group_main.h"
#include "link/messages.h"
#include "presets/package_writer.h"
#include "presets/preset_file.h"
#include "link/unit_reports.h"
#include "model/device_globals.h"
#include "model/model_globals.h"
#include "model/param_map.h"
#include "tests/sim_unit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Copies a folder's files (one level) into a new folder.
void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& info : QDir(from).entryInfoList(QDir::Files))
        QFile::copy(info.filePath(), QDir(to).filePath(info.fileName()));
}

// Presses a dialog's default button once it is open.
void closeNextMessageBox(QString* title)
{
    QTimer::singleShot(200, qApp, [title] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *title = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
}

// Types text into the display edit dialog once it is open and presses its "Ok".
void typeIntoNextEditDialog(const QString& text, bool* typed)
{
    QTimer::singleShot(200, qApp, [text, typed] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* field = dialog ? dialog->findChild<QLineEdit*>() : nullptr;
        if (!field)
            return;
        QTest::keyClicks(field, text);
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Ok"))
                button->click();
        *typed = true;
    });
}

// How often a line of the unit's account holds text.
int countOf(const QByteArray& output, const QByteArray& text)
{
    int count = 0;
    for (qsizetype at = output.indexOf(text); at >= 0; at = output.indexOf(text, at + 1))
        ++count;
    return count;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_work;
    QString m_previousFolder;
    QString m_autoloadPackage; // copied into presets/autoload of the next working folder

    // A working folder with settings, one unit record at address and the default skin as
    // a folder; the window starts in it.
    std::unique_ptr<XR9Widget> startWindow(const char* address, bool online, bool forceConnect = false)
    {
        m_work = std::make_unique<QTemporaryDir>();
        const QDir work(m_work->path());
        work.mkpath("maps");
        writeFile(work.filePath("XR9QT.ini"),
                  QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<INI>\n<DEVICE\n"
                             "    forceconnect=\"") + (forceConnect ? "1" : "0") + "\"\n    name=\"Desk\"\n/>\n"
                  "<OPTIONS\n    CONTROL=\"5\"\n    ONLINE=\"" + (online ? "1" : "0") + "\"\n/>\n"
                  "<SKIN\n    file=\"0\"\n    name=\"default\"\n/>\n</INI>\n");
        writeFile(work.filePath("maps/Desk.cfg"),
                  QByteArray("<INI>\n<Access\n    rcrc=\"4660\"\n/>\n<Device\n    IPAddr=\"") + address + "\"\n/>\n</INI>\n");
        copyFolder(QStringLiteral(K7_SKINS_DIR "/default"), work.filePath("skins/default"));
        if (!m_autoloadPackage.isEmpty()) {
            work.mkpath("presets/autoload");
            QFile::copy(m_autoloadPackage, work.filePath("presets/autoload/Voices.pkg"));
        }
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(work.path());
        auto window = std::make_unique<XR9Widget>();
        window->show();
        return window;
    }

    template <typename T> static T* object(XR9Widget& window, const char* name)
    {
        return window.xr9Bench() ? dynamic_cast<T*>(window.xr9Bench()->objects().find(QString::fromLatin1(name)))
                                 : nullptr;
    }

    // The trimmed text a display shows.
    static QByteArray display(XR9Widget& window, const char* name)
    {
        auto* shown = object<tcGuiDisplay>(window, name);
        return shown ? shown->shownText().trimmed().toLatin1() : QByteArray("(no display)");
    }

private slots:
    void cleanup()
    {
        if (!m_previousFolder.isEmpty())
            QDir::setCurrent(m_previousFolder);
        m_work.reset();
    }

    void startsOfflineWithoutAConnection()
    {
        tcSimUnit sim({"--listen", "127.0.0.21", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        auto window = startWindow("127.0.0.21", false);
        QVERIFY(window->xr9Bench());
        QTest::qWait(500);
        QCOMPARE(window->onlineText(), QStringLiteral("OffLine "));
        QCOMPARE(window->connState(), CONN_IDLE);
        QVERIFY(!sim.output().contains("connection from"));
        auto* status = object<tcGuiDisplay>(*window, "STAT_ONLINE");
        QVERIFY(status);
        QCOMPARE(status->shownText().trimmed(), QStringLiteral("OffLine"));
    }

    void installsAutoloadPackagesAtStartUp()
    {
        // A package of one preset, placed where the next start picks it up.
        QTemporaryDir source;
        QVERIFY(QDir(source.path()).mkdir("Voices"));
        PRESET_HEADER header = PRESET_HEADER::fresh();
        header.setName("Talk");
        tcParamMap set;
        QVERIFY(savePreset(header, set, source.filePath("Voices/talk.k7")));
        QTemporaryDir autoload;
        QCOMPARE(tcPackageWriter::build(autoload.filePath("Voices.pkg"), source.filePath("Voices")), 0);
        m_autoloadPackage = autoload.filePath("Voices.pkg");
        auto window = startWindow("127.0.0.27", false);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("presets/favorites/Voices/talk.k7"), 5000);
        QVERIFY(!QFile::exists("presets/autoload/Voices.pkg"));
        m_autoloadPackage.clear();
    }

    void goesOnlineWithTheRecordsKeyAndStartsTheMeters()
    {
        tcSimUnit sim({"--listen", "127.0.0.22", "--meter-rate", "20"});
        QVERIFY(sim.waitListening());
        auto window = startWindow("127.0.0.22", true);
        // Each status text right after the window's own slot ran (the listener is destroyed first).
        QStringList seen;
        QObject listener;
        const auto note = [&seen, &window] { seen << window->onlineText(); };
        for (auto signal : {&tcApWidget::sig_connecting, &tcApWidget::sig_connect, &tcApWidget::sig_connect_accepted})
            connect(window.get(), signal, &listener, note, Qt::QueuedConnection);
        QTRY_COMPARE_WITH_TIMEOUT(window->onlineText(), QStringLiteral("Online"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(seen, (QStringList{"Trying..", "Pending", "Online"}), 2000);
        QVERIFY(sim.waitFor("rx MSG_LOGIN key 0x00001234"));
        QVERIFY(sim.waitFor("stream 1"));
        // The unit's values arrive and move the controls: -6 dB is entry 128 of the level table.
        sim.command("set 9004 -6");
        auto* display = object<tcGuiDisplay>(*window, "OUT_GAIN_DSPY");
        auto* knob = object<tcGuiKnob>(*window, "OUT_GAIN_KNOB");
        QVERIFY(display && knob);
        QTRY_COMPARE_WITH_TIMEOUT(display->shownText().trimmed(), QStringLiteral("- 6.0 dB"), 5000);
        QCOMPARE(knob->value(), 128);
        // The meter stream moves the input meter away from rest and fills the graph.
        auto* meter = object<tcGuiMeter>(*window, "METER_IN");
        auto* graph = object<tcGuiApGraph>(*window, "GRAPH");
        QVERIFY(meter && graph);
        QTRY_VERIFY_WITH_TIMEOUT(meter->level(0) != 0, 5000);
        const auto graphIsBlank = [graph] {
            const auto& data = graph->spectrumData();
            return std::all_of(data.begin(), data.end(), [](uint8_t byte) { return byte == 0; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(!graphIsBlank(), 5000);

        // Off line: the client goes, the meters and the graph rest.
        window->set_online(false);
        QTRY_COMPARE_WITH_TIMEOUT(window->onlineText(), QStringLiteral("Offline"), 5000);
        QCOMPARE(window->onlineColour(), 0);
        struct tcRest {
            const char* name;
            int level;
            int peak;
        };
        for (const tcRest& rest : {tcRest{"METER_IN", 0, 0}, tcRest{"METER_OUT", 0, 0}, tcRest{"METER_EXP", 255, 255},
                                   tcRest{"METER_DES", 255, 255}, tcRest{"METER_CMP", 255, 255}}) {
            auto* resting = object<tcGuiMeter>(*window, rest.name);
            QVERIFY2(resting, rest.name);
            QCOMPARE(resting->level(0), rest.level);
            QCOMPARE(resting->peak(0), rest.peak);
            QVERIFY(!resting->overload(0));
        }
        QVERIFY(graphIsBlank());

        // A reconnect logs in again with the next stream number.
        window->set_online(true);
        QTRY_COMPARE_WITH_TIMEOUT(window->onlineText(), QStringLiteral("Online"), 10000);
        QVERIFY(sim.waitFor("stream 2"));
    }

    void aKnobTurnIsSentOnceAndNothingIsEchoed()
    {
        tcSimUnit sim({"--listen", "127.0.0.23", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        auto window = startWindow("127.0.0.23", true);
        QTRY_COMPARE_WITH_TIMEOUT(window->onlineText(), QStringLiteral("Online"), 10000);
        QVERIFY(sim.waitFor("tx MSG_GLOBALS"));
        QTest::qWait(300);
        const int sentBefore = countOf(sim.output(), "rx MSG_PARAMS");
        auto* knob = object<tcGuiKnob>(*window, "INPUT_MIC_GAIN_KNOB");
        QVERIFY(knob);
        const QPoint centre = knob->bounds().center();
        const int before = knob->value();
        // One drag of 20 pixels upwards, the move more than 100 ms after the press.
        QTest::mousePress(window.get(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::qWait(150);
        QTest::mouseMove(window.get(), centre - QPoint(0, 20));
        QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::NoModifier, centre - QPoint(0, 20));
        QTRY_VERIFY_WITH_TIMEOUT(knob->value() > before, 2000);
        QCOMPARE(float(knob->value()), float(liveMap()->getPosition(2100)));
        // One block of the one parameter, with the knob's value, applied by the unit.
        const QByteArray sent = "rx MSG_PARAMS target 255, 1 entries: 2100="
                                + QByteArray::number(double(liveMap()->getFloat(2100)), 'g', 6);
        QVERIFY(sim.waitFor(sent));
        QTest::qWait(500);
        QCOMPARE(countOf(sim.output(), "rx MSG_PARAMS"), sentBefore + 1);
        sim.command("show");
        QVERIFY(sim.waitFor("2100 In Gain = " + display(*window, "INPUT_MIC_GAIN_DSPY")));

        // A change made on the unit is drawn and not sent back.
        sim.command("set 2100 10");
        QTRY_COMPARE_WITH_TIMEOUT(display(*window, "INPUT_MIC_GAIN_DSPY"), QByteArray("+10.0 dB"), 5000);
        QTest::qWait(500);
        QCOMPARE(countOf(sim.output(), "rx MSG_PARAMS"), sentBefore + 1);
    }

    void aTypedValueLandsOnTheNearestTableEntry()
    {
        tcSimUnit sim({"--listen", "127.0.0.33", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        auto window = startWindow("127.0.0.33", true);
        QTRY_COMPARE_WITH_TIMEOUT(window->onlineText(), QStringLiteral("Online"), 10000);
        QVERIFY(sim.waitFor("tx MSG_GLOBALS"));
        auto* shown = object<tcGuiDisplay>(*window, "OUT_GAIN_DSPY");
        QVERIFY(shown);
        // -7.3 dB lies between the entries -7.5 and -7.0 of the level table, nearer -7.5.
        bool typed = false;
        typeIntoNextEditDialog(QStringLiteral("-7.3"), &typed);
        QTest::mouseDClick(window.get(), Qt::LeftButton, Qt::NoModifier, shown->bounds().center());
        QTRY_VERIFY_WITH_TIMEOUT(typed, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(liveMap()->getFloat(9004), -7.5f, 3000);
        QCOMPARE(display(*window, "OUT_GAIN_DSPY"), QByteArray("- 7.5 dB"));
        QCOMPARE(object<tcGuiKnob>(*window, "OUT_GAIN_KNOB")->value(), 125);
        QVERIFY(sim.waitFor("1 entries: 9004=-7.5"));
    }

    void localModeRefusesProcessingControls()
    {
        tcSimUnit sim({"--listen", "127.0.0.24", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        auto window = startWindow("127.0.0.24", true);
        QTRY_COMPARE_WITH_TIMEOUT(window->onlineText(), QStringLiteral("Online"), 10000);
        sim.command("local on");
        QTRY_VERIFY_WITH_TIMEOUT(deviceGlobals() && deviceGlobals()->getBool(1011), 5000);
        auto* knob = object<tcGuiKnob>(*window, "OUT_GAIN_KNOB");
        QVERIFY(knob);
        const int before = knob->value();
        QString shown;
        closeNextMessageBox(&shown);
        QTest::mousePress(window.get(), Qt::LeftButton, Qt::NoModifier, knob->bounds().center());
        QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::NoModifier, knob->bounds().center());
        QCOMPARE(shown, QStringLiteral("Warning|The K7 is in local mode."));
        QCOMPARE(knob->value(), before);
        // The library button stays usable: no warning, and its command goes out.
        auto* presets = object<tcGuiObject>(*window, "PRESETS");
        QVERIFY(presets);
        QSignalSpy library(window->xr9Bench()->mainGroup(), &tcControlGroup::sig_pset_dlg);
        shown.clear();
        closeNextMessageBox(&shown);
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, presets->bounds().center());
        QTest::qWait(300);
        QCOMPARE(shown, QString());
        QCOMPARE(library.count(), 1);
    }

    void forceConnectSkipsTheLogin()
    {
        tcSimUnit sim({"--listen", "127.0.0.25", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        auto window = startWindow("127.0.0.25", true, true);
        QTRY_COMPARE_WITH_TIMEOUT(window->onlineText(), QStringLiteral("Online"), 10000);
        QVERIFY(sim.waitFor("rx MSG_METER_START"));
        QVERIFY(!sim.output().contains("rx MSG_LOGIN"));
    }

    void unitSwitchedOffAlternatesTryingAndOffline()
    {
        // Nothing listens on 127.0.0.30: every attempt fails, one every 5 seconds.
        auto window = startWindow("127.0.0.30", true);
        // Each text with its colour index, taken right after the window's own slot ran
        // ("Offline" in colour 1 while on line is wanted).
        QStringList seen;
        const auto note = [&seen, &window] {
            seen << window->onlineText() + QLatin1Char('/') + QString::number(window->onlineColour());
        };
        // Destroyed before the window: the window's last reports reach nobody.
        QObject listener;
        connect(window.get(), &tcApWidget::sig_connecting, &listener, note, Qt::QueuedConnection);
        connect(window.get(), &tcApWidget::sig_disconnect, &listener, note, Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(seen.size() >= 4, 12000);
        QCOMPARE(seen.mid(0, 4), (QStringList{"Trying../2", "Offline/1", "Trying../2", "Offline/1"}));
    }

    void rejectedLoginStaysPending()
    {
        tcSimUnit sim({"--listen", "127.0.0.28", "--meter-rate", "0", "--password", "secret"});
        QVERIFY(sim.waitListening());
        auto window = startWindow("127.0.0.28", true);
        QVERIFY(sim.waitFor("login rejected", 10000));
        QTest::qWait(300);
        QCOMPARE(window->onlineText(), QStringLiteral("Pending"));
        QCOMPARE(window->connState(), CONN_PENDING);
    }

    void quickSaveButtonsSwitchTheLiveValues()
    {
        tcSimUnit sim({"--listen", "127.0.0.29", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        auto window = startWindow("127.0.0.29", true);
        QTRY_COMPARE_WITH_TIMEOUT(window->onlineText(), QStringLiteral("Online"), 10000);
        QVERIFY(sim.waitFor("tx MSG_GLOBALS"));
        auto* slotA = object<tcGuiObject>(*window, "QSAVEA");
        auto* slotB = object<tcGuiObject>(*window, "QSAVEB");
        QVERIFY(slotA && slotB);
        const auto click = [&window](tcGuiObject* button) {
            QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, button->bounds().center());
        };
        liveMap()->setFloat(9004, -6.0f, TO_UNIT);
        click(slotB);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("presets/qsave_a.k7"), 3000);
        QCOMPARE(liveMap()->getFloat(9004), 0.0f);
        liveMap()->setFloat(9004, -3.0f, TO_UNIT);
        click(slotA);
        QTRY_COMPARE_WITH_TIMEOUT(liveMap()->getFloat(9004), -6.0f, 3000);
        QVERIFY(QFile::exists("presets/qsave_b.k7"));
        // The switch is sent to the unit like any change.
        QVERIFY(sim.waitFor("9004=-6"));
    }

    void presetNameColourFollowsTheChecksum()
    {
        tcSimUnit sim({"--listen", "127.0.0.26", "--meter-rate", "0"});
        QVERIFY(sim.waitListening());
        auto window = startWindow("127.0.0.26", true);
        QTRY_COMPARE_WITH_TIMEOUT(window->onlineText(), QStringLiteral("Online"), 10000);
        QVERIFY(sim.waitFor("tx MSG_PARAMS"));
        QTest::qWait(300);
        PRESET_HEADER header = PRESET_HEADER::fresh();
        header.setName("Morning");
        header.checksum[0] = liveMap()->settingsCrc().crc;
        sendPresetHeader(header);
        QTRY_COMPARE_WITH_TIMEOUT(window->presetText(), QStringLiteral("Morning"), 6000);
        QTRY_COMPARE_WITH_TIMEOUT(window->presetColour(), 0, 3000);
        liveMap()->setFloat(9004, -12.0f, TO_UNIT);
        QTRY_COMPARE_WITH_TIMEOUT(window->presetColour(), 1, 3000);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
