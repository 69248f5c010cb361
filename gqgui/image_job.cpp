#include "gqgui/image_job.h"

#include <QBuffer>
#include <QImageReader>

#include <utility>

namespace {

constexpr int MAX_SIDE = 16384;

// A size that the decoder will not refuse as too large to allocate, else invalid.
QSize headerSize(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer).size();
    const qint64 megabytes = qint64(size.width()) * size.height() * 4 / (1024 * 1024);
    const bool fits = size.width() <= MAX_SIDE && size.height() <= MAX_SIDE
        && (QImageReader::allocationLimit() == 0 || megabytes < QImageReader::allocationLimit());
    return fits ? size : QSize();
}

} // namespace

tcImageJob::tcImageJob(QByteArray bytes)
    : m_size(headerSize(bytes)), m_bytes(std::move(bytes))
{
}

void tcImageJob::decodeIfPending()
{
    if (begin())
        decode();
}

bool tcImageJob::isRunning()
{
    const std::lock_guard lock(m_lock);
    return m_state == tcState::RUNNING;
}

QImage tcImageJob::take()
{
    if (begin())
        decode();
    std::unique_lock lock(m_lock);
    m_finished.wait(lock, [this] { return m_state == tcState::DONE; });
    return std::exchange(m_image, QImage());
}

bool tcImageJob::begin()
{
    const std::lock_guard lock(m_lock);
    if (m_state != tcState::PENDING)
        return false;
    m_state = tcState::RUNNING;
    return true;
}

// Only the one thread that began the job gets here, so the bytes are its own until DONE.
void tcImageJob::decode()
{
    QImage image = QImage::fromData(m_bytes);
    {
        const std::lock_guard lock(m_lock);
        m_image = std::move(image);
        m_bytes.clear();
        m_state = tcState::DONE;
    }
    m_finished.notify_all();
}
