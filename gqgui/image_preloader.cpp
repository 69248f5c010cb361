#include "gqgui/image_preloader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

tcImagePreloader::tcImagePreloader(const QStringList& paths)
{
    struct tcFile {
        QString path;
        QByteArray bytes;
    };
    std::vector<tcFile> files;
    for (const QString& path : paths) {
        const bool seen = std::any_of(files.begin(), files.end(), [&path](const tcFile& file) { return file.path == path; });
        // Only a plain file is read: a device or pipe named by a skin could be read without end.
        if (seen || path.isEmpty() || !QFileInfo(path).isFile())
            continue;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.push_back({path, file.readAll()});
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const tcFile& a, const tcFile& b) { return a.bytes.size() > b.bytes.size(); });
    for (tcFile& file : files) {
        m_paths.push_back(file.path);
        m_jobs.push_back(std::make_shared<tcImageJob>(std::move(file.bytes)));
    }
    m_smallest = m_jobs.size();
    // A skin's few large panels set the pace: more helpers than these would only wait.
    constexpr size_t MAX_HELPERS = 3;
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    for (size_t i = 1; i < cores && i <= m_jobs.size() && i <= MAX_HELPERS; ++i)
        m_helpers.emplace_back([this] { help(); });
}

tcImagePreloader::~tcImagePreloader()
{
    m_stop = true;
    m_helpers.clear(); // joins
}

std::shared_ptr<tcImageJob> tcImagePreloader::job(const QString& path) const
{
    const auto found = std::find(m_paths.begin(), m_paths.end(), path);
    return found == m_paths.end() ? nullptr : m_jobs[size_t(found - m_paths.begin())];
}

// The smallest bitmaps are mostly the buttons, lamps and meter faces that the first frame
// draws next, while the large ones not yet begun are mostly the hidden groups' panels.
QImage tcImagePreloader::take(tcImageJob& job)
{
    while (job.isRunning() && m_smallest > 0)
        m_jobs[--m_smallest]->decodeIfPending();
    return job.take();
}

void tcImagePreloader::help()
{
    for (size_t i = m_next++; i < m_jobs.size() && !m_stop; i = m_next++)
        m_jobs[i]->decodeIfPending();
}
