// Builds a bench of 300 mixed skin objects on a 1000 x 600 host, paints it fully into an
// off-screen image, then turns one knob and repaints only what the knob invalidated.
// Prints the full-paint time, the repaint time and the repainted share of the window.

#include "gqgui/bench.h"
#include "gqgui/gui_button.h"
#include "gqgui/gui_checkbox.h"
#include "gqgui/gui_combo.h"
#include "gqgui/gui_display.h"
#include "gqgui/gui_image.h"
#include "gqgui/gui_knob.h"
#include "gqgui/gui_lamp.h"
#include "gqgui/gui_label.h"
#include "gqgui/gui_slider.h"
#include "gqgui/skin_font.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr QSize WINDOW(1000, 600);
constexpr int OBJECTS = 300;           // drawn objects, the background image included
constexpr int COLUMNS = 23;           // 23 x 13 cells hold the other 299
constexpr int CELL_W = 43;
constexpr int CELL_H = 45;
constexpr int FULL_ROUNDS = 40;
constexpr int KNOB_ROUNDS = 4000;
constexpr double AREA_GOAL = 0.02;
constexpr double COST_GOAL = 0.05;

// A bench without a host: it keeps the predefined fonts and collects what is invalidated.
class tcRepaintBench : public tcBench
{
public:
    tcRepaintBench() : tcBench(nullptr)
    {
        for (const auto& recipe : PREDEFINED_SKIN_FONTS)
            m_fonts.push_back(std::make_unique<tcSkinFont>(recipe));
    }
    void fitWindow() override {}
    void log(const char* format, ...) override
    {
        va_list args;
        va_start(args, format);
        std::vfprintf(stderr, format, args);
        va_end(args);
    }
    void invalidate(const QRect& rect) override { m_dirty |= rect; }
    tcSkinFont* fontByName(const QString& name) override
    {
        for (const auto& font : m_fonts) {
            if (font->name().text() == name)
                return font.get();
        }
        return nullptr;
    }
    QRect takeDirty() { return std::exchange(m_dirty, QRect()); }

private:
    std::vector<std::unique_ptr<tcSkinFont>> m_fonts;
    QRect m_dirty;
};

// A bitmap strip of `sections` sections of w x h, each a shaded panel; ring sections
// (from 3 on) hold one small lit dot on transparency.
QString writeStrip(const QDir& dir, const char* name, int sections, int w, int h, bool ring = false)
{
    QImage image(sections * w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int n = 0; n < sections; ++n) {
        const QRect cell(n * w, 0, w, h);
        if (ring && n >= 3) {
            painter.setBrush(QColor(255, 160, 0));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPoint(cell.center().x() + (n - 14), cell.top() + 3), 2, 2);
        } else {
            QLinearGradient shade(cell.topLeft(), cell.bottomLeft());
            shade.setColorAt(0, QColor(90 + 20 * n % 120, 90, 110));
            shade.setColorAt(1, QColor(30, 30, 40));
            painter.setBrush(shade);
            painter.setPen(QColor(10, 10, 10));
            painter.drawRoundedRect(cell.adjusted(1, 1, -1, -1), 4, 4);
        }
    }
    painter.end();
    const QString path = dir.filePath(QString::fromLatin1(name));
    image.save(path);
    return path;
}

tcGuiImage* addImage(tcRepaintBench& bench, const QString& path, const char* id, int sections)
{
    auto image = std::make_unique<tcGuiImage>(QString::fromLatin1(id), &bench, 0);
    image->setFile(path);
    image->setSections(sections);
    auto* raw = image.get();
    bench.objects().append(std::move(image));
    return raw;
}

struct tcSkinBitmaps
{
    tcGuiImage* knob;
    tcGuiImage* button;
    tcGuiImage* check;
    tcGuiImage* lamp;
    tcGuiImage* rail;
    tcGuiImage* thumb;
    tcGuiImage* arrows;
};

// The object for cell n, placed at (x, y); the kinds cycle through a skin-like mix.
std::unique_ptr<tcGuiObject> makeObject(tcRepaintBench& bench, const tcSkinBitmaps& bitmaps, int n, int x, int y)
{
    const QString id = QStringLiteral("OBJ_%1").arg(n);
    std::unique_ptr<tcGuiObject> object;
    switch (n % 8) {
    case 0:
    case 1: {
        auto knob = std::make_unique<tcGuiKnob>(id, &bench, n);
        knob->setStyle(tcGuiKnob::RING_BAR);
        knob->setBitmap(bitmaps.knob);
        knob->setValue(n % 256);
        knob->setCaptionX(0);
        knob->setCaptionY(32);
        knob->setText(QStringLiteral("K%1").arg(n));
        object = std::move(knob);
        break;
    }
    case 2: {
        auto display = std::make_unique<tcGuiDisplay>(id, &bench, n);
        display->setWidth(40);
        display->setHeight(14);
        display->setText(QStringLiteral("-%1.5").arg(n % 60));
        object = std::move(display);
        break;
    }
    case 3: {
        auto button = std::make_unique<tcGuiButton>(id, &bench, n);
        button->setBitmap(bitmaps.button);
        button->setText(QStringLiteral("B%1").arg(n));
        object = std::move(button);
        break;
    }
    case 4: {
        auto check = std::make_unique<tcGuiCheckBox>(id, &bench, n);
        check->setBitmap(bitmaps.check);
        check->setChecked(n % 3 == 0);
        object = std::move(check);
        break;
    }
    case 5: {
        auto lamp = std::make_unique<tcGuiLamp>(id, &bench, n);
        lamp->setBitmap(bitmaps.lamp);
        lamp->setState(n % 3);
        object = std::move(lamp);
        break;
    }
    case 6: {
        auto slider = std::make_unique<tcGuiSlider>(id, &bench, n);
        slider->setRailBitmap(bitmaps.rail);
        slider->setThumbBitmap(bitmaps.thumb);
        slider->setValue(n % 256);
        object = std::move(slider);
        break;
    }
    default: {
        auto combo = std::make_unique<tcGuiCombo>(id, &bench, n);
        combo->setBitmap(bitmaps.arrows);
        combo->setWidth(40);
        combo->setUserText(QStringLiteral("%1 Hz").arg(n * 10));
        object = std::move(combo);
        break;
    }
    }
    object->setX(x);
    object->setY(y);
    return object;
}

