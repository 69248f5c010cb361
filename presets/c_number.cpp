#include "presets/c_number.h"

#include <QByteArray>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace {

bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The "C" locale, created once; strtod_l reads with it whatever the process locale is.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

} // namespace

qint32 cAtoi(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    quint32 value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + quint32(text[i] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<qint32>(value);
}

double cAtof(QByteArrayView text)
{
    const QByteArray terminated = text.toByteArray(); // strtod needs the terminating zero
    return strtod_l(terminated.constData(), nullptr, cLocale());
}

float narrowToFloat(double value)
{
    constexpr float infinity = std::numeric_limits<float>::infinity();
    if (std::isfinite(value) && std::fabs(value) > double(std::numeric_limits<float>::max()))
        return value < 0 ? -infinity : infinity;
    return static_cast<float>(value);
}
