#include "gqgui/gui_display.h"

#include "gqgui/bench.h"
#include "gqgui/skin_font.h"

#include <QPainter>

namespace {
constexpr int MARQUEE_DELAY = 2;
constexpr int TEXT_FLAGS = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextIncludeTrailingSpaces;
}

tcGuiDisplay::tcGuiDisplay(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_DISPLAY), m_shown(DEFAULT_FIELD_WIDTH, QLatin1Char(' '))
{
    m_width = 10;
    m_height = 10;
}

std::unique_ptr<tcGuiObject> tcGuiDisplay::clone(tcBench* bench) const
{
    auto copy = std::make_unique<tcGuiDisplay>(*this);
    copy->rebind(bench);
    copy->m_entry.setCallbacks(nullptr, nullptr);
    return copy;
}

void tcGuiDisplay::finishLoading()
{
    defaultCaptionFont("GQGUI_MONOFONT");
    setBoundsFromGeometry();
    // The caption is the value drawn inside the bounds; there is no label elsewhere.
    m_captionBox = m_bounds;
    m_loaded = true;
}

void tcGuiDisplay::setText(const QString& text)
{
    if (text == m_caption)
        return;
    m_caption = text;
    restartMarquee();
    showText(text);
}

void tcGuiDisplay::doubleClick(int, int)
{
    if (!m_entry.wanted() || inputRefused())
        return;
    const QPoint at = m_bench ? m_bench->toHost(QPoint(m_x, m_y + m_height)) : QPoint(m_x, m_y + m_height);
    m_entry.run(m_parent, at, m_context, m_parameterId);
}

bool tcGuiDisplay::acceptsPress() const
{
    return false;
}

bool tcGuiDisplay::acceptsRightPress() const
{
    return false;
}

bool tcGuiDisplay::acceptsDoubleClick() const
{
    return m_entry.editable() || m_entry.doubleClickable();
}

void tcGuiDisplay::tick()
{
    if (!m_autoRepeat || m_caption.size() <= m_fieldWidth || m_marqueeCycle <= 0)
        return;
    m_marqueeDelay = qBound(0, m_marqueeDelay - 1, MARQUEE_DELAY);
    if (m_marqueeDelay != 0)
        return;
    m_marqueePos = (m_marqueePos + 1) % m_marqueeCycle;
    m_marqueeDelay = MARQUEE_DELAY;
    showText((m_caption + QLatin1String(MARQUEE_SEPARATOR) + m_caption).mid(m_marqueePos));
}

void tcGuiDisplay::paint(QPainter& painter)
{
    const StateLook colours = look();
    painter.save();
    painter.setClipRect(m_bounds, Qt::IntersectClip);
    if (!colours.transparent)
        painter.fillRect(m_bounds, QColor::fromRgba(colours.bg));
    if (!isDisabledLook()) {
        painter.setPen(QColor::fromRgba(colours.fg));
        painter.setFont(captionDrawingFont());
        painter.drawText(m_bounds, TEXT_FLAGS, m_shown);
    }
    painter.restore();
}

void tcGuiDisplay::setState(int state)
{
    if (state < STATE_NORMAL || state > STATE_WARNING || state == m_state)
        return;
    m_state = state;
    update();
}

void tcGuiDisplay::setFieldWidth(uint8_t width)
{
    m_fieldWidth = width;
    restartMarquee();
    showText(m_caption);
}

void tcGuiDisplay::setStateColor(int state, bool background, QRgb color)
{
    QRgb* target = nullptr;
    if (state == STATE_NORMAL)
        target = background ? &m_bgColor : &m_fgColor;
    else if (state == STATE_ERROR)
        target = background ? &m_error.bg : &m_error.fg;
    else if (state == STATE_WARNING)
        target = background ? &m_warn.bg : &m_warn.fg;
    if (target)
        *target = color;
}

void tcGuiDisplay::setStateTransparent(int state, bool transparent)
{
    if (state == STATE_NORMAL)
        m_bgTransparent = transparent;
    else if (state == STATE_ERROR)
        m_error.transparent = transparent;
    else if (state == STATE_WARNING)
        m_warn.transparent = transparent;
}

void tcGuiDisplay::showText(const QString& text)
{
    const QString shown = text.left(m_fieldWidth).leftJustified(m_fieldWidth, QLatin1Char(' '));
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (m_visible)
        update();
}

void tcGuiDisplay::restartMarquee()
{
    m_marqueePos = 0;
    m_marqueeCycle = int(m_caption.size()) + int(qstrlen(MARQUEE_SEPARATOR));
}

tcGuiDisplay::StateLook tcGuiDisplay::look() const
{
    if (m_state == STATE_ERROR)
        return m_error;
    if (m_state == STATE_WARNING)
        return m_warn;
    return {m_fgColor, m_bgColor, m_bgTransparent};
}
