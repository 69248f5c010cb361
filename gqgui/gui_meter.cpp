#include "gqgui/gui_meter.h"

#include "gqgui/bench.h"
#include "gqgui/gui_image.h"
#include "gqgui/skin_font.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int LABEL_FLAGS = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;

uint8_t levelByte(int value)
{
    return uint8_t(std::clamp(value, 0, METER_FULL_INDEX));
}
}

tcGuiMeter::tcGuiMeter(const QString& id, tcBench* bench, int serial)
    : tcGuiObject(id, bench, serial, GUI_KIND_METER)
{
    m_width = 15;
    m_height = 250;
}

std::unique_ptr<tcGuiObject> tcGuiMeter::clone(tcBench* bench) const
{
    auto copy = std::make_unique<tcGuiMeter>(*this);
    copy->rebind(bench);
    copy->m_background = copy->counterpart(m_background);
    copy->m_bar = copy->counterpart(m_bar);
    copy->m_lamp = copy->counterpart(m_lamp);
    return copy;
}

void tcGuiMeter::finishLoading()
{
    measureBitmaps();
    if (m_background)
        sizeFromBitmap(m_background);
    m_tables = meterPixelTables(m_barLength, m_vertical);
    m_ticks = meterTicks(m_barLength, m_vertical);
    setBoundsFromGeometry();
    measureScale();
    m_loaded = true;
}

void tcGuiMeter::measureScale()
{
    m_captionBox = m_bounds;
    if (!m_hasCaption)
        return;
    for (int label = 0; label < METER_LABEL_COUNT; ++label)
        m_captionBox |= labelRect(label);
}

// A meter given no bitmap draws nothing there and has nothing to warn about.
void tcGuiMeter::measureBitmaps()
{
    if (m_bar) {
        m_bar->finishLoading();
        if (m_bar->sections() != METER_SECTION_COUNT && m_bench)
            m_bench->log("WARNING: Meter bar image does not have 6 sections.");
        // A horizontal bar runs along the section's width.
        m_barLength = m_vertical ? m_bar->height() : m_bar->sectionWidth();
        m_barThickness = m_vertical ? m_bar->sectionWidth() : m_bar->height();
    }
    if (m_lamp) {
        m_lamp->finishLoading();
        if (m_lamp->sections() != METER_SECTION_COUNT && m_bench)
            m_bench->log("WARNING: Meter ovr image does not have 6 sections.");
        m_lampWidth = m_lamp->sectionWidth();
        m_lampHeight = m_lamp->height();
    }
}

void tcGuiMeter::setCaptionX(int x)
{
    m_captionX = x;
    m_hasCaption = true;
}

void tcGuiMeter::setCaptionY(int y)
{
    m_captionY = y;
    m_hasCaption = true;
}

bool tcGuiMeter::needsPaint(const QRect& rect) const
{
    m_paintArea = rect;
    return tcGuiObject::needsPaint(rect);
}

bool tcGuiMeter::acceptsPress() const
{
    return false;
}

void tcGuiMeter::paint(QPainter& painter)
{
    // A repaint that covers nothing but the bars and lamps leaves the rest alone.
    const bool levelsOnly = !m_paintArea.isNull() && levelArea().contains(m_paintArea);
    m_paintArea = QRect();
    if (m_background && !levelsOnly)
        m_background->drawSection(painter, m_x, m_y, 0);
    const int lit = METER_LIT_SECTION[m_style];
    for (int channel = 0; channel < m_channels; ++channel) {
        paintBar(painter, channel);
        if (m_clip && m_lamp) {
            const QRect lamp = lampRect(channel);
            m_lamp->drawSection(painter, lamp.x(), lamp.y(), m_channel[channel].overload ? lit : lit + 1);
        }
    }
    if (m_hasCaption && !levelsOnly)
        paintLabels(painter);
}

void tcGuiMeter::paintBar(QPainter& painter, int channel) const
{
    if (!m_bar)
        return;
    const QRect bar = barRect(channel);
    const int lit = METER_LIT_SECTION[m_style];
    const int unlit = lit + 1;
    const tcMeterPixels& table = m_tables[METER_STYLE_TABLE[m_style]];
    const bool gainReduction = meterStyleIsGainReduction(m_style);
    const int p = std::clamp(table[m_channel[channel].level], 0, m_barLength);
    // The part before p is unlit on a vertical level bar; a gain-reduction bar and a
    // horizontal bar turn that round, and a horizontal gain-reduction bar grows from the right.
    const bool litFirst = gainReduction != !m_vertical;
    paintBarPart(painter, bar, 0, p, litFirst ? lit : unlit);
    paintBarPart(painter, bar, p, m_barLength, litFirst ? unlit : lit);
    const uint8_t peak = m_channel[channel].peak;
    if (!gainReduction && peak != METER_NO_PEAK) {
        const int at = table[peak];
        // The slice starts where the lit part would start: below the value on a vertical
        // bar, left of it on a horizontal one.
        if (m_vertical)
            paintBarPart(painter, bar, at, at + PEAK_LENGTH, lit);
        else
            paintBarPart(painter, bar, at - PEAK_LENGTH, at, lit);
    }
}

