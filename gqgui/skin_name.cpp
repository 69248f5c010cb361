#include "gqgui/skin_name.h"

tcSkinName::tcSkinName(const QString& text)
    : m_text(text), m_bytes(text.toUtf8()), m_length(int(m_bytes.size()))
{
    for (const char c : std::as_const(m_bytes))
        m_sum += static_cast<signed char>(c);
}

bool tcSkinName::operator==(const tcSkinName& other) const
{
    return m_length == other.m_length && m_sum == other.m_sum && m_bytes == other.m_bytes;
}
