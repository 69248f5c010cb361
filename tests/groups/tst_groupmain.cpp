#include "gqgui/meter_tables.h"
#include "gqgui/graph_spectrum_tables.h"
#include "tests/groups/group_fixture.h"

#include <QSignalSpy>
#include <QTest>

#include <array>
#include <vector>

namespace {

const char* latin1(const QString& text)
{
    static QByteArray kept;
    kept = text.toLatin1();
    return kept.constData();
}

// The group's signals in declaration order.
const char* const SIGNALS[] = {
    SIGNAL(sig_exit_app()), SIGNAL(sig_minimize()),   SIGNAL(sig_about()),     SIGNAL(sig_pset_take()),
    SIGNAL(sig_pset_dlg()), SIGNAL(sig_device_dlg()), SIGNAL(sig_online()),    SIGNAL(sig_diff_current()),
    SIGNAL(sig_password()), SIGNAL(sig_fppassword()), SIGNAL(sig_gui_lock()),  SIGNAL(sig_choose_skin()),
};

// Spies on every signal of a group and tells which ones fired, by name.
struct SignalRecorder
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;

    explicit SignalRecorder(const tcControlGroup* group)
    {
        for (const char* signal : SIGNALS)
            spies.push_back(std::make_unique<QSignalSpy>(group, signal));
    }

    QStringList fired() const
    {
        QStringList names;
        for (size_t i = 0; i < spies.size(); ++i) {
            for (int n = 0; n < spies[i]->count(); ++n)
                names.append(QString::fromLatin1(SIGNALS[i] + 1).section(QLatin1Char('('), 0, 0));
        }
        return names;
    }
};

// A meter datagram: levels at bytes 20-27 and graph bytes (i + 99) mod 256 from byte 28.
std::array<uint8_t, 528> meterDatagram()
{
    std::array<uint8_t, 528> bytes{};
    const uint8_t levels[] = {201, 202, 1, 203, 204, 205, 206, 207};
    std::copy(std::begin(levels), std::end(levels), bytes.begin() + 20);
    for (int i = 0; i < 500; ++i)
        bytes[size_t(28 + i)] = uint8_t((i + 99) % 256);
    return bytes;
}

QList<int> meterState(const tcGuiMeter* meter)
{
    return {meter->level(0), meter->level(1), meter->peak(0), meter->peak(1), int(meter->overload(0)),
            int(meter->overload(1))};
}

const char* const METERS[] = {"METER_IN", "METER_EXP", "METER_DES", "METER_CMP", "METER_OUT"};

} // namespace

class tst_GroupMain : public QObject
{
    Q_OBJECT

private slots:
    void startTextsAndDisplayFlags()
    {
        tcPanel panel;
        QCOMPARE(panel.find("STAT_ONLINE")->caption(), QStringLiteral("Offline "));
        QCOMPARE(panel.find("STAT_DEVICE")->caption(), QStringLiteral("unknown "));
        QCOMPARE(panel.find("STAT_PRESET")->caption(), QString());
        QVERIFY(!panel.find("STAT_ONLINE")->autoRepeat());
        QVERIFY(panel.find("STAT_DEVICE")->autoRepeat());
        QVERIFY(panel.find("STAT_PRESET")->autoRepeat());
        QVERIFY(panel.as<tcGuiDisplay>("STAT_ONLINE")->entry().doubleClickable());
        QVERIFY(panel.as<tcGuiDisplay>("STAT_DEVICE")->entry().doubleClickable());
        QVERIFY(!panel.as<tcGuiDisplay>("STAT_PRESET")->entry().doubleClickable());
    }

    void graphViewFromTheOptions_data()
    {
        QTest::addColumn<int>("stored");   // -1: none stored
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<bool>>("boxes");   // audio, gain reduction, controls
        QTest::newRow("fresh settings: audio only") << -1 << 2 << QList<bool>{true, false, false};
        QTest::newRow("stored 0: audio and controls") << 0 << 3 << QList<bool>{true, false, true};
        QTest::newRow("gain reduction only") << 4 << 4 << QList<bool>{false, true, false};
        QTest::newRow("reduction and controls") << 5 << 5 << QList<bool>{false, true, true};
        QTest::newRow("all three") << 7 << 7 << QList<bool>{true, true, true};
    }