// The first knob, which the measurement turns.
tcGuiKnob* buildSkin(tcRepaintBench& bench, const QDir& dir)
{
    auto* background = addImage(bench, writeStrip(dir, "bkgrnd.png", 1, WINDOW.width(), WINDOW.height()), "BKGRND", 1);
    const tcSkinBitmaps bitmaps{
        addImage(bench, writeStrip(dir, "knob.png", 26, 30, 30, true), "KNOB", 26),
        addImage(bench, writeStrip(dir, "button.png", 12, 40, 18), "BUTTON", 12),
        addImage(bench, writeStrip(dir, "check.png", 6, 18, 18), "CHECK", 6),
        addImage(bench, writeStrip(dir, "lamp.png", 3, 14, 14), "LAMP", 3),
        addImage(bench, writeStrip(dir, "rail.png", 2, 14, 42), "RAIL", 2),
        addImage(bench, writeStrip(dir, "thumb.png", 2, 12, 8), "THUMB", 2),
        addImage(bench, writeStrip(dir, "arrows.png", 5, 10, 16), "ARROWS", 5),
    };
    tcGuiKnob* first = nullptr;
    for (int n = 0; n < OBJECTS - 1; ++n) {
        auto object = makeObject(bench, bitmaps, n, 4 + (n % COLUMNS) * CELL_W, 4 + (n / COLUMNS) * CELL_H);
        if (!first)
            first = dynamic_cast<tcGuiKnob*>(object.get());
        bench.objects().append(std::move(object));
    }
    for (const auto& object : bench.objects())
        object->finishLoading();
    // The bitmaps themselves are not drawn as objects: only the background is.
    for (const auto& object : bench.objects()) {
        if (object->kind() != GUI_KIND_IMAGE || object.get() == background)
            object->show(true);
    }
    bench.takeDirty();
    return first;
}

double fullPaintMicroseconds(tcRepaintBench& bench, QImage& target)
{
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < FULL_ROUNDS; ++round) {
        QPainter painter(&target);
        bench.paint(painter, target.rect());
    }
    return double(timer.nsecsElapsed()) / 1000.0 / FULL_ROUNDS;
}

// Turns the knob one step each round and repaints what it invalidated; returns the
// time per round and the largest repainted rectangle.
double knobRepaintMicroseconds(tcRepaintBench& bench, tcGuiKnob& knob, QImage& target, QRect* largest)
{
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < KNOB_ROUNDS; ++round) {
        knob.setValue(round % 2 ? knob.value() - 1 : knob.value() + 1);
        const QRect dirty = bench.takeDirty();
        if (dirty.width() * dirty.height() > largest->width() * largest->height())
            *largest = dirty;
        QPainter painter(&target);
        painter.setClipRect(dirty);
        bench.paint(painter, dirty);
    }
    return double(timer.nsecsElapsed()) / 1000.0 / KNOB_ROUNDS;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    tcRepaintBench bench;
    tcGuiKnob* knob = buildSkin(bench, QDir(dir.path()));
    if (!knob)
        return 1;

    QImage target(WINDOW, QImage::Format_ARGB32_Premultiplied);
    fullPaintMicroseconds(bench, target);   // warm-up: glyph and pixmap caches
    const double full = fullPaintMicroseconds(bench, target);
    QRect largest;
    const double knobCost = knobRepaintMicroseconds(bench, *knob, target, &largest);

    const double area = double(largest.width()) * largest.height() / (WINDOW.width() * WINDOW.height());
    const double cost = knobCost / full;
    int shown = 0;
    for (const auto& object : bench.objects())
        shown += object->isVisible() ? 1 : 0;
    std::printf("objects drawn:                %d (and %zu bitmaps) on a %d x %d window\n", shown,
                bench.objects().size() - size_t(shown), WINDOW.width(), WINDOW.height());
    std::printf("full paint:                   %.1f us\n", full);
    std::printf("one-knob change and repaint:  %.1f us (%.2f %% of a full paint, goal <= %.0f %%)\n", knobCost,
                cost * 100.0, COST_GOAL * 100.0);
    std::printf("repainted area:               %d x %d = %.3f %% of the window (goal <= %.0f %%)\n", largest.width(),
                largest.height(), area * 100.0, AREA_GOAL * 100.0);
    std::printf("result:                       %s\n", area <= AREA_GOAL && cost <= COST_GOAL ? "goals met" : "GOALS MISSED");
    return 0;
}
