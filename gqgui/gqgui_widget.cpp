#include "gqgui/gqgui_widget.h"

#include "gqgui/bench.h"
#include "gqgui/gui_object.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

#include <chrono>

namespace {

qint64 steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int modifierBits(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? GUI_MOD_SHIFT : 0) |
           (modifiers & Qt::ControlModifier ? GUI_MOD_CTRL : 0);
}

} // namespace

tcGQGuiWidget::tcGQGuiWidget(QWidget* parent) : QWidget(parent), m_clock(steadyMilliseconds)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The bench goes first: its objects may still hold child widgets of this one.
tcGQGuiWidget::~tcGQGuiWidget()
{
    deleteBench();
}

void tcGQGuiWidget::setBench(std::unique_ptr<tcBench> bench)
{
    deleteBench();
    m_bench = std::move(bench);
}

void tcGQGuiWidget::deleteBench()
{
    m_bench.reset();
}

void tcGQGuiWidget::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 2 - height() / 2);
}

void tcGQGuiWidget::contextMenu(const QPoint&)
{
}

tcSkinFont* tcGQGuiWidget::fontByName(const QString&)
{
    return nullptr;
}

void tcGQGuiWidget::paintEvent(QPaintEvent* event)
{
    if (!m_bench)
        return;
    // One pass per rectangle of the dirty region: each pass is clipped to a plain rectangle,
    // which the raster engine fills directly, and only the objects under it are drawn.
    // Meters at both edges of the panel would otherwise repaint everything between them.
    QPainter painter(this);
    for (const QRect& rect : event->region())
        m_bench->paint(painter, rect);
}

void tcGQGuiWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPress(event);
    else if (event->button() == Qt::RightButton)
        rightPress(event);
    else
        event->ignore();
}

void tcGQGuiWidget::leftPress(QMouseEvent* event)
{
    m_leftDown = true;
    m_pressPos = event->position().toPoint();
    const auto result = m_bench ? m_bench->leftPress(m_pressPos.x(), m_pressPos.y())
                                : tcBench::PRESS_NOTHING_HIT;
    if (result == tcBench::PRESS_TAKEN)
        return;
    if (result == tcBench::PRESS_REFUSED) {
        m_leftDown = false;
        event->ignore();
        return;
    }
    if (m_windowDragAllowed && m_pressPos.y() < DRAG_BAND)
        m_windowDrag = true;
    else
        event->ignore();
}

void tcGQGuiWidget::rightPress(QMouseEvent* event)
{
    m_rightDown = true;
    const QPoint pos = event->position().toPoint();
    const auto result = m_bench ? m_bench->rightPress(pos.x(), pos.y()) : tcBench::PRESS_NOTHING_HIT;
    if (result == tcBench::PRESS_TAKEN)
        return;
    m_rightDown = false;
    if (result == tcBench::PRESS_NOTHING_HIT)
        contextMenu(mapToGlobal(pos));
    else
        event->ignore();
}

void tcGQGuiWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    bool taken = false;
    if (event->button() == Qt::LeftButton) {
        m_leftDown = false;
        m_windowDrag = false;
        taken = m_bench && m_bench->leftRelease(pos.x(), pos.y());
    } else if (event->button() == Qt::RightButton) {
        m_rightDown = false;
        taken = m_bench && m_bench->rightRelease(pos.x(), pos.y());
    }
    if (!taken)
        event->ignore();
}

void tcGQGuiWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!m_bench || !m_bench->doubleClick(pos.x(), pos.y()))
        event->ignore();
}

void tcGQGuiWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (throttled()) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (m_bench && m_bench->move(pos.x(), pos.y(), modifierBits(event->modifiers())))
        return;
    if (m_windowDrag && m_leftDown) {
        move(this->pos() + pos - m_pressPos);
        return;
    }
    event->ignore();
}

bool tcGQGuiWidget::throttled()
{
    const qint64 now = m_clock();
    if (m_throttleStart && now - *m_throttleStart < MOVE_THROTTLE_MS)
        return true;
    m_throttleStart = now;
    return false;
}

void tcGQGuiWidget::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    // A purely sideways turn has no sign to pass on.
    if (m_leftDown || !m_bench || delta == 0) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (!m_bench->wheel(pos.x(), pos.y(), delta > 0 ? 1 : -1, modifierBits(event->modifiers())))
        event->ignore();
}

void tcGQGuiWidget::closeEvent(QCloseEvent* event)
{
    deleteBench();
    QWidget::closeEvent(event);
}