    void graphViewFromTheOptions()
    {
        QFETCH(int, stored);
        QFETCH(int, mode);
        QFETCH(QList<bool>, boxes);
        QHash<QString, int> options;
        if (stored >= 0)
            options.insert(QStringLiteral("GRAPHVIEW"), stored);
        tcPanel panel({}, options);
        QCOMPARE(panel.main->graph()->mode(), mode);
        QCOMPARE(panel.host.options.value(QStringLiteral("GRAPHVIEW")), mode);
        QCOMPARE(panel.as<tcGuiCheckBox>("GRAPH_VIEW_AUDIO")->isChecked(), boxes[0]);
        QCOMPARE(panel.as<tcGuiCheckBox>("GRAPH_VIEW_GR")->isChecked(), boxes[1]);
        QCOMPARE(panel.as<tcGuiCheckBox>("GRAPH_VIEW_CNTRLS")->isChecked(), boxes[2]);
    }

    void viewSwitchesSetTheirBits_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("mode");
        QTest::newRow("gain reduction on") << "GRAPH_VIEW_GR" << 6;
        QTest::newRow("audio off") << "GRAPH_VIEW_AUDIO" << 0;
        QTest::newRow("controls on") << "GRAPH_VIEW_CNTRLS" << 3;
    }

    void viewSwitchesSetTheirBits()
    {
        QFETCH(QString, box);
        QFETCH(int, mode);
        tcPanel panel;
        panel.host.click(latin1(box));
        QCOMPARE(panel.main->graph()->mode(), mode);
        QCOMPARE(panel.host.options.value(QStringLiteral("GRAPHVIEW")), mode);
    }

    void viewSwitchesWithoutAGraphLeaveTheOption()
    {
        tcPanel panel({QStringLiteral("GRAPH")}, {{QStringLiteral("GRAPHVIEW"), 5}});
        panel.host.click("GRAPH_VIEW_AUDIO");
        QVERIFY(panel.as<tcGuiCheckBox>("GRAPH_VIEW_AUDIO")->isChecked());
        QCOMPARE(panel.host.options.value(QStringLiteral("GRAPHVIEW")), 5);
    }

    void inputMeterRange_data()
    {
        QTest::addColumn<int>("stored");   // -1: none stored
        QTest::addColumn<bool>("click");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("option");
        QTest::newRow("fresh settings: 30 dB") << -1 << false << int(METER_VU30) << 0;
        QTest::newRow("stored 1: 60 dB") << 1 << false << int(METER_VU60) << 1;
        QTest::newRow("switched to 60 dB") << 0 << true << int(METER_VU60) << 1;
        QTest::newRow("switched back to 30 dB") << 1 << true << int(METER_VU30) << 0;
    }

    void inputMeterRange()
    {
        QFETCH(int, stored);
        QFETCH(bool, click);
        QFETCH(int, style);
        QFETCH(int, option);
        QHash<QString, int> options;
        if (stored >= 0)
            options.insert(QStringLiteral("IN_METER_RANGE"), stored);
        tcPanel panel({}, options);
        if (click)
            panel.host.click("METER_IN_RANGE");
        const auto* meter = panel.as<tcGuiMeter>("METER_IN");
        QCOMPARE(meter->style(), style);
        QVERIFY(meter->clip());
        QCOMPARE(meter->channels(), 1);
        QCOMPARE(panel.as<tcGuiCheckBox>("METER_IN_RANGE")->isChecked(), option == 1);
        QCOMPARE(panel.host.options.value(QStringLiteral("IN_METER_RANGE"), -1), option);
    }

    void meterStyles_data()
    {
        QTest::addColumn<QString>("meter");
        QTest::addColumn<int>("style");
        QTest::newRow("expander") << "METER_EXP" << int(METER_GR30);
        QTest::newRow("de-esser") << "METER_DES" << int(METER_GR30);
        QTest::newRow("compressor") << "METER_CMP" << int(METER_GR30);
        QTest::newRow("output") << "METER_OUT" << int(METER_VU30);
    }

    void meterStyles()
    {
        QFETCH(QString, meter);
        QFETCH(int, style);
        tcPanel panel;
        const auto* object = panel.as<tcGuiMeter>(latin1(meter));
        QCOMPARE(object->style(), style);
        QVERIFY(!object->clip());
        QCOMPARE(object->channels(), 1);
    }

    void gesturesRaiseTheirSignals_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("fired");
        QTest::newRow("about") << "click" << "SYS_ABOUT" << QStringList{"sig_about"};
        QTest::newRow("minimise") << "click" << "SYS_MINIMIZE" << QStringList{"sig_minimize"};
        QTest::newRow("exit") << "click" << "SYS_EXIT" << QStringList{"sig_exit_app"};
        QTest::newRow("take") << "click" << "TAKE" << QStringList{"sig_pset_take"};
        QTest::newRow("presets") << "click" << "PRESETS" << QStringList{"sig_pset_dlg"};
        QTest::newRow("devices") << "click" << "DEVICES" << QStringList{"sig_device_dlg"};
        QTest::newRow("unit display") << "dclick" << "STAT_DEVICE" << QStringList{"sig_device_dlg"};
        QTest::newRow("on-line switch") << "click" << "ONLINE" << QStringList{"sig_online"};
        QTest::newRow("connection display") << "dclick" << "STAT_ONLINE" << QStringList{};
        QTest::newRow("flow button") << "click" << "FLOW_COMP" << QStringList{};
        QTest::newRow("quick save") << "click" << "QSAVEAB" << QStringList{};
    }

    void gesturesRaiseTheirSignals()
    {
        QFETCH(QString, gesture);
        QFETCH(QString, name);
        QFETCH(QStringList, fired);
        tcPanel panel;
        SignalRecorder recorder(panel.main.get());
        if (gesture == QLatin1String("click")) {
            panel.host.click(latin1(name));
        } else {
            const QPoint at = panel.host.grip(latin1(name));
            panel.host.doubleClick(at.x(), at.y());
        }
        QCOMPARE(recorder.fired(), fired);
    }

    void onlineSwitchOnlyAsks()
    {
        tcPanel panel;
        panel.host.click("ONLINE");
        QVERIFY(!panel.host.options.contains(QStringLiteral("ONLINE")));
        panel.main->setSwitch(tcControlGroupMain::ONLINE, true);
        QVERIFY(panel.as<tcGuiCheckBox>("ONLINE")->isChecked());
        QCOMPARE(panel.host.options.value(QStringLiteral("ONLINE")), 1);
        panel.main->setSwitch(tcControlGroupMain::ONLINE, false);
        QVERIFY(!panel.as<tcGuiCheckBox>("ONLINE")->isChecked());
        QCOMPARE(panel.host.options.value(QStringLiteral("ONLINE")), 0);
    }

    void flowButtonStates_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<QList<int>>("blocksIn");
        QTest::addColumn<QList<int>>("states");   // INPUT, EXPANDER, DEESSER, PEQ, COMP, SYSTEM
        QTest::newRow("input shown, all out") << 5 << QList<int>{} << QList<int>{3, 2, 2, 2, 2, 2};
        QTest::newRow("EQ out and shown") << 2 << QList<int>{} << QList<int>{2, 2, 2, 3, 2, 2};
        QTest::newRow("EQ in and shown") << 2 << QList<int>{6101} << QList<int>{2, 2, 2, 1, 2, 2};
        QTest::newRow("system shown, all in") << 0 << QList<int>{3100, 4100, 5100, 6101, 8100}
                                              << QList<int>{0, 0, 0, 0, 0, 3};
        QTest::newRow("index 9 shows the input") << 9 << QList<int>{3100} << QList<int>{1, 2, 2, 2, 2, 2};
        QTest::newRow("compressor shown") << 1 << QList<int>{4100, 8100} << QList<int>{2, 0, 2, 2, 1, 2};
        QTest::newRow("de-esser shown") << 3 << QList<int>{5100} << QList<int>{2, 2, 1, 2, 2, 2};
        QTest::newRow("expander shown") << 4 << QList<int>{} << QList<int>{2, 3, 2, 2, 2, 2};
    }

    void flowButtonStates()
    {
        QFETCH(int, shown);
        QFETCH(QList<int>, blocksIn);
        QFETCH(QList<int>, states);
        tcPanel panel;
        for (const int param : blocksIn)
            panel.model.map.setBool(quint16(param), true, TO_GUI);
        panel.host.control = shown;
        panel.main->refreshFlowButtons();
        QList<int> shownStates;
        for (const char* name : {"FLOW_INPUT", "FLOW_EXPANDER", "FLOW_DEESSER", "FLOW_PEQ", "FLOW_COMP", "FLOW_SYSTEM"})
            shownStates.append(panel.as<tcGuiButton>(name)->style());
        QCOMPARE(shownStates, states);
    }

    void flowButtonsSelectTheirBlock_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("control");
        QTest::newRow("input") << "FLOW_INPUT" << 5;
        QTest::newRow("expander") << "FLOW_EXPANDER" << 4;
        QTest::newRow("de-esser") << "FLOW_DEESSER" << 3;
        QTest::newRow("EQ") << "FLOW_PEQ" << 2;
        QTest::newRow("compressor") << "FLOW_COMP" << 1;
        QTest::newRow("system") << "FLOW_SYSTEM" << 0;
    }

    void flowButtonsSelectTheirBlock()
    {
        QFETCH(QString, button);
        QFETCH(int, control);
        tcPanel panel;
        panel.host.click(latin1(button));
        QCOMPARE(panel.host.selected, QList<int>{control});
        // Every block is out: the chosen button shows 3, the others 2.
        for (const char* name : {"FLOW_INPUT", "FLOW_EXPANDER", "FLOW_DEESSER", "FLOW_PEQ", "FLOW_COMP", "FLOW_SYSTEM"})
            QCOMPARE(panel.as<tcGuiButton>(name)->style(), button == QLatin1String(name) ? 3 : 2);
    }

    void graphSourceButtons_data()
    {
        QTest::addColumn<int>("stream");
        QTest::addColumn<int>("inputState");
        QTest::addColumn<int>("outputState");
        QTest::newRow("input") << 0 << 1 << 0;
        QTest::newRow("output") << 1 << 0 << 1;
        QTest::newRow("anything else counts as input") << 2 << 1 << 0;
    }

    void graphSourceButtons()
    {
        QFETCH(int, stream);
        QFETCH(int, inputState);
        QFETCH(int, outputState);
        tcPanel panel;
        panel.model.globals.setInt(1007, quint32(stream), TO_GUI);
        panel.main->refreshGraphSourceButtons();
        QCOMPARE(panel.as<tcGuiButton>("GRAPH_INPUT")->style(), inputState);
        QCOMPARE(panel.as<tcGuiButton>("GRAPH_OUTPUT")->style(), outputState);
    }

    void graphSourcePresses()
    {
        tcPanel panel;
        panel.host.click("GRAPH_OUTPUT");
        QCOMPARE(panel.host.streamFlags, QList<bool>{true});
        QCOMPARE(panel.as<tcGuiButton>("GRAPH_INPUT")->style(), 0);
        QCOMPARE(panel.as<tcGuiButton>("GRAPH_OUTPUT")->style(), 1);
        panel.host.click("GRAPH_INPUT");
        QCOMPARE(panel.host.streamFlags, QList<bool>({true, false}));
        QCOMPARE(panel.as<tcGuiButton>("GRAPH_INPUT")->style(), 1);
        QCOMPARE(panel.as<tcGuiButton>("GRAPH_OUTPUT")->style(), 0);
    }

    void graphSourceButtonsNeedTheGraph()
    {
        tcPanel panel({QStringLiteral("GRAPH")});
        panel.main->refreshGraphSourceButtons();
        QCOMPARE(panel.as<tcGuiButton>("GRAPH_INPUT")->style(), 0);
    }

    void quickSaveButtons_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<uint>("colorA");
        QTest::addColumn<int>("stateA");
        QTest::addColumn<uint>("colorB");
        QTest::addColumn<int>("stateB");
        QTest::addColumn<QString>("textAB");
        const uint green = 0xFF60E060;
        const uint white = 0xFFFFFFFF;
        QTest::newRow("start on A") << QStringList{} << QStringList{} << green << 1 << white << 0 << "B = A";
        QTest::newRow("to B") << QStringList{"QSAVEB"} << QStringList{"select 1"} << white << 0 << green << 1
                              << "A = B";
        QTest::newRow("to B and back") << QStringList{"QSAVEB", "QSAVEA"} << QStringList{"select 1", "select 0"}
                                       << green << 1 << white << 0 << "B = A";
        QTest::newRow("A while on A") << QStringList{"QSAVEA"} << QStringList{"select 0"} << green << 1 << white
                                      << 0 << "B = A";
        QTest::newRow("store both") << QStringList{"QSAVEAB"} << QStringList{"store both"} << green << 1 << white
                                    << 0 << "B = A";
    }

    void quickSaveButtons()
    {
        QFETCH(QStringList, presses);
        QFETCH(QStringList, calls);
        QFETCH(uint, colorA);
        QFETCH(int, stateA);
        QFETCH(uint, colorB);
        QFETCH(int, stateB);
        QFETCH(QString, textAB);
        tcPanel panel;
        for (const QString& press : presses)
            panel.host.click(latin1(press));
        QCOMPARE(panel.host.quickSaveCalls, calls);
        QCOMPARE(uint(panel.find("QSAVEA")->captionColor()), colorA);
        QCOMPARE(panel.as<tcGuiButton>("QSAVEA")->style(), stateA);
        QCOMPARE(uint(panel.find("QSAVEB")->captionColor()), colorB);
        QCOMPARE(panel.as<tcGuiButton>("QSAVEB")->style(), stateB);
        QCOMPARE(panel.find("QSAVEAB")->caption(), textAB);
    }

    void localModeKeepsNavigation()
    {
        tcPanel panel;
        panel.model.globals.setBool(1011, true, TO_GUI);
        SignalRecorder recorder(panel.main.get());
        panel.host.click("PRESETS");
        panel.host.click("FLOW_PEQ");
        panel.host.click("QSAVEB");
        panel.host.click("STAT_PRESET");
        QCOMPARE(recorder.fired(), QStringList{"sig_pset_dlg"});
        QCOMPARE(panel.host.selected, QList<int>{2});
        QCOMPARE(panel.host.quickSaveCalls, QStringList());
        QVERIFY(panel.host.lockQueries.contains(1045));
    }

    void lamps_data()
    {
        QTest::addColumn<bool>("phantom");
        QTest::addColumn<bool>("local");
        QTest::newRow("both off") << false << false;
        QTest::newRow("phantom power") << true << false;
        QTest::newRow("local mode") << false << true;
        QTest::newRow("both on") << true << true;
    }

    void lamps()
    {
        QFETCH(bool, phantom);
        QFETCH(bool, local);
        tcPanel panel;
        panel.model.globals.setBool(1014, phantom, TO_GUI);
        panel.model.globals.setBool(1011, local, TO_GUI);
        panel.main->refreshPhantomLamp();
        panel.main->refreshLocalLamp();
        QCOMPARE(panel.as<tcGuiLamp>("PHANTOM_PWR_LAMP")->state(), int(phantom));
        QCOMPARE(panel.as<tcGuiLamp>("LOCAL_MODE_LAMP")->state(), int(local));
    }

    void constructionReadsTheGlobals()
    {
        tcModelFixture model;
        model.globals.setBool(1006, true, TO_GUI);
        model.globals.setBool(1014, true, TO_GUI);
        model.globals.setBool(1011, true, TO_GUI);
        model.forget();
        tcTestHost host;
        host.addFrontPanel();
        tcControlGroupMain main(host);
        QVERIFY(main.checkBox(tcControlGroupMain::GRAPH_VIEW_OSCOPE)->isChecked());
        QCOMPARE(main.lamp(1051)->state(), 1);
        QCOMPARE(main.lamp(1052)->state(), 1);
        QCOMPARE(model.globalChanges, QList<tcChange>());
    }

    void oscilloscopeSwitchSetsTheGlobal()
    {
        tcPanel panel;
        panel.host.click("GRAPH_VIEW_OSCOPE");
        QVERIFY(panel.model.globals.getBool(1006));
        QCOMPARE(panel.model.globalChanges, QList<tcChange>({{1006, TO_UNIT}}));
        QVERIFY(!panel.host.options.contains(QStringLiteral("OSCOPE")));
    }

    void meterUpdate_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("meter");
        QTest::addColumn<QList<int>>("state");   // levels, peaks, overloads of channels 0 and 1
        QTest::newRow("input, one channel") << 1 << "METER_IN" << QList<int>{201, 0, 202, 0, 1, 0};
        QTest::newRow("expander, one channel") << 1 << "METER_EXP" << QList<int>{203, 0, 0, 0, 0, 0};
        QTest::newRow("de-esser, one channel") << 1 << "METER_DES" << QList<int>{204, 0, 0, 0, 0, 0};
        QTest::newRow("compressor, one channel") << 1 << "METER_CMP" << QList<int>{205, 0, 0, 0, 0, 0};
        QTest::newRow("output, one channel") << 1 << "METER_OUT" << QList<int>{206, 0, 207, 0, 0, 0};
        QTest::newRow("input, two channels") << 2 << "METER_IN" << QList<int>{201, 202, 202, 1, 1, 1};
        QTest::newRow("expander, two channels") << 2 << "METER_EXP" << QList<int>{203, 204, 0, 0, 0, 0};
        QTest::newRow("compressor, two channels") << 2 << "METER_CMP" << QList<int>{205, 206, 0, 0, 0, 0};
        QTest::newRow("output, two channels") << 2 << "METER_OUT" << QList<int>{206, 207, 207, 99, 0, 0};
    }

    void meterUpdate()
    {
        QFETCH(int, channels);
        QFETCH(QString, meter);
        QFETCH(QList<int>, state);
        tcPanel panel;
        auto* object = panel.as<tcGuiMeter>(latin1(meter));
        object->setStyle(object->style(), object->clip(), channels);
        const std::array<uint8_t, 528> datagram = meterDatagram();
        panel.main->updateMeters(datagram);
        QCOMPARE(meterState(object), state);
        const auto& spectrum = panel.main->graph()->spectrumData();
        QCOMPARE(int(spectrum[0]), 99);
        QCOMPARE(int(spectrum[255]), 98);
        QCOMPARE(int(spectrum[499]), 86);
    }

    void shortDatagramIsIgnored()
    {
        tcPanel panel;
        panel.main->resetMeters();
        const std::array<uint8_t, 528> datagram = meterDatagram();
        panel.main->updateMeters(std::span(datagram).first(527));
        QCOMPARE(meterState(panel.as<tcGuiMeter>("METER_IN")), QList<int>({0, 0, 0, 0, 0, 0}));
        QCOMPARE(int(panel.main->graph()->spectrumData()[0]), 0);
    }

    void resetPutsTheMetersAtRest_data()
    {
        QTest::addColumn<QString>("meter");
        QTest::addColumn<QList<int>>("state");
        QTest::newRow("input") << "METER_IN" << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("expander") << "METER_EXP" << QList<int>{255, 255, 255, 255, 0, 0};
        QTest::newRow("de-esser") << "METER_DES" << QList<int>{255, 255, 255, 255, 0, 0};
        QTest::newRow("compressor") << "METER_CMP" << QList<int>{255, 255, 255, 255, 0, 0};
        QTest::newRow("output") << "METER_OUT" << QList<int>{0, 0, 0, 0, 0, 0};
    }

    void resetPutsTheMetersAtRest()
    {
        QFETCH(QString, meter);
        QFETCH(QList<int>, state);
        tcPanel panel;
        auto* object = panel.as<tcGuiMeter>(latin1(meter));
        object->setStyle(object->style(), object->clip(), 2);
        const std::array<uint8_t, 528> datagram = meterDatagram();
        panel.main->updateMeters(datagram);
        panel.main->resetMeters();
        QCOMPARE(meterState(object), state);
        const auto& spectrum = panel.main->graph()->spectrumData();
        QVERIFY(std::all_of(spectrum.begin(), spectrum.end(), [](uint8_t byte) { return byte == 0; }));
    }

    void statusTexts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("shown");   // STAT_ONLINE, STAT_DEVICE, STAT_PRESET
        QTest::newRow("connection") << 1004 << "Online  " << QStringList{"Online  ", "unknown ", ""};
        QTest::newRow("unit") << 1005 << "Studio 3 K7" << QStringList{"Offline ", "Studio 3 K7", ""};
        QTest::newRow("preset") << 1006 << "Vocal A" << QStringList{"Offline ", "unknown ", "Vocal A"};
        QTest::newRow("not a status display") << 1003 << "Exit" << QStringList{"Offline ", "unknown ", ""};
    }

    void statusTexts()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QFETCH(QStringList, shown);
        tcPanel panel;
        const QString exitCaption = panel.find("SYS_EXIT")->caption();
        panel.main->setStatusText(id, text);
        QCOMPARE(QStringList({panel.find("STAT_ONLINE")->caption(), panel.find("STAT_DEVICE")->caption(),
                              panel.find("STAT_PRESET")->caption()}),
                 shown);
        QCOMPARE(panel.find("SYS_EXIT")->caption(), exitCaption);
    }

    void statusStates_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("state");
        QTest::addColumn<QList<int>>("states");   // STAT_ONLINE, STAT_DEVICE, STAT_PRESET
        QTest::newRow("connection in error") << 1004 << 1 << QList<int>{1, 0, 0};
        QTest::newRow("preset warned") << 1006 << 2 << QList<int>{0, 0, 2};
        QTest::newRow("unit display has no state") << 1005 << 1 << QList<int>{0, 0, 0};
    }

    void statusStates()
    {
        QFETCH(int, id);
        QFETCH(int, state);
        QFETCH(QList<int>, states);
        tcPanel panel;
        panel.main->setStatusState(id, state);
        QCOMPARE(QList<int>({panel.as<tcGuiDisplay>("STAT_ONLINE")->state(),
                             panel.as<tcGuiDisplay>("STAT_DEVICE")->state(),
                             panel.as<tcGuiDisplay>("STAT_PRESET")->state()}),
                 states);
    }

    void activationShowsTheFrame()
    {
        tcModelFixture model;
        tcTestHost host;
        host.addFrontPanel();
        tcControlGroupMain main(host);
        QVERIFY(!host.find("METER_IN")->isVisible());
        main.setActive(true);
        for (const char* name : METERS)
            QVERIFY(host.find(name)->isVisible());
        QVERIFY(host.find("GRAPH")->isVisible());
        QVERIFY(!host.find("INPUT_MIC_GAIN_KNOB")->isVisible());
    }
};

QTEST_MAIN(tst_GroupMain)
#include "tst_groupmain.moc"
