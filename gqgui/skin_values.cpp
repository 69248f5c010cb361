#include "gqgui/skin_values.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
constexpr QRgb OPAQUE_BLACK = 0xFF000000;
constexpr QRgb LOW_24_BITS = 0x00FFFFFF;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool endsName(char c)
{
    return c == '\0' || c == ' ' || c == '\t' || c == '+' || c == '-';
}

// Running sum of an integer expression; unsigned so that overflow wraps.
struct tcExpression
{
    uint32_t sum = 0;
    uint32_t number = 0;
    bool minus = false;

    void add(uint32_t value) { sum = minus ? sum - value : sum + value; }
    void flush()
    {
        add(number);
        number = 0;
    }
};
}

int skinInt(const char* text, const tcSkinTable<int>& offsets, QByteArrayList* undefined)
{
    tcExpression e;
    const char* p = text;
    while (*p) {
        const char c = *p;
        if (isDigit(c)) {
            e.number = e.number * 10 + uint32_t(c - '0');
            ++p;
        } else if (isLetter(c)) {
            const char* start = p;
            while (!endsName(*p))
                ++p;
            const QByteArray name(start, p - start);
            const int* value = offsets.value(tcSkinName(QString::fromUtf8(name)));
            if (!value && undefined)
                undefined->append(name);
            e.add(value ? uint32_t(*value) : 0u);
            // A sign that ends a name sets the sign of what follows; a blank keeps it.
            if (*p == '+' || *p == '-')
                e.minus = *p == '-';
            if (*p)
                ++p;
        } else {
            e.flush();
            if (c == '+' || c == '-')
                e.minus = c == '-';
            ++p;
        }
    }
    e.flush();
    return int32_t(e.sum);
}

QRgb skinColor(const char* text, const tcSkinTable<QRgb>& colors)
{
    if (!*text)
        return OPAQUE_BLACK;
    if (const QRgb* named = colors.value(tcSkinName(QString::fromUtf8(text))))
        return *named;
    // As the "%lx" conversion reads it: blanks, a sign and a "0x" prefix are allowed.
    const unsigned long value = std::strtoul(text, nullptr, 16);
    return OPAQUE_BLACK | (QRgb(value) & LOW_24_BITS);
}

int skinAlign(const char* text)
{
    int vertical = Qt::AlignTop;
    int horizontal = Qt::AlignLeft;
    if (text[0]) {
        if (text[0] == 'b')
            vertical = Qt::AlignBottom;
        else if (text[0] == 'c')
            vertical = Qt::AlignVCenter;
        if (text[1] == 'c')
            horizontal = Qt::AlignHCenter;
        else if (text[1] == 'r')
            horizontal = Qt::AlignRight;
    }
    return vertical | horizontal;
}

bool skinFlag0(const char* text)
{
    return std::strcmp(text, "0") != 0;
}

bool skinFlagN(const char* text)
{
    return skinDecimal(text) != 0;
}

int skinDecimal(const char* text)
{
    const long value = std::strtol(text, nullptr, 10);
    return int(std::clamp<long>(value, INT_MIN, INT_MAX));
}
