#include "gqgui/gui_object.h"

#include "gqgui/bench.h"
#include "gqgui/gui_image.h"
#include "gqgui/skin_font.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace {
constexpr int CAPTION_FLAGS = Qt::TextSingleLine | Qt::TextDontClip;
}

tcGuiObject::tcGuiObject(const QString& id, tcBench* bench, int serial, int kind)
    : m_kind(kind), m_bench(bench), m_id(id), m_serial(serial)
{
}

tcGuiObject::~tcGuiObject() = default;

std::unique_ptr<tcGuiObject> tcGuiObject::clone(tcBench*) const
{
    return nullptr;
}

tcGuiObject* tcGuiObject::parent() const
{
    return nullptr;
}

int tcGuiObject::parentKind() const
{
    return GUI_KIND_BENCH;
}

QWidget* tcGuiObject::parentWidget() const
{
    return m_parent;
}

void tcGuiObject::finishLoading()
{
}

void tcGuiObject::show(bool on)
{
    if (!on) {
        hide();
        return;
    }
    if (!m_visible) {
        m_visible = true;
        update();
    }
}

void tcGuiObject::hide()
{
    if (m_visible) {
        m_visible = false;
        update();
    }
}

void tcGuiObject::setText(const QString& text)
{
    if (text == m_caption)
        return;
    m_caption = text;
    if (m_visible)
        update();
    // The box follows the alignment the caption is drawn with, so that the repaint
    // covers the drawn text whatever the object's alignment.
    updateCaptionBounds(m_captionAlign);
    if (m_visible)
        update();
}

void tcGuiObject::setX(int x)
{
    m_x = x;
}

void tcGuiObject::setY(int y)
{
    m_y = y;
}

void tcGuiObject::setHeight(int height)
{
    m_height = height;
}

void tcGuiObject::setWidth(int width)
{
    m_width = width;
}

void tcGuiObject::setCaptionX(int x)
{
    m_captionX = x;
}

void tcGuiObject::setCaptionY(int y)
{
    m_captionY = y;
}

bool tcGuiObject::hitTest(int px, int py) const
{
    return m_visible && px >= m_x && px <= m_x + m_width && py >= m_y && py <= m_y + m_height;
}

bool tcGuiObject::needsPaint(const QRect& rect) const
{
    return m_visible && (rect.intersects(m_bounds) || rect.intersects(m_captionBox));
}

bool tcGuiObject::mousePress(int, int)
{
    return false;
}

void tcGuiObject::mouseRelease(int x, int y)
{
    if (m_hover && acceptsPress() && wantsHover()) {
        m_hover = hitTest(x, y);
        if (!m_hover)
            update();
    }
}

bool tcGuiObject::rightPress(int, int)
{
    return false;
}

void tcGuiObject::rightRelease(int x, int y)
{
    if (m_hover && acceptsRightPress() && wantsHover()) {
        m_hover = hitTest(x, y);
        if (!m_hover)
            update();
    }
}

void tcGuiObject::mouseDrag(int, int, int)
{
}

void tcGuiObject::mouseHover(int x, int y, int)
{
    if (wantsHover())
        setHover(hitTest(x, y));
}

void tcGuiObject::wheel(int, int)
{
}

void tcGuiObject::doubleClick(int, int)
{
}

bool tcGuiObject::acceptsPress() const
{
    return true;
}

bool tcGuiObject::acceptsRightPress() const
{
    return false;
}

bool tcGuiObject::acceptsWheel() const
{
    return false;
}

bool tcGuiObject::acceptsDoubleClick() const
{
    return false;
}

bool tcGuiObject::wantsHover() const
{
    return false;
}

int tcGuiObject::minimum() const
{
    return m_minimum;
}

int tcGuiObject::maximum() const
{
    return m_maximum;
}

void tcGuiObject::setAutoRepeat(bool on)
{
    m_autoRepeat = on;
}

void tcGuiObject::tick()
{
}

void tcGuiObject::paint(QPainter&)
{
}

void tcGuiObject::updateCaptionBounds(int alignment)
{
    if (m_caption.isEmpty()) {
        m_captionBox = m_bounds;
        return;
    }
    // Measured exactly as drawCaption lays the lines out (alignment relative to a point),
    // then turned with the same rotation, so the box always covers the drawn caption.
    const QFontMetrics metrics(captionDrawingFont());
    const QStringList lines = m_caption.split(QLatin1Char('\n'));
    QRect box;
    for (int i = 0; i < lines.size(); ++i)
        box |= metrics.boundingRect(QRect(0, i * captionSpace(), 0, 0), alignment | CAPTION_FLAGS, lines[i]);
    m_captionBox = captionTransform(0).mapRect(QRectF(box)).toAlignedRect();
}

void tcGuiObject::drawCaption(QPainter& painter, int alignment, int offset)
{
    if (m_caption.isEmpty())
        return;
    painter.save();
    painter.setTransform(captionTransform(offset), true);
    painter.setPen(QColor::fromRgba(m_captionColor));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(captionDrawingFont());
    const QStringList lines = m_caption.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(0, i * captionSpace(), 0, 0), alignment | CAPTION_FLAGS, lines[i]);
    painter.restore();
}

void tcGuiObject::update()
{
    if (m_bench)
        m_bench->invalidate(m_bounds.united(m_captionBox));
}

int tcGuiObject::reducedAngle(int angle)
{
    if (angle == 0 || angle == 90 || angle == -90)
        return angle;
    return angle % 90;
}

bool tcGuiObject::inputRefused() const
{
    return m_inputFlags != 0 || (m_bench && m_bench->interactionLocked(m_parameterId));
}

void tcGuiObject::defaultCaptionFont(const char* name)
{
    if (!m_captionFont && m_bench)
        m_captionFont = m_bench->fontByName(QString::fromLatin1(name));
}

void tcGuiObject::setBoundsFromGeometry()
{
    m_bounds = QRect(m_x, m_y, m_width, m_height);
}

void tcGuiObject::sizeFromBitmap(tcGuiImage* bitmap)
{
    if (!bitmap)
        return;
    bitmap->finishLoading();
    m_width = bitmap->sectionWidth();
    m_height = bitmap->height();
}

void tcGuiObject::setHover(bool on)
{
    if (on != m_hover) {
        m_hover = on;
        update();
    }
}

void tcGuiObject::rebind(tcBench* bench)
{
    m_bench = bench;
    m_visible = false;
    m_loaded = false;
    m_hover = false;
    m_parent = nullptr;
    m_context = nullptr;
    m_parameterId = -1;
    m_inputFlags = 0;
    if (m_captionFont)
        m_captionFont = bench ? bench->fontByName(m_captionFont->name().text()) : nullptr;
}

tcGuiImage* tcGuiObject::counterpart(const tcGuiImage* image) const
{
    if (!image || !m_bench)
        return nullptr;
    return static_cast<tcGuiImage*>(m_bench->objects().find(image->id(), GUI_KIND_IMAGE));
}

// An object without a skin font draws with the default font, upright, 10 pixels a line.
QFont tcGuiObject::captionDrawingFont() const
{
    return m_captionFont ? m_captionFont->font() : QFont();
}

int tcGuiObject::captionSpace() const
{
    return m_captionFont ? m_captionFont->space() : tcSkinFont::DEFAULT_SPACE;
}

QTransform tcGuiObject::captionTransform(int offset) const
{
    const int angle = m_captionFont ? reducedAngle(m_captionFont->angle()) : 0;
    QTransform transform;
    transform.translate(m_x + m_captionX + offset, m_y + m_captionY + offset);
    transform.rotate((360 - angle) % 360);
    return transform;
}
