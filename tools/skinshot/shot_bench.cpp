#include "tools/skinshot/shot_bench.h"

#include <cstdarg>
#include <cstdio>

namespace {

// As the application's bench formats its log lines.
constexpr int LOG_BUFFER_SIZE = 2048;

} // namespace

void tcShotBench::log(const char* format, ...)
{
    char buffer[LOG_BUFFER_SIZE];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    QString line = QString::fromLocal8Bit(buffer);
    while (line.endsWith(QLatin1Char('\n')))
        line.chop(1);
    m_messages.append(line);
}
