#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <condition_variable>
#include <mutex>

// One skin bitmap file, read into memory and decoded once: by a helper thread of the
// image preloader or by the image that is drawn first, whichever begins first.
// Thread-safe; the size is known (from the file's header) from construction.
class tcImageJob
{
public:
    // Reads the picture's size from the header of the file's bytes.
    explicit tcImageJob(QByteArray bytes);

    // Invalid when the header cannot be read or names a picture too large to decode.
    QSize size() const { return m_size; }

    // Decodes the picture unless somebody has begun it already.
    void decodeIfPending();
    // True while another thread is decoding it.
    bool isRunning();

    // The picture, once: decoded here when nobody has begun it, else waited for. A null
    // image when the bytes do not decode.
    QImage take();

private:
    enum class tcState { PENDING, RUNNING, DONE };

    // Moves a pending job to RUNNING; false when somebody else began it.
    bool begin();
    void decode();

    const QSize m_size;
    std::mutex m_lock;
    std::condition_variable m_finished;
    tcState m_state = tcState::PENDING;
    QByteArray m_bytes;
    QImage m_image;
};
