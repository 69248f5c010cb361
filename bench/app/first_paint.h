#pragma once

// What the two start-up programs of the start-up benchmark share: the steady clock that
// the benchmark reads too (one clock for every process of the machine), and a watch for
// a window's first finished paint.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

inline long long steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Installed on the application before anything is shown: catches the first paint event
// of a window of one class, lets the window paint and notes the clock when it is done.
class tcFirstPaint : public QObject
{
public:
    explicit tcFirstPaint(const QMetaObject& kind)
        : m_kind(kind)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~tcFirstPaint() override { QCoreApplication::instance()->removeEventFilter(this); }

    // The clock after the first paint; 0 until then.
    long long paintedNs() const { return m_paintedNs; }

    // Runs the event loop until the window has painted once.
    void wait() const
    {
        while (m_paintedNs == 0)
            QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_paintedNs != 0 || event->type() != QEvent::Paint || !watched->metaObject()->inherits(&m_kind))
            return false;
        watched->event(event); // the window paints here, inside its own paint delivery
        m_paintedNs = steadyNs();
        return true;
    }

private:
    const QMetaObject& m_kind;
    long long m_paintedNs = 0;
};

// The one line a start-up program prints for the benchmark: the clock at main, once the
// application object exists, and after the first painted frame, with the frame's size.
inline void reportStartup(long long mainNs, long long appNs, const tcFirstPaint& paint, const QWidget& widget)
{
    std::printf("startup %lld %lld %lld %d %d\n", mainNs, appNs, paint.paintedNs(), widget.width(), widget.height());
    std::fflush(stdout);
}
