#include "gqgui/graph_spectrum_tables.h"
#include "tests/groups/group_fixture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

constexpr tcBindingEntry PROBE_LIST[] = {
    {9101, "P_BUTTON", GUI_KIND_BUTTON}, {9102, "P_CHECK", GUI_KIND_CHECKBOX}, {9103, "P_DISPLAY", GUI_KIND_DISPLAY},
    {9104, "P_KNOB", GUI_KIND_KNOB},     {9105, "P_MISSING", GUI_KIND_BUTTON}, {9106, "P_COMBO", GUI_KIND_COMBO},
    {9107, "P_LAMP", GUI_KIND_LAMP},     {9108, "P_METER", GUI_KIND_METER},    {9109, "P_SLIDER", GUI_KIND_SLIDER},
    {9110, "P_GRAPH", GUI_KIND_APGRAPH},
};

// The objects of the probe's skin; "P_MISSING" is not among them.
constexpr tcSkinPart PROBE_SKIN[] = {
    {"P_BUTTON", GUI_KIND_BUTTON}, {"P_CHECK", GUI_KIND_CHECKBOX}, {"P_DISPLAY", GUI_KIND_DISPLAY},
    {"P_KNOB", GUI_KIND_KNOB},     {"P_COMBO", GUI_KIND_COMBO},    {"P_LAMP", GUI_KIND_LAMP},
    {"P_METER", GUI_KIND_METER},   {"P_SLIDER", GUI_KIND_SLIDER},  {"P_GRAPH", GUI_KIND_APGRAPH},
    {"P_UNBOUND", GUI_KIND_BUTTON},
};

constexpr int PROBE_PANEL = 4;

// A group over the probe skin that records every operation its objects call.
class tcProbeGroup : public tcControlGroup
{
public:
    explicit tcProbeGroup(tcGroupHost& host) : tcControlGroup(host, PROBE_LIST, PROBE_PANEL) { refreshAll(); }

    void refreshAll() override
    {
        setKnobRange(9104, 0, 100);
        setKnobRange(9109, 0, 100);
        setComboItems(9106, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        setDisplayDoubleClickable(9103, true);
    }
    void onButton(int id) override { note(QStringLiteral("button %1").arg(id)); }
    void onKnob(int id, quint32 position) override { note(QStringLiteral("knob %1 %2").arg(id).arg(position)); }
    void onComboSelect(int id, int index) override { note(QStringLiteral("combo %1 %2").arg(id).arg(index)); }
    void onCheckBox(int id, bool state) override { note(QStringLiteral("check %1 %2").arg(id).arg(state)); }
    void onDisplayDoubleClick(int id) override { note(QStringLiteral("dclick %1").arg(id)); }

    using tcControlGroup::setDisplayText;

    QStringList calls;

private:
    void note(const QString& call) { calls.append(call); }
};

// A button that notes each show with whether its group counts itself active then.
class tcShowProbe : public tcGuiButton
{
public:
    using tcGuiButton::tcGuiButton;

    void show(bool on) override
    {
        shows.append(QStringLiteral("%1 active %2").arg(on ? "show" : "hide").arg(group->isActive()));
        tcGuiButton::show(on);
    }

    const tcControlGroup* group = nullptr;
    QStringList shows;
};

struct ProbeFixture
{
    tcModelFixture model;
    tcTestHost host;
    std::unique_ptr<tcProbeGroup> group;

    ProbeFixture()
    {
        for (const tcSkinPart& part : PROBE_SKIN)
            host.addPart(part);
        group = std::make_unique<tcProbeGroup>(host);
    }
};

} // namespace

