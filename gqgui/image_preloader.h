#pragma once

#include "gqgui/image_job.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// Decodes a skin's bitmap files on helper threads while the skin loads and is first
// painted. The files are read into memory at once (a packed skin's folder is deleted
// right after loading); each image takes its picture when it is first drawn, decoding it
// itself when no helper has begun it, so the bitmaps of hidden groups hold up neither the
// load nor the first frame. Created, asked and destroyed on the GUI thread; the helper
// threads only decode.
class tcImagePreloader
{
public:
    // Reads every plain file among paths (each once) and starts the helpers, one fewer
    // than the machine has cores (three at most), on the largest files first.
    explicit tcImagePreloader(const QStringList& paths);
    // The helpers stop after the picture each is decoding; jobs not begun are left to
    // their images.
    ~tcImagePreloader();
    tcImagePreloader(const tcImagePreloader&) = delete;
    tcImagePreloader& operator=(const tcImagePreloader&) = delete;

    // The job of a path given to the constructor, or none.
    std::shared_ptr<tcImageJob> job(const QString& path) const;

    // The picture of one of the jobs, once. While a helper is still decoding it, the
    // calling (GUI) thread decodes the smallest jobs not yet begun.
    QImage take(tcImageJob& job);

private:
    void help();

    std::vector<QString> m_paths;
    std::vector<std::shared_ptr<tcImageJob>> m_jobs; // the largest file first
    std::atomic<size_t> m_next{0}; // the helpers' next job, from the front
    size_t m_smallest = 0;         // the GUI thread's, from the back: one past it
    std::atomic<bool> m_stop{false};
    std::vector<std::jthread> m_helpers;
};
