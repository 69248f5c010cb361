#pragma once

// Fixtures shared by the toolkit's tests: a bench that keeps its own fonts and records
// what it is asked, a probe object that records the calls it gets, and bitmap strips
// whose sections can be told apart by colour.

#include "gqgui/bench.h"
#include "gqgui/gui_object.h"
#include "gqgui/skin_font.h"

#include <QDir>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSet>
#include <QStringList>

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <vector>

// A bench with the two predefined fonts that records invalidations, lock queries and
// log lines; the ids in `locked` are refused.
class tcTestBench : public tcBench
{
public:
    explicit tcTestBench(tcGQGuiWidget* host = nullptr) : tcBench(host)
    {
        for (const auto& recipe : PREDEFINED_SKIN_FONTS)
            m_fonts.push_back(std::make_unique<tcSkinFont>(recipe));
    }

    void fitWindow() override {}

    void log(const char* format, ...) override
    {
        char buffer[2048];
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        logLines.append(QString::fromUtf8(buffer));
    }

    bool interactionLocked(int objectId) override
    {
        lockQueries.append(objectId);
        return locked.contains(objectId);
    }

    void invalidate(const QRect& rect) override
    {
        invalidated.append(rect);
        tcBench::invalidate(rect);
    }

    tcSkinFont* fontByName(const QString& name) override
    {
        for (const auto& font : m_fonts) {
            if (font->name().text() == name)
                return font.get();
        }
        return nullptr;
    }

    template <typename T> T* add(std::unique_ptr<T> object)
    {
        T* raw = object.get();
        objects().append(std::move(object));
        return raw;
    }

    // Union of the rectangles invalidated since the last call, then forgotten.
    QRect takeInvalidated()
    {
        QRect all;
        for (const QRect& rect : std::as_const(invalidated))
            all |= rect;
        invalidated.clear();
        return all;
    }

    QList<QRect> invalidated;
    QSet<int> locked;
    QList<int> lockQueries;
    QStringList logLines;

private:
    std::vector<std::unique_ptr<tcSkinFont>> m_fonts;
};

// An object that records every call routed to it and fills its bounds when painted.
class tcProbe : public tcGuiObject
{
public:
    tcProbe(const QString& id, tcBench* bench, QRect rect, QRgb color, QStringList* journal = nullptr)
        : tcGuiObject(id, bench, 0, GUI_KIND_BUTTON), m_color(color), m_journal(journal)
    {
        m_x = rect.x();
        m_y = rect.y();
        m_width = rect.width();
        m_height = rect.height();
        setBoundsFromGeometry();
        m_captionBox = m_bounds;
        m_visible = true;
    }
    ~tcProbe() override { note(QStringLiteral("destroyed")); }

    bool mousePress(int x, int y) override { note(QStringLiteral("press %1,%2").arg(x).arg(y)); return takesPress; }
    void mouseRelease(int x, int y) override { note(QStringLiteral("release %1,%2").arg(x).arg(y)); }
    bool rightPress(int x, int y) override { note(QStringLiteral("rpress %1,%2").arg(x).arg(y)); return takesPress; }
    void mouseDrag(int x, int y, int m) override { note(QStringLiteral("drag %1,%2,%3").arg(x).arg(y).arg(m)); }
    void mouseHover(int x, int y, int) override { note(QStringLiteral("hover %1,%2").arg(x).arg(y)); }
    void wheel(int delta, int m) override { note(QStringLiteral("wheel %1,%2").arg(delta).arg(m)); }
    void doubleClick(int x, int y) override { note(QStringLiteral("dclick %1,%2").arg(x).arg(y)); }
    void tick() override { note(QStringLiteral("tick")); }
    bool acceptsPress() const override { return pressable; }
    bool acceptsRightPress() const override { return pressable; }
    bool acceptsWheel() const override { return pressable; }
    bool acceptsDoubleClick() const override { return pressable; }
    bool wantsHover() const override { return hovering; }
    void paint(QPainter& painter) override
    {
        note(QStringLiteral("paint"));
        painter.fillRect(m_bounds, QColor::fromRgba(m_color));
    }

    bool takesPress = true;
    bool pressable = true;
    bool hovering = true;
    QStringList calls;

private:
    void note(const QString& call)
    {
        calls.append(call);
        if (m_journal)
            m_journal->append(id() + QLatin1Char(' ') + call);
    }

    QRgb m_color;
    QStringList* m_journal;
};

// Colour of section n of a test strip: the red channel carries n.
inline QRgb sectionColor(int section)
{
    return qRgb(section, 128, 200);
}

// The section a pixel was drawn from, or -1 when it is not a strip colour.
inline int sectionAt(const QImage& image, int x, int y)
{
    const QRgb pixel = image.pixel(x, y);
    return qGreen(pixel) == 128 && qBlue(pixel) == 200 ? qRed(pixel) : -1;
}

// Writes a strip of sections of w x h pixels, each filled with its section colour
// (section n with the colour of colorBase + n), and returns its path. With sparse set,
// sections from 3 on are transparent except the pixel (n - 3, 0), so that ring segments
// drawn over a base section can be seen.
inline QString writeStrip(const QDir& dir, const QString& name, int sections, int w, int h, bool sparse = false,
                          int colorBase = 0)
{
    QImage image(sections * w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int n = 0; n < sections; ++n) {
        if (!sparse || n < 3)
            painter.fillRect(n * w, 0, w, h, QColor::fromRgb(sectionColor(colorBase + n)));
    }
    painter.end();
    for (int n = 3; sparse && n < sections; ++n)
        image.setPixel(n * w + (n - 3), 0, sectionColor(colorBase + n));
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

// Paints the bench (or the rect of it) into a fresh image filled with the colour.
inline QImage renderBench(tcBench& bench, QSize size, QRect rect = QRect(), QRgb fill = 0xFF000000)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    QPainter painter(&image);
    bench.paint(painter, rect.isNull() ? QRect(QPoint(0, 0), size) : rect);
    return image;
}

// Bounding box of the pixels that differ from the colour.
inline QRect inkBox(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}
