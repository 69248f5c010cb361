#pragma once

#include "gqgui/bench_master.h"

#include <QStringList>

// The bench skinshot loads a skin into: it draws nowhere by itself and keeps the skin
// loader's messages for the report. GUI thread only.
class tcShotBench : public tcBenchMaster
{
public:
    tcShotBench(tcGQGuiWidget* host, const QString& skinFolder) : tcBenchMaster(host, skinFolder) {}

    void fitWindow() override {}
    // Keeps each message as one line, without its line feed.
    [[gnu::format(printf, 2, 3)]] void log(const char* format, ...) override;

    const QStringList& messages() const { return m_messages; }

private:
    QStringList m_messages;
};