class tst_ControlGroup : public QObject
{
    Q_OBJECT

private slots:
    void bindsObjectsByName_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bound");
        QTest::newRow("button") << 0 << 9101 << "P_BUTTON" << true;
        QTest::newRow("display") << 2 << 9103 << "P_DISPLAY" << true;
        QTest::newRow("missing name keeps its place") << 4 << 9105 << "P_MISSING" << false;
        QTest::newRow("lamp") << 6 << 9107 << "P_LAMP" << true;
        QTest::newRow("graph, last") << 9 << 9110 << "P_GRAPH" << true;
    }

    void bindsObjectsByName()
    {
        QFETCH(int, index);
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(bool, bound);
        ProbeFixture f;
        QCOMPARE(f.group->bindings().size(), size_t(10));
        const tcControlBinding& binding = f.group->bindings()[size_t(index)];
        QCOMPARE(binding.id, id);
        QCOMPARE(binding.name, name);
        QCOMPARE(binding.object != nullptr, bound);
        QCOMPARE(f.group->object(id), binding.object);
        if (bound) {
            QCOMPARE(binding.object->id(), name);
            QCOMPARE(binding.object->parameterId(), id);
            QCOMPARE(binding.object->context(), static_cast<void*>(f.group.get()));
        }
    }

    void leavesUnlistedObjectsAlone()
    {
        ProbeFixture f;
        const tcGuiObject* unbound = f.host.find("P_UNBOUND");
        QCOMPARE(unbound->parameterId(), -1);
        QCOMPARE(unbound->context(), nullptr);
        QCOMPARE(f.group->object(9999), nullptr);
    }

    void typedLookUpsCheckTheKind()
    {
        ProbeFixture f;
        QVERIFY(f.group->button(9101));
        QVERIFY(f.group->checkBox(9102));
        QVERIFY(f.group->display(9103));
        QVERIFY(f.group->knob(9104));
        QVERIFY(f.group->combo(9106));
        QVERIFY(f.group->lamp(9107));
        QVERIFY(f.group->meter(9108));
        QVERIFY(f.group->slider(9109));
        QVERIFY(f.group->apGraph(9110));
        // The same IDs asked as another kind, and the missing one.
        QCOMPARE(f.group->display(9101), nullptr);
        QCOMPARE(f.group->button(9102), nullptr);
        QCOMPARE(f.group->knob(9109), nullptr);
        QCOMPARE(f.group->slider(9104), nullptr);
        QCOMPARE(f.group->dynGraph(9110), nullptr);
        QCOMPARE(f.group->lamp(9108), nullptr);
        QCOMPARE(f.group->button(9105), nullptr);
    }

    void gesturesReachTheOperations_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("button click") << "click P_BUTTON" << QStringList{"button 9101"};
        QTest::newRow("check box toggle") << "click P_CHECK" << QStringList{"check 9102 1"};
        QTest::newRow("knob drag 7 up") << "turn P_KNOB" << QStringList{"knob 9104 7"};
        QTest::newRow("slider step") << "wheel P_SLIDER" << QStringList{"knob 9109 1"};
        QTest::newRow("combo selection") << "select P_COMBO" << QStringList{"combo 9106 2"};
        QTest::newRow("display double click") << "dclick P_DISPLAY" << QStringList{"dclick 9103"};
        QTest::newRow("lamp takes no press") << "click P_LAMP" << QStringList{};
    }

    void gesturesReachTheOperations()
    {
        QFETCH(QString, gesture);
        QFETCH(QStringList, calls);
        ProbeFixture f;
        f.group->setActive(true);
        const QString verb = gesture.section(QLatin1Char(' '), 0, 0);
        const QByteArray name = gesture.section(QLatin1Char(' '), 1).toLatin1();
        const QPoint at = f.host.grip(name.constData());
        if (verb == QLatin1String("click"))
            f.host.click(name.constData());
        else if (verb == QLatin1String("turn"))
            f.host.turn(name.constData(), 7);
        else if (verb == QLatin1String("wheel"))
            f.host.wheel(at.x(), at.y(), 1, GUI_MOD_CTRL);
        else if (verb == QLatin1String("select"))
            f.group->combo(9106)->setIndex(2, true);
        else
            f.host.doubleClick(at.x(), at.y());
        QCOMPARE(f.group->calls, calls);
    }

    void lockQueryCarriesTheObjectId()
    {
        ProbeFixture f;
        f.group->setActive(true);
        f.model.globals.setBool(1011, true, TO_GUI);
        f.host.turn("P_KNOB", 7);
        QCOMPARE(f.host.lockQueries, QList<int>{9104});
        QCOMPARE(f.group->knob(9104)->value(), 0);
        QCOMPARE(f.group->calls, QStringList());
    }

    void setActiveShowsOnceAndCountsActiveWhileShowing()
    {
        tcModelFixture model;
        tcTestHost host;
        auto* probe = static_cast<tcShowProbe*>(host.objects().append(
            std::make_unique<tcShowProbe>(QStringLiteral("P_BUTTON"), &host, 1)));
        probe->finishLoading();
        tcProbeGroup group(host);
        probe->group = &group;

        group.setActive(true);
        group.setActive(true);
        QVERIFY(group.isActive());
        QVERIFY(probe->isVisible());
        group.setActive(false);
        group.setActive(false);
        QVERIFY(!group.isActive());
        QVERIFY(!probe->isVisible());
        // Turning on counts as active before the objects show; turning off only after they hid.
        QCOMPARE(probe->shows, QStringList({"show active 1", "hide active 1"}));
    }

    void paintsOnlyWhileActiveAndOnlyWhatMeetsTheArea()
    {
        ProbeFixture f;
        tcGuiDisplay* display = f.group->display(9103);
        display->setBackground(0xFF00FF00);
        const QRect all(0, 0, 100, 3000);
        const QPoint inside = f.host.grip("P_DISPLAY");
        auto render = [&](const QRect& area) {
            QImage image(all.size(), QImage::Format_ARGB32);
            image.fill(0xFF000000);
            QPainter painter(&image);
            f.group->paint(painter, area);
            painter.end();
            return image.pixel(inside);
        };
        QCOMPARE(render(all), 0xFF000000u);
        f.group->setActive(true);
        QCOMPARE(render(all), 0xFF00FF00u);
        QCOMPARE(render(QRect(0, 2700, 10, 10)), 0xFF000000u);
    }

    void baseAttachClearsTheGraphAndSelectsThePanel()
    {
        ProbeFixture f;
        tcGuiApGraph* graph = f.group->apGraph(9110);
        tcGraphAxis scale(QStringLiteral("dB"), 2, tcGraphAxis::LINEAR, tcGraphAxis::VERTICAL, 100, 0.0f, 1.0f);
        graph->setMode(APGRAPH_MODE_CURVES);
        graph->setExtraTitle(QStringLiteral("Earlier"));
        graph->setScales(&scale, &scale);
        f.group->attachGraph(graph);
        QCOMPARE(graph->extraTitle(), QString());
        QCOMPARE(graph->leftAxis(), nullptr);
        QCOMPARE(graph->rightAxis(), nullptr);
        QCOMPARE(graph->dragger(), nullptr);
        QCOMPARE(graph->currentPanel(), PROBE_PANEL);
        QCOMPARE(graph->x(), PROBE_PANEL * PANEL_STEP);
        f.group->attachGraph(nullptr);
    }

    void operationsOnMissingObjectsDoNothing()
    {
        ProbeFixture f;
        f.group->setDisplayText(9105, QStringLiteral("lost"));
        f.group->setKnob(9105, 3);
        f.group->setSwitch(9105, true);
        f.group->setKnob(9101, 3);
        QCOMPARE(f.group->displayKnob(9103), -1);
        f.group->setDisplayText(9103, QStringLiteral("kept"));
        QCOMPARE(f.group->display(9103)->caption(), QStringLiteral("kept"));
    }
};

QTEST_MAIN(tst_ControlGroup)
#include "tst_controlgroup.moc"
