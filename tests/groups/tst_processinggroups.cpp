// The five processing groups (input, expander, de-esser, parametric EQ, compressor): their
// knob, display and switch tables, the values they store, and what they give the graphs.

#include "gqgui/graph_spectrum_tables.h"
#include "tests/groups/group_fixture.h"

#include <QTest>

namespace {

constexpr int INPUT = 5;
constexpr int EXPANDER = 4;
constexpr int DEESSER = 3;
constexpr int PEQ = 2;
constexpr int COMPRESSOR = 1;

const char* latin1(const QString& text)
{
    static QByteArray kept;
    kept = text.toLatin1();
    return kept.constData();
}

QString caption(const tcPanel& panel, const QString& name)
{
    return panel.find(latin1(name))->caption();
}

} // namespace

class tst_ProcessingGroups : public QObject
{
    Q_OBJECT

private slots:
    void knobGestureStoresForTheUnit_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("knob");
        QTest::addColumn<int>("up");      // pixels dragged upwards
        QTest::addColumn<int>("param");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("text");
        QTest::newRow("mic gain 20 -> 30 dB") << INPUT << "INPUT_MIC_GAIN_KNOB" << 10 << 2100 << 50
                                              << "INPUT_MIC_GAIN_DSPY" << "+30.0 dB";
        QTest::newRow("out gain 0 -> 1 dB") << INPUT << "OUT_GAIN_KNOB" << 2 << 9004 << 142 << "OUT_GAIN_DSPY"
                                            << "+ 1.0 dB";
        QTest::newRow("HPF stops at 20 Hz, not 16") << INPUT << "FILT_HPF_KNOB" << -100 << 3101 << 8
                                                    << "FILT_HPF_DSPY" << " 20.0 Hz";
        QTest::newRow("expander depth") << EXPANDER << "EXP_DEPTH_KNOB" << 4 << 4101 << 32 << "EXP_DEPTH_DSPY"
                                        << "+16.0 dB";
        QTest::newRow("expander threshold") << EXPANDER << "EXP_THR_KNOB" << -20 << 4102 << 120 << "EXP_THR_DSPY"
                                            << "-10.0 FS";
        QTest::newRow("de-esser release") << DEESSER << "DEES_REL_KNOB" << 5 << 5102 << 145 << "DEES_REL_DSPY"
                                          << "150.0 mS";
        QTest::newRow("PEQ 1 bandwidth") << PEQ << "PEQ1_Q_KNOB" << -10 << 6104 << 30 << "PEQ1_Q_DSPY"
                                         << "0.40 oct";
        QTest::newRow("high shelf lift") << PEQ << "SEQ2_L_KNOB" << -4 << 6111 << 152 << "SEQ2_L_DSPY"
                                         << "+ 6.0 dB";
        QTest::newRow("compressor threshold") << COMPRESSOR << "COMP_THR_KNOB" << 10 << 8101 << 70
                                              << "COMP_THR_DSPY" << "-35.0 FS";
        QTest::newRow("compressor ratio") << COMPRESSOR << "COMP_RAT_KNOB" << 1 << 8102 << 36 << "COMP_RAT_DSPY"
                                          << "2.04 : 1";
    }

    void knobGestureStoresForTheUnit()
    {
        QFETCH(int, group);
        QFETCH(QString, knob);
        QFETCH(int, up);
        QFETCH(int, param);
        QFETCH(int, position);
        QFETCH(QString, display);
        QFETCH(QString, text);
        tcPanel panel;
        panel.show(group);
        panel.host.turn(latin1(knob), up);
        QCOMPARE(panel.as<tcGuiKnob>(latin1(knob))->value(), position);
        QCOMPARE(panel.model.map.getPosition(quint16(param)), quint32(position));
        QCOMPARE(panel.model.mapChanges, QList<tcChange>({{quint16(param), TO_UNIT}}));
        QCOMPARE(caption(panel, display), text);
    }

    void refreshFromTheUnitSendsNothing_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("knob");
        QTest::addColumn<int>("param");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("text");
        QTest::newRow("LPF to 20 kHz") << INPUT << "FILT_LPF_KNOB" << 3102 << 249 << "FILT_LPF_DSPY" << "20.0 kHz";
        QTest::newRow("expander close") << EXPANDER << "EXP_CLOSE_KNOB" << 4103 << 120 << "EXP_CLOSE_DSPY"
                                        << " 60.0 mS";
        QTest::newRow("de-esser threshold") << DEESSER << "DEES_THR_KNOB" << 5101 << 40 << "DEES_THR_DSPY"
                                            << "-50.0 FS";
        QTest::newRow("PEQ 1 frequency") << PEQ << "PEQ1_F_KNOB" << 6102 << 136 << "PEQ1_F_DSPY" << " 780  Hz";
        QTest::newRow("compressor attack") << COMPRESSOR << "COMP_ATT_KNOB" << 8103 << 100 << "COMP_ATT_DSPY"
                                           << " 35.0 mS";
    }

    void refreshFromTheUnitSendsNothing()
    {
        QFETCH(int, group);
        QFETCH(QString, knob);
        QFETCH(int, param);
        QFETCH(int, position);
        QFETCH(QString, display);
        QFETCH(QString, text);
        tcPanel panel;
        panel.model.map.setPosition(quint16(param), quint32(position), TO_GUI);
        panel.model.forget();
        // What the bench does for a parameter the unit changed.
        auto* knobObject = panel.as<tcGuiKnob>(latin1(knob));
        panel.group(group)->setKnob(knobObject->parameterId(), panel.model.map.getPosition(quint16(param)));
        QCOMPARE(knobObject->value(), position);
        QCOMPARE(caption(panel, display), text);
        QCOMPARE(panel.model.mapChanges, QList<tcChange>());
    }

    void displaysAreEditableWithTheirUnits_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("units");
        const char* const rows[][2] = {
            {"INPUT_MIC_GAIN_DSPY", "dB"}, {"FILT_HPF_DSPY", "Hz"},   {"FILT_LPF_DSPY", "Hz"},
            {"OUT_GAIN_DSPY", "dB"},       {"EXP_DEPTH_DSPY", "dB"},  {"EXP_THR_DSPY", "dB FS"},
            {"EXP_CLOSE_DSPY", "mS"},      {"DEES_THR_DSPY", "db FS"}, {"DEES_REL_DSPY", "mS"},
            {"DEES_F_DSPY", "Hz"},         {"COMP_THR_DSPY", "dB FS"}, {"COMP_RAT_DSPY", "1:__"},
            {"COMP_ATT_DSPY", "mS"},       {"COMP_REL_DSPY", "mS"},   {"PEQ1_F_DSPY", "Hz"},
            {"PEQ1_Q_DSPY", "oct"},        {"PEQ1_L_DSPY", "dB"},     {"PEQ2_F_DSPY", "Hz"},
            {"PEQ2_Q_DSPY", "oct"},        {"PEQ2_L_DSPY", "dB"},     {"SEQ1_F_DSPY", "Hz"},
            {"SEQ1_L_DSPY", "dB"},         {"SEQ2_F_DSPY", "Hz"},     {"SEQ2_L_DSPY", "dB"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }

    void displaysAreEditableWithTheirUnits()
    {
        QFETCH(QString, display);
        QFETCH(QString, units);
        tcPanel panel;
        const auto* object = panel.as<tcGuiDisplay>(latin1(display));
        QVERIFY(object->entry().editable());
        QCOMPARE(object->entry().units(), units);
    }

    void displayKnobPairs_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("display");
        QTest::addColumn<int>("knob");
        const int rows[][3] = {
            {INPUT, 2003, 2002},      {INPUT, 3005, 3003},      {INPUT, 3006, 3004},      {INPUT, 3008, 3007},
            {INPUT, 2002, -1},        {INPUT, 4006, -1},        {EXPANDER, 4006, 4003},   {EXPANDER, 4007, 4004},
            {EXPANDER, 4008, 4005},   {EXPANDER, 4009, -1},     {DEESSER, 5011, 5005},    {DEESSER, 5012, 5006},
            {DEESSER, 5013, 5008},    {DEESSER, 5002, -1},      {PEQ, 6014, 6002},        {PEQ, 6015, 6003},
            {PEQ, 6016, 6004},        {PEQ, 6017, 6005},        {PEQ, 6018, 6006},        {PEQ, 6019, 6007},
            {PEQ, 6021, 6009},        {PEQ, 6022, 6010},        {PEQ, 6024, 6012},        {PEQ, 6029, 6013},
            {PEQ, 6025, -1},          {COMPRESSOR, 7004, 7003}, {COMPRESSOR, 7006, 7005}, {COMPRESSOR, 7008, 7007},
            {COMPRESSOR, 7010, 7009}, {COMPRESSOR, 7003, -1},
        };
        for (const auto& row : rows)
            QTest::addRow("group %d, %d", row[0], row[1]) << row[0] << row[1] << row[2];
    }

    void displayKnobPairs()
    {
        QFETCH(int, group);
        QFETCH(int, display);
        QFETCH(int, knob);
        tcPanel panel;
        QCOMPARE(panel.group(group)->displayKnob(display), knob);
    }

    void typedValueLandsOnTheNearestEntry_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("param");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("25 Hz into the HPF") << INPUT << "FILT_HPF_DSPY" << "25" << 3101 << 16 << " 24.8 Hz";
        QTest::newRow("no number: 0, above the threshold's limits")
            << COMPRESSOR << "COMP_THR_DSPY" << "abc" << 8101 << 120 << "-10.0 FS";
        QTest::newRow("below the gain's limits") << INPUT << "INPUT_MIC_GAIN_DSPY" << "-200" << 2100 << 10
                                                 << "-10.0 dB";
        QTest::newRow("ratio between entries") << COMPRESSOR << "COMP_RAT_DSPY" << "3.3" << 8102 << 60
                                               << "3.28 : 1";
        QTest::newRow("release above its limit") << DEESSER << "DEES_REL_DSPY" << "1000" << 5102 << 180
                                                 << "500.0 mS";
        QTest::newRow("number with a tail") << EXPANDER << "EXP_DEPTH_DSPY" << "12abc" << 4101 << 24 << "+12.0 dB";
        QTest::newRow("cut on the high shelf") << PEQ << "SEQ2_L_DSPY" << "-3.2" << 6111 << 134 << "- 3.0 dB";
    }

    void typedValueLandsOnTheNearestEntry()
    {
        QFETCH(int, group);
        QFETCH(QString, display);
        QFETCH(QString, typed);
        QFETCH(int, param);
        QFETCH(int, position);
        QFETCH(QString, text);
        tcPanel panel;
        const tcGuiObject* object = panel.find(latin1(display));
        panel.group(group)->onDisplayEdit(object->parameterId(), typed);
        QCOMPARE(panel.model.map.getPosition(quint16(param)), quint32(position));
        QCOMPARE(panel.model.mapChanges, QList<tcChange>({{quint16(param), TO_UNIT}}));
        QCOMPARE(object->caption(), text);
        const int knobId = panel.group(group)->displayKnob(object->parameterId());
        QCOMPARE(panel.group(group)->knob(knobId)->value(), position);
    }

    void switchGestureStoresAndRedrawsTheFlow_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("param");
        QTest::addColumn<bool>("state");
        QTest::addColumn<QString>("flow");
        QTest::addColumn<int>("flowState");
        // Each group shown, so its flow button starts at 3 (block out, shown).
        QTest::newRow("decorrelator") << INPUT << "SYMMETRY" << 2101 << true << "FLOW_INPUT" << 3;
        QTest::newRow("filter in") << INPUT << "FILT_ENABLE" << 3100 << true << "FLOW_INPUT" << 1;
        QTest::newRow("expander in") << EXPANDER << "EXP_ENABLE" << 4100 << true << "FLOW_EXPANDER" << 1;
        QTest::newRow("de-esser in") << DEESSER << "DEES_ENABLE" << 5100 << true << "FLOW_DEESSER" << 1;
        QTest::newRow("EQ in") << PEQ << "EQ_ENABLE" << 6101 << true << "FLOW_PEQ" << 1;
        QTest::newRow("EQ after the dynamics") << PEQ << "EQ_PRE_COMP" << 6100 << false << "FLOW_PEQ" << 3;
        QTest::newRow("compressor in") << COMPRESSOR << "COMP_ENABLE" << 8100 << true << "FLOW_COMP" << 1;
    }

    void switchGestureStoresAndRedrawsTheFlow()
    {
        QFETCH(int, group);
        QFETCH(QString, box);
        QFETCH(int, param);
        QFETCH(bool, state);
        QFETCH(QString, flow);
        QFETCH(int, flowState);
        tcPanel panel;
        panel.show(group);
        panel.main->refreshFlowButtons();
        QCOMPARE(panel.as<tcGuiButton>(latin1(flow))->style(), 3);
        panel.host.click(latin1(box));
        QCOMPARE(panel.as<tcGuiCheckBox>(latin1(box))->isChecked(), state);
        QCOMPARE(panel.model.map.getBool(quint16(param)), state);
        QCOMPARE(panel.model.mapChanges, QList<tcChange>({{quint16(param), TO_UNIT}}));
        QCOMPARE(panel.as<tcGuiButton>(latin1(flow))->style(), flowState);
    }

    void switchRefreshFromTheUnitSendsNothing()
    {
        tcPanel panel;
        panel.model.map.setBool(6101, true, TO_GUI);
        panel.model.forget();
        panel.peq->setSwitch(6030, true);
        QVERIFY(panel.as<tcGuiCheckBox>("EQ_ENABLE")->isChecked());
        QCOMPARE(panel.model.mapChanges, QList<tcChange>());
        QCOMPARE(panel.as<tcGuiButton>("FLOW_PEQ")->style(), 0);
    }

    void localModeRefusesTheKnob()
    {
        tcPanel panel;
        panel.show(COMPRESSOR);
        panel.model.globals.setBool(1011, true, TO_GUI);
        panel.host.lockQueries.clear();
        panel.host.turn("COMP_THR_KNOB", 10);
        QCOMPARE(panel.host.lockQueries.value(0), 7003);
        QCOMPARE(panel.as<tcGuiKnob>("COMP_THR_KNOB")->value(), 60);
        QCOMPARE(panel.model.mapChanges, QList<tcChange>());
    }

    void graphAttachment_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("graphPanel");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        const QString boostCut = QStringLiteral("Filter Boost / Cut dB");
        QTest::newRow("input") << INPUT << "Filter Response" << 0 << boostCut << boostCut;
        QTest::newRow("expander") << EXPANDER << "" << 1 << "" << "";
        QTest::newRow("de-esser") << DEESSER << "De-Esser EQ Response" << 2 << boostCut << "";
        QTest::newRow("EQ") << PEQ << "Parametric EQ Response" << 3 << boostCut << boostCut;
        QTest::newRow("compressor") << COMPRESSOR << "" << 4 << "" << "";
        QTest::newRow("system") << 0 << "" << 5 << "" << "";
    }

    void graphAttachment()
    {
        QFETCH(int, group);
        QFETCH(QString, title);
        QFETCH(int, graphPanel);
        QFETCH(QString, left);
        QFETCH(QString, right);
        // Curve editing alone: the sides show the shown group's scales and nothing else.
        tcPanel panel({}, {{QStringLiteral("GRAPHVIEW"), APGRAPH_MODE_CURVES}});
        // From another group, so that what the earlier one gave the graph must go.
        panel.show(group == PEQ ? INPUT : PEQ);
        panel.show(group);
        const tcGuiApGraph* graph = panel.main->graph();
        QCOMPARE(graph->extraTitle(), title);
        QCOMPARE(graph->currentPanel(), graphPanel);
        QCOMPARE(graph->dragger(), nullptr);
        QCOMPARE(graph->leftAxis() ? graph->leftAxis()->name() : QString(), left);
        QCOMPARE(graph->rightAxis() ? graph->rightAxis()->name() : QString(), right);
    }

    void scalesGoToTheGraphFromTheirGroup()
    {
        tcPanel panel({}, {{QStringLiteral("GRAPHVIEW"), APGRAPH_MODE_CURVES}});
        const tcGuiApGraph* graph = panel.main->graph();
        QCOMPARE(graph->leftAxis(), &panel.input->filterScale());
        QCOMPARE(graph->rightAxis(), &panel.input->filterScale());
        panel.show(DEESSER);
        QCOMPARE(graph->leftAxis(), &panel.deesser->boostCutScale());
        panel.show(PEQ);
        QCOMPARE(graph->leftAxis(), &panel.peq->scale());
        QCOMPARE(graph->rightAxis(), &panel.peq->scale());
    }

    void scaleTicks_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("index");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("flags");
        const int minor = AXIS_TICK_MINOR | AXIS_TICK_GRID | AXIS_TICK_LABEL;
        const int zeroLine = AXIS_TICK_MAJOR | AXIS_TICK_GRID | AXIS_TICK_LABEL;
        QTest::newRow("filter, first") << "filter" << 0 << -15.0f << "-15" << minor;
        QTest::newRow("filter, 0 dB") << "filter" << 5 << 0.0f << "0" << zeroLine;
        QTest::newRow("filter, +3") << "filter" << 6 << 3.0f << "+3" << minor;
        QTest::newRow("filter, last") << "filter" << 10 << 15.0f << "+15" << minor;
        QTest::newRow("EQ, +12") << "EQ" << 9 << 12.0f << "+12" << minor;
        QTest::newRow("de-esser first, -9") << "boost" << 2 << -9.0f << "-9" << minor;
        QTest::newRow("depth, first") << "depth" << 0 << -30.0f << "-30" << minor;
        QTest::newRow("depth, -15") << "depth" << 5 << -15.0f << "-15" << minor;
        QTest::newRow("depth, top") << "depth" << 10 << 0.0f << "0" << minor;
    }

    void scaleTicks()
    {
        QFETCH(QString, scale);
        QFETCH(int, index);
        QFETCH(float, value);
        QFETCH(QString, label);
        QFETCH(int, flags);
        tcPanel panel;
        const tcGraphAxis& axis = scale == QLatin1String("filter") ? panel.input->filterScale()
                                  : scale == QLatin1String("EQ")   ? panel.peq->scale()
                                  : scale == QLatin1String("boost") ? panel.deesser->boostCutScale()
                                                                    : panel.deesser->depthScale();
        QCOMPARE(axis.ticks().size(), size_t(11));
        QCOMPARE(axis.ticks()[size_t(index)].value, value);
        QCOMPARE(axis.ticks()[size_t(index)].label, label);
        QCOMPARE(axis.ticks()[size_t(index)].flags, flags);
    }

    void scaleRangesAndWidths()
    {
        tcPanel panel;
        // "GRAPH" is 560 wide with gutters of 30 on either side.
        QCOMPARE(panel.deesser->depthScale().length(), 500);
        QCOMPARE(panel.deesser->depthScale().name(), QString());
        QCOMPARE(panel.deesser->depthScale().minimum(), -30.0f);
        QCOMPARE(panel.deesser->depthScale().maximum(), 0.0f);
        QCOMPARE(panel.peq->scale().minimum(), -15.0f);
        QCOMPARE(panel.peq->scale().maximum(), 15.0f);
        QCOMPARE(panel.peq->scale().orientation(), tcGraphAxis::VERTICAL);
        tcPanel bare({QStringLiteral("GRAPH")});
        QCOMPARE(bare.input->filterScale().length(), 250);
        QCOMPARE(bare.peq->scale().length(), 250);
    }

    void withoutTheMainGraphTheKnobsStillWork()
    {
        tcPanel panel({QStringLiteral("GRAPH")});
        panel.host.turn("FILT_HPF_KNOB", 3);
        QCOMPARE(panel.model.map.getPosition(3101), 60u);
        panel.show(DEESSER);
        panel.host.click("DEES_ENABLE");
        QVERIFY(panel.model.map.getBool(5100));
    }

    void aMissingKnobLeavesTheRestWorking()
    {
        tcPanel panel({QStringLiteral("FILT_HPF_KNOB")});
        QCOMPARE(panel.input->knob(3003), nullptr);
        // A refresh of its parameter stores nothing.
        panel.model.map.setPosition(3101, 40, TO_GUI);
        panel.model.forget();
        panel.input->setKnob(3003, panel.model.map.getPosition(3101));
        QCOMPARE(panel.model.mapChanges, QList<tcChange>());
        // The other knob responds.
        panel.host.turn("FILT_LPF_KNOB", 1);
        QCOMPARE(panel.model.mapChanges.size(), 1);
        QCOMPARE(panel.model.mapChanges.first().id, quint16(3102));
        // A value typed into its display still reaches the unit.
        panel.input->onDisplayEdit(3005, QStringLiteral("25"));
        QCOMPARE(panel.model.map.getPosition(3101), 16u);
        QCOMPARE(caption(panel, QStringLiteral("FILT_HPF_DSPY")), QStringLiteral(" 24.8 Hz"));
    }

    void transferCurvesFollowTheKnobs_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("knob");
        QTest::addColumn<int>("up");
        QTest::addColumn<QString>("graph");
        QTest::addColumn<int>("param");
        QTest::addColumn<float>("value");
        QTest::newRow("expander depth") << EXPANDER << "EXP_DEPTH_KNOB" << 4 << "EXP_GRAPH" << int(DYNPARAM_DEPTH)
                                        << 16.0f;
        QTest::newRow("expander threshold") << EXPANDER << "EXP_THR_KNOB" << -20 << "EXP_GRAPH"
                                            << int(DYNPARAM_THRESHOLD) << -10.0f;
        QTest::newRow("expander close leaves the threshold")
            << EXPANDER << "EXP_CLOSE_KNOB" << 5 << "EXP_GRAPH" << int(DYNPARAM_THRESHOLD) << 0.0f;
        QTest::newRow("compressor threshold") << COMPRESSOR << "COMP_THR_KNOB" << 10 << "COMP_GRAPH"
                                              << int(DYNPARAM_THRESHOLD) << -35.0f;
        QTest::newRow("compressor ratio") << COMPRESSOR << "COMP_RAT_KNOB" << 1 << "COMP_GRAPH"
                                          << int(DYNPARAM_RATIO) << 2.04f;
        QTest::newRow("compressor attack leaves the ratio")
            << COMPRESSOR << "COMP_ATT_KNOB" << 5 << "COMP_GRAPH" << int(DYNPARAM_RATIO) << 2.0f;
    }

    void transferCurvesFollowTheKnobs()
    {
        QFETCH(int, group);
        QFETCH(QString, knob);
        QFETCH(int, up);
        QFETCH(QString, graph);
        QFETCH(int, param);
        QFETCH(float, value);
        tcPanel panel;
        panel.show(group);
        panel.host.turn(latin1(knob), up);
        QCOMPARE(panel.as<tcGuiDynGraph>(latin1(graph))->parameter(0, param), value);
    }

    void transferGraphsAreSetUp()
    {
        tcPanel panel;
        const auto* expander = panel.as<tcGuiDynGraph>("EXP_GRAPH");
        QCOMPARE(expander->type(), DYNGRAPH_EXPANDER);
        QCOMPARE(expander->scaleMode(), int(DYNSCALE_80_0));
        QCOMPARE(expander->curveCount(), 1);
        // The parameters' defaults: depth 14 dB, threshold 0 dB; the ratio is fixed.
        QCOMPARE(expander->parameter(0, DYNPARAM_DEPTH), 14.0f);
        QCOMPARE(expander->parameter(0, DYNPARAM_THRESHOLD), 0.0f);
        QCOMPARE(expander->parameter(0, DYNPARAM_RATIO), 2.0f);
        const auto* compressor = panel.as<tcGuiDynGraph>("COMP_GRAPH");
        QCOMPARE(compressor->type(), DYNGRAPH_COMPRESSOR);
        QCOMPARE(compressor->scaleMode(), int(DYNSCALE_80_0));
        QCOMPARE(compressor->curveCount(), 3);
        QCOMPARE(compressor->parameter(0, DYNPARAM_THRESHOLD), -40.0f);
        QCOMPARE(compressor->parameter(0, DYNPARAM_RATIO), 2.0f);
    }

    void knobRangesAreThePositionBounds_data()
    {
        QTest::addColumn<QString>("knob");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("mic gain -10..70 dB") << "INPUT_MIC_GAIN_KNOB" << 10 << 90;
        QTest::newRow("HPF 20..1000 Hz") << "FILT_HPF_KNOB" << 8 << 145;
        QTest::newRow("compressor threshold -50..-10") << "COMP_THR_KNOB" << 40 << 120;
        QTest::newRow("PEQ bandwidth 0.2..3 oct") << "PEQ1_Q_KNOB" << 10 << 97;
    }

    void knobRangesAreThePositionBounds()
    {
        QFETCH(QString, knob);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        tcPanel panel;
        const tcGuiObject* object = panel.find(latin1(knob));
        QCOMPARE(object->minimum(), minimum);
        QCOMPARE(object->maximum(), maximum);
    }
};

QTEST_MAIN(tst_ProcessingGroups)
#include "tst_processinggroups.moc"