void tcGuiMeter::paintBarPart(QPainter& painter, const QRect& bar, int from, int to, int section) const
{
    from = std::max(from, 0);
    to = std::min(to, m_barLength);
    if (from >= to)
        return;
    if (m_vertical)
        m_bar->drawSectionPart(painter, bar.x(), bar.y() + from, section, QRect(0, from, m_barThickness, to - from));
    else
        m_bar->drawSectionPart(painter, bar.x() + from, bar.y(), section, QRect(from, 0, to - from, m_barThickness));
}

void tcGuiMeter::paintLabels(QPainter& painter) const
{
    painter.save();
    painter.setPen(QColor::fromRgba(m_captionColor));
    painter.setFont(labelFont());
    for (int label = 0; label < METER_LABEL_COUNT; ++label) {
        painter.drawText(QRect(labelAnchor(label), QSize(0, 0)), LABEL_FLAGS,
                         QString::fromLatin1(METER_LABELS[m_style][label]));
    }
    painter.restore();
}

QFont tcGuiMeter::labelFont() const
{
    tcSkinFont* font = m_bench ? m_bench->headerFont() : nullptr;
    if (!font && m_bench)
        font = m_bench->fontByName(QStringLiteral("GQGUI_HFONT"));
    return font ? font->font() : QFont();
}

QPoint tcGuiMeter::labelAnchor(int label) const
{
    const int tick = m_ticks[label];
    return m_vertical ? QPoint(m_x + m_captionX, m_y + m_captionY + tick)
                      : QPoint(m_x + m_captionX + tick, m_y + m_captionY);
}

// The label's box, centred on its anchor.
QRect tcGuiMeter::labelRect(int label) const
{
    const QFontMetrics metrics(labelFont());
    return metrics.boundingRect(QRect(labelAnchor(label), QSize(0, 0)), LABEL_FLAGS,
                                QString::fromLatin1(METER_LABELS[m_style][label]));
}

void tcGuiMeter::setStyle(int style, bool clip, int channels)
{
    const int newStyle = meterStyleValid(style) ? style : m_style;
    const int newChannels = channels == 1 ? 1 : CHANNELS;
    if (newStyle == m_style && clip == m_clip && newChannels == m_channels)
        return;
    // The old lamps and scale are covered by the repaint before the change.
    update();
    m_style = newStyle;
    m_clip = clip;
    m_channels = newChannels;
    if (m_loaded)
        measureScale();
    update();
}

void tcGuiMeter::setBarX(int channel, int x)
{
    if (validChannel(channel))
        m_channel[channel].barX = x;
}

void tcGuiMeter::setBarY(int channel, int y)
{
    if (validChannel(channel))
        m_channel[channel].barY = y;
}

void tcGuiMeter::setLampX(int channel, int x)
{
    if (validChannel(channel))
        m_channel[channel].lampX = x;
}

void tcGuiMeter::setLampY(int channel, int y)
{
    if (validChannel(channel))
        m_channel[channel].lampY = y;
}

void tcGuiMeter::setLevels(const Bytes& levels, const Bytes& peaks, const Bytes& overloads)
{
    if (!m_visible || !m_parent)
        return;
    bool changed = false;
    for (int channel = 0; channel < CHANNELS; ++channel) {
        const Channel& stored = m_channel[channel];
        changed = changed || stored.level != levelByte(levels[channel]) || stored.peak != levelByte(peaks[channel])
                  || stored.overload != (overloads[channel] != 0);
    }
    if (!changed)
        return;
    for (int channel = 0; channel < CHANNELS; ++channel) {
        m_channel[channel].level = levelByte(levels[channel]);
        m_channel[channel].peak = levelByte(peaks[channel]);
        m_channel[channel].overload = overloads[channel] != 0;
    }
    m_parent->update(hostRect(levelArea()));
}

int tcGuiMeter::level(int channel) const
{
    return validChannel(channel) ? m_channel[channel].level : 0;
}

int tcGuiMeter::peak(int channel) const
{
    return validChannel(channel) ? m_channel[channel].peak : METER_NO_PEAK;
}

bool tcGuiMeter::overload(int channel) const
{
    return validChannel(channel) && m_channel[channel].overload;
}

QRect tcGuiMeter::barRect(int channel) const
{
    if (!validChannel(channel))
        return QRect();
    const QPoint at(m_x + m_channel[channel].barX, m_y + m_channel[channel].barY);
    return m_vertical ? QRect(at, QSize(m_barThickness, m_barLength)) : QRect(at, QSize(m_barLength, m_barThickness));
}

QRect tcGuiMeter::lampRect(int channel) const
{
    if (!validChannel(channel))
        return QRect();
    return QRect(m_x + m_channel[channel].lampX, m_y + m_channel[channel].lampY, m_lampWidth, m_lampHeight);
}

QRect tcGuiMeter::levelArea() const
{
    QRect area;
    for (int channel = 0; channel < m_channels; ++channel) {
        area |= barRect(channel);
        if (m_clip)
            area |= lampRect(channel);
    }
    return area;
}

QRect tcGuiMeter::hostRect(const QRect& rect) const
{
    if (!m_bench || !m_bench->scaling())
        return rect;
    // Rounded outwards: every host pixel the skin rectangle touches is repainted.
    const QPoint topLeft = m_bench->toHost(rect.topLeft());
    const QPoint bottomRight = m_bench->toHost(rect.bottomRight() + QPoint(1, 1));
    return QRect(topLeft, bottomRight).adjusted(-1, -1, 1, 1);
}
