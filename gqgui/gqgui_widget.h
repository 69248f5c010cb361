#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class tcBench;
class tcSkinFont;

// The one real window of a skin: owns the bench and turns its paint, mouse and wheel
// events into calls on the bench. The application's main window derives from it.
// GUI thread only.
class tcGQGuiWidget : public QWidget
{
    Q_OBJECT

public:
    // Mouse moves reach the bench at most once per this many milliseconds.
    static constexpr int MOVE_THROTTLE_MS = 100;
    // A press on no object this close to the top edge moves the window.
    static constexpr int DRAG_BAND = 30;

    // Monotonic milliseconds; the move throttle reads its time from it.
    using Clock = std::function<qint64()>;

    explicit tcGQGuiWidget(QWidget* parent = nullptr);
    ~tcGQGuiWidget() override;

    tcBench* bench() const { return m_bench.get(); }
    // Takes the bench, deleting the previous one with all its objects.
    void setBench(std::unique_ptr<tcBench> bench);
    void deleteBench();

    // Puts the widget's centre on the centre of the primary screen.
    void centreOnScreen();
    // Called for a right press that hits no object, with the global position.
    virtual void contextMenu(const QPoint& globalPos);
    // The skin font of that name, asked by a bench that keeps no fonts; none here.
    virtual tcSkinFont* fontByName(const QString& name);

    void setWindowDragAllowed(bool allowed) { m_windowDragAllowed = allowed; }
    bool windowDragAllowed() const { return m_windowDragAllowed; }
    void setClock(Clock clock) { m_clock = std::move(clock); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void leftPress(QMouseEvent* event);
    void rightPress(QMouseEvent* event);
    // True when a move at this time falls inside the running throttle period.
    bool throttled();

    std::unique_ptr<tcBench> m_bench;
    bool m_leftDown = false;
    bool m_rightDown = false;
    bool m_windowDrag = false;
    bool m_windowDragAllowed = true;
    QPoint m_pressPos;
    Clock m_clock;
    std::optional<qint64> m_throttleStart;
};
