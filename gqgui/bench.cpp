#include "gqgui/bench.h"

#include "gqgui/gqgui_widget.h"

#include <QPainter>
#include <QRectF>

#include <cmath>
#include <utility>

tcBench::tcBench(tcGQGuiWidget* host) : m_host(host)
{
}

tcBench::~tcBench() = default;

bool tcBench::interactionLocked(int)
{
    return false;
}

void tcBench::paint(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setClipRect(rect);
    if (m_scaling)
        painter.scale(m_scaleX, m_scaleY);
    const QRect area = toSkin(rect);
    for (const auto& object : m_objects) {
        if (object->needsPaint(area))
            object->paint(painter);
    }
    painter.restore();
}

void tcBench::invalidate(const QRect& rect)
{
    if (m_host)
        m_host->update(toHost(rect));
}

void tcBench::tick()
{
    for (const auto& object : m_objects)
        object->tick();
}

void tcBench::clear()
{
    // The captures point into the list: they go with it.
    m_leftCapture = nullptr;
    m_rightCapture = nullptr;
    m_objects.clear();
}

tcSkinFont* tcBench::fontByName(const QString& name)
{
    return m_host ? m_host->fontByName(name) : nullptr;
}

tcBench::PressResult tcBench::leftPress(int x, int y)
{
    m_leftCapture = nullptr;
    const QPoint point = toSkin(x, y);
    tcGuiObject* object = firstHit(point, [](const tcGuiObject& o) { return o.acceptsPress(); });
    if (!object)
        return PRESS_NOTHING_HIT;
    if (!object->mousePress(point.x(), point.y()))
        return PRESS_REFUSED;
    m_leftCapture = object;
    return PRESS_TAKEN;
}

tcBench::PressResult tcBench::rightPress(int x, int y)
{
    m_rightCapture = nullptr;
    const QPoint point = toSkin(x, y);
    tcGuiObject* object = firstHit(point, [](const tcGuiObject& o) { return o.acceptsRightPress(); });
    if (!object)
        return PRESS_NOTHING_HIT;
    if (!object->rightPress(point.x(), point.y()))
        return PRESS_REFUSED;
    m_rightCapture = object;
    return PRESS_TAKEN;
}

bool tcBench::leftRelease(int x, int y)
{
    tcGuiObject* object = std::exchange(m_leftCapture, nullptr);
    if (!object)
        return false;
    const QPoint point = toSkin(x, y);
    object->mouseRelease(point.x(), point.y());
    return true;
}

bool tcBench::rightRelease(int x, int y)
{
    tcGuiObject* object = std::exchange(m_rightCapture, nullptr);
    if (!object)
        return false;
    const QPoint point = toSkin(x, y);
    object->mouseRelease(point.x(), point.y());
    return true;
}

bool tcBench::move(int x, int y, int modifiers)
{
    const QPoint point = toSkin(x, y);
    if (m_leftCapture) {
        m_leftCapture->mouseDrag(point.x(), point.y(), modifiers);
        return true;
    }
    for (const auto& object : m_objects) {
        if (object->wantsHover())
            object->mouseHover(point.x(), point.y(), modifiers);
    }
    return false;
}

bool tcBench::wheel(int x, int y, int delta, int modifiers)
{
    tcGuiObject* object = firstHit(toSkin(x, y), [](const tcGuiObject& o) { return o.acceptsWheel(); });
    if (object)
        object->wheel(delta, modifiers);
    return object != nullptr;
}

bool tcBench::doubleClick(int x, int y)
{
    const QPoint point = toSkin(x, y);
    tcGuiObject* object = firstHit(point, [](const tcGuiObject& o) { return o.acceptsDoubleClick(); });
    if (object)
        object->doubleClick(point.x(), point.y());
    return object != nullptr;
}

void tcBench::setScaling(bool on, float scaleX, float scaleY)
{
    const bool valid = scaleX > 0.0f && scaleY > 0.0f;
    m_scaling = on && valid;
    m_scaleX = valid ? scaleX : 1.0f;
    m_scaleY = valid ? scaleY : 1.0f;
}

QPoint tcBench::toHost(const QPoint& skinPoint) const
{
    if (!m_scaling)
        return skinPoint;
    return QPoint(int(std::lround(skinPoint.x() * m_scaleX)), int(std::lround(skinPoint.y() * m_scaleY)));
}

void tcBench::takeDefaultFonts()
{
    m_headerFont = fontByName(QStringLiteral("GQGUI_HFONT"));
    m_monoFont = fontByName(QStringLiteral("GQGUI_MONOFONT"));
}

QPoint tcBench::toSkin(int x, int y) const
{
    if (!m_scaling)
        return QPoint(x, y);
    return QPoint(int(std::lround(x / m_scaleX)), int(std::lround(y / m_scaleY)));
}

// Rectangles are rounded outwards so that every pixel they touch is kept.
QRect tcBench::toSkin(const QRect& rect) const
{
    if (!m_scaling)
        return rect;
    return QRectF(rect.x() / m_scaleX, rect.y() / m_scaleY, rect.width() / m_scaleX,
                  rect.height() / m_scaleY).toAlignedRect();
}

QRect tcBench::toHost(const QRect& rect) const
{
    if (!m_scaling)
        return rect;
    return QRectF(rect.x() * m_scaleX, rect.y() * m_scaleY, rect.width() * m_scaleX,
                  rect.height() * m_scaleY).toAlignedRect();
}

template <typename Accepts>
tcGuiObject* tcBench::firstHit(const QPoint& point, Accepts accepts) const
{
    for (const auto& object : m_objects) {
        if (accepts(*object) && object->hitTest(point.x(), point.y()))
            return object.get();
    }
    return nullptr;
}
