// The bitmap strips the generator draws for the shipped skins: the sections the objects
// read must be there and tell their states apart, and the ring knob's segments must sit
// where their mask bits say.

#include "gqgui/gui_knob.h"
#include "tools/skingen/art_palette.h"
#include "tools/skingen/skin_sheet.h"
#include "tools/skingen/strip_painter.h"
#include "tools/skingen/strip_recipes.h"

#include <QImage>
#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

// A knob's segment for mask bit b is drawn from section b + 3; bit 12 is the centre.
constexpr int RING_FIRST_BIT = tcGuiKnob::RING_FIRST_BIT;
constexpr int RING_CENTRE_BIT = tcGuiKnob::RING_CENTRE_BIT;
constexpr int RING_LAST_BIT = tcGuiKnob::RING_LAST_BIT;
constexpr int SEGMENT_SECTION_OFFSET = tcGuiKnob::RING_SECTION_OFFSET;

QStringList shippedSkins()
{
    return {QStringLiteral("default"), QStringLiteral("compact")};
}

const tcStripRecipe& recipe(tcStripKind kind)
{
    for (const tcStripRecipe& r : STRIP_RECIPES) {
        if (r.kind == kind)
            return r;
    }
    qFatal("no recipe");
}

QImage section(const QImage& strip, int sections, int n)
{
    const int width = strip.width() / sections;
    return strip.copy(n * width, 0, width, strip.height());
}

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    }
    return count;
}

// Angle in degrees of the opaque pixels' centroid, clockwise from twelve o'clock.
double centroidAngle(const QImage& image)
{
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
        }
    }
    const double dx = sx / n - image.width() / 2.0;
    const double dy = sy / n - image.height() / 2.0;
    return std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
}

double brightness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    }
    return sum;
}

} // namespace

class tcSkinStripsTest : public QObject
{
    Q_OBJECT

private:
    // The strip of the recipe as the generator draws it for the skin.
    QImage strip(const QString& skin, const tcStripRecipe& r)
    {
        tcSkinSheet sheet;
        if (!sheet.read(QStringLiteral(K7_SKINS_SOURCE_DIR "/") + skin))
            qFatal("%s", qPrintable(sheet.error()));
        QString missing;
        const std::optional<tcArtPalette> palette = tcArtPalette::fromSheet(sheet, &missing);
        if (!palette)
            qFatal("no colour %s", qPrintable(missing));
        const QSize size(*sheet.offset(QLatin1String(r.widthOffset)), *sheet.offset(QLatin1String(r.heightOffset)));
        return tcStripPainter(*palette).paint(r, size).convertToFormat(QImage::Format_ARGB32);
    }

    void addSkinRows()
    {
        QTest::addColumn<QString>("skin");
        for (const QString& skin : shippedSkins())
            QTest::newRow(qPrintable(skin)) << skin;
    }

private slots:
    void knobSegmentsFollowTheMaskBits_data() { addSkinRows(); }

    // Segments go round clockwise, symmetric about the top, the centre bit at the top;
    // the two sections before the first segment are never drawn and stay empty.
    void knobSegmentsFollowTheMaskBits()
    {
        QFETCH(QString, skin);
        const tcStripRecipe& knob = recipe(tcStripKind::KNOB);
        QCOMPARE(knob.sections, RING_LAST_BIT + SEGMENT_SECTION_OFFSET + 1);
        const QImage image = strip(skin, knob);
        for (int n = 0; n < 3; ++n)
            QVERIFY2(opaquePixels(section(image, knob.sections, n)) > 0, qPrintable(QString::number(n)));
        for (int n = 3; n < RING_FIRST_BIT + SEGMENT_SECTION_OFFSET; ++n)
            QCOMPARE(opaquePixels(section(image, knob.sections, n)), 0);
        double previous = -180.0;
        for (int bit = RING_FIRST_BIT; bit <= RING_LAST_BIT; ++bit) {
            const QImage segment = section(image, knob.sections, bit + SEGMENT_SECTION_OFFSET);
            QVERIFY(opaquePixels(segment) > 0);
            const double angle = centroidAngle(segment);
            QVERIFY2(angle > previous + 5.0, qPrintable(QStringLiteral("bit %1 at %2").arg(bit).arg(angle)));
            previous = angle;
        }
        const auto angleOf = [&](int bit) {
            return centroidAngle(section(image, knob.sections, bit + SEGMENT_SECTION_OFFSET));
        };
        QVERIFY(std::abs(angleOf(RING_CENTRE_BIT)) < 1.5);
        QVERIFY(std::abs(angleOf(RING_FIRST_BIT) + angleOf(RING_LAST_BIT)) < 1.5);
        QVERIFY(angleOf(RING_FIRST_BIT) < -90.0);
    }

