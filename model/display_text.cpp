#include "model/display_text.h"

#include <cstdarg>
#include <cstdio>

QByteArray displayText(const char* format, ...)
{
    char buffer[64];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (written < 0)
        return {};
    return QByteArray(buffer, qMin<qsizetype>(written, DISPLAY_TEXT_MAX));
}
