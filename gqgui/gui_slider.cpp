#include "gqgui/gui_slider.h"

#include "gqgui/gui_image.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {
constexpr int SHIFT_DRAG_FACTOR = 5;
constexpr int WHEEL_PIXELS = 3;
constexpr int SHIFT_WHEEL_PIXELS = 10;

int roundAway(double value)
{
    return int(std::lround(value));
}
} // namespace

tcGuiSlider::tcGuiSlider(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_SLIDER)
{
    m_width = 40;
    m_height = 100;
    m_minimum = 0;
    m_maximum = 255;
}

std::unique_ptr<tcGuiObject> tcGuiSlider::clone(tcBench* bench) const
{
    auto copy = std::make_unique<tcGuiSlider>(*this);
    copy->rebind(bench);
    copy->m_rail = copy->counterpart(m_rail);
    copy->m_thumb = copy->counterpart(m_thumb);
    copy->m_pressed = false;
    copy->m_change = nullptr;
    return copy;
}

void tcGuiSlider::finishLoading()
{
    m_value = qBound(m_minimum, m_value, m_maximum);
    defaultCaptionFont("GQGUI_HFONT");
    sizeFromBitmap(m_rail);
    if (m_thumb) {
        m_thumb->finishLoading();
        m_hasStates = m_rail && m_rail->sections() > 1;
        // The thumb's own section count: a thumb strip cut differently from the rail
        // still gives the width of one thumb.
        m_thumbWidth = m_thumb->sectionWidth();
        m_thumbHeight = m_thumb->height();
    }
    m_thumbPos = thumbFromValue(m_value);
    setBoundsFromGeometry();
    updateCaptionBounds(m_captionAlign);
    m_loaded = true;
}

bool tcGuiSlider::mousePress(int x, int y)
{
    if (inputRefused())
        return false;
    m_pressX = x;
    m_pressY = y;
    m_pressed = true;
    if (m_hasStates)
        update();
    return true;
}

void tcGuiSlider::mouseRelease(int x, int y)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    m_hover = hitTest(x, y);
    update();
}

void tcGuiSlider::mouseDrag(int x, int y, int modifiers)
{
    int d = horizontal() ? x - m_pressX : m_pressY - y;
    m_pressX = x;
    m_pressY = y;
    if (modifiers & GUI_MOD_SHIFT)
        d *= SHIFT_DRAG_FACTOR;
    moveBy(d, modifiers);
}

void tcGuiSlider::wheel(int delta, int modifiers)
{
    if (inputRefused())
        return;
    moveBy(delta * (modifiers & GUI_MOD_SHIFT ? SHIFT_WHEEL_PIXELS : WHEEL_PIXELS), modifiers);
}

bool tcGuiSlider::acceptsWheel() const
{
    return true;
}

bool tcGuiSlider::wantsHover() const
{
    return true;
}

void tcGuiSlider::paint(QPainter& painter)
{
    // A rail of one section has no lit state to show.
    const int lit = m_hasStates && (m_pressed || m_hover) ? 1 : 0;
    if (m_rail)
        m_rail->drawSection(painter, m_x, m_y, lit);
    if (m_thumb) {
        // Centred on its position along the rail and centred across it.
        const int centre = isDisabledLook() ? thumbFromValue(m_minimum) : m_thumbPos;
        const int left = horizontal() ? m_x + centre - m_thumbWidth / 2 : m_x + (m_width - m_thumbWidth) / 2;
        const int top = horizontal() ? m_y + (m_height - m_thumbHeight) / 2 : m_y + centre - m_thumbHeight / 2;
        m_thumb->drawSection(painter, left, top, lit);
    }
    drawCaption(painter, m_captionAlign, 0);
}

void tcGuiSlider::setDirection(int direction)
{
    if (direction == VERTICAL || direction == HORIZONTAL)
        m_direction = direction;
}

void tcGuiSlider::setValue(int value)
{
    const int clamped = qBound(m_minimum, value, m_maximum);
    if (clamped == m_value)
        return;
    m_value = clamped;
    m_thumbPos = thumbFromValue(m_value);
    update();
}

// A maximum below the minimum leaves an empty range at the minimum.
void tcGuiSlider::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_value = qBound(m_minimum, m_value, m_maximum);
    m_thumbPos = thumbFromValue(m_value);
    update();
}

int tcGuiSlider::thumbFromValue(int value) const
{
    const int range = m_maximum - m_minimum;
    const double f = range > 0 ? double(value - m_minimum) / range : 0.0;
    const int offset = roundAway(travel() * f);
    return horizontal() ? offset + m_thumbWidth / 2 : m_height - m_thumbHeight / 2 - offset;
}

int tcGuiSlider::valueFromThumb(int position) const
{
    if (travel() <= 0)
        return m_minimum;
    const int fromMinimum = horizontal() ? position - m_thumbWidth / 2 : m_height - m_thumbHeight / 2 - position;
    return roundAway(double(fromMinimum) * (m_maximum - m_minimum) / travel()) + m_minimum;
}

void tcGuiSlider::moveBy(int d, int modifiers)
{
    const int old = m_value;
    const int oldPos = m_thumbPos;
    int value;
    if (modifiers & GUI_MOD_CTRL) {
        value = m_value + qBound(-1, d, 1);
        m_thumbPos = thumbFromValue(value);
    } else {
        m_thumbPos += horizontal() ? d : -d;
        value = valueFromThumb(m_thumbPos);
    }
    if (value < m_minimum || value > m_maximum) {
        value = qBound(m_minimum, value, m_maximum);
        m_thumbPos = thumbFromValue(value);
    }
    m_value = value;
    // The thumb may move within one value step: it is redrawn whenever it moves.
    if (m_value != old || m_thumbPos != oldPos)
        update();
    if (m_value != old && m_loaded && m_change)
        m_change(m_context, m_parameterId, m_value);
}

int tcGuiSlider::travel() const
{
    return horizontal() ? m_width - m_thumbWidth : m_height - m_thumbHeight;
}