    void sectionsTellTheirStatesApart_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<int>("recipeIndex");
        for (const QString& skin : shippedSkins()) {
            for (int i = 0; i < int(std::size(STRIP_RECIPES)); ++i) {
                // An overload lamp may look the same on every scale; its lit and unlit
                // sections are checked below.
                if (STRIP_RECIPES[i].sections > 1 && STRIP_RECIPES[i].kind != tcStripKind::METER_OVR)
                    QTest::addRow("%s %s", qPrintable(skin), STRIP_RECIPES[i].file) << skin << i;
            }
        }
    }

    // No two sections of a strip are the same picture (a missing state would draw as
    // another one), and none is empty.
    void sectionsTellTheirStatesApart()
    {
        QFETCH(QString, skin);
        QFETCH(int, recipeIndex);
        const tcStripRecipe& r = STRIP_RECIPES[recipeIndex];
        const QImage image = strip(skin, r);
        QList<QImage> seen;
        for (int n = 0; n < r.sections; ++n) {
            const QImage s = section(image, r.sections, n);
            // The knob's two unused sections are empty by design.
            if (r.kind == tcStripKind::KNOB && (n == 3 || n == 4))
                continue;
            QVERIFY2(opaquePixels(s) > 0, qPrintable(QStringLiteral("section %1 is empty").arg(n)));
            for (int m = 0; m < seen.size(); ++m)
                QVERIFY2(s != seen[m], qPrintable(QStringLiteral("sections %1 and %2 are the same").arg(m).arg(n)));
            seen.append(s);
        }
    }

    void meterStripsLightTheirLitSections_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<int>("kind");
        for (const QString& skin : shippedSkins()) {
            QTest::addRow("%s bar", qPrintable(skin)) << skin << int(tcStripKind::METER_BAR);
            QTest::addRow("%s overload", qPrintable(skin)) << skin << int(tcStripKind::METER_OVR);
        }
    }

    // Sections 0, 2, 4 are the lit ones of the three scale pairs, 1, 3, 5 the unlit ones.
    void meterStripsLightTheirLitSections()
    {
        QFETCH(QString, skin);
        QFETCH(int, kind);
        const tcStripRecipe& r = recipe(tcStripKind(kind));
        QCOMPARE(r.sections, 6);
        const QImage image = strip(skin, r);
        for (int pair = 0; pair < 3; ++pair) {
            const double lit = brightness(section(image, 6, 2 * pair));
            const double unlit = brightness(section(image, 6, 2 * pair + 1));
            QVERIFY2(lit > 2.0 * unlit, qPrintable(QStringLiteral("pair %1: %2 against %3").arg(pair).arg(lit).arg(unlit)));
        }
    }

    // A meter bar is read a pixel row at a time: every row of every section is opaque.
    void meterBarCoversItsLength()
    {
        const QImage image = strip(QStringLiteral("default"), recipe(tcStripKind::METER_BAR));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(qAlpha(image.pixel(x, y)), 255);
        }
    }
};

QTEST_MAIN(tcSkinStripsTest)
#include "tst_skinstrips.moc"
