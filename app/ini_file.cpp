#include "app/ini_file.h"

#include <QFile>
#include <QSaveFile>

#include <expat.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr qint64 kParseBlock = 1000;

std::string compositeKey(const char* section, const char* key)
{
    std::string composite(section);
    composite += ':';
    composite += key;
    return composite;
}

void appendEscaped(QByteArray& out, std::string_view text)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c; break;
        }
    }
}

void copyCut(char* buffer, size_t size, const char* text)
{
    if (size == 0)
        return;
    const size_t n = std::min(std::strlen(text), size - 1);
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

void XMLCALL onStartElement(void* userData, const XML_Char* name, const XML_Char** atts)
{
    // "K7" wraps the unit records: its own attributes are not settings.
    if (std::strcmp(name, "K7") == 0)
        return;
    static_cast<tcIniFile*>(userData)->setSection(name, atts);
}

} // namespace

tcIniFile::tcIniFile(const QString& path, uint32_t mode)
    : m_mode(mode), m_path(path)
{
    if (m_mode == MODE_XML)
        read();
    m_dirty = false;
}

tcIniFile::~tcIniFile()
{
    save();
}

const std::string* tcIniFile::find(const char* section, const char* key) const
{
    const auto it = m_map.find(compositeKey(section, key));
    return it == m_map.end() ? nullptr : &it->second;
}

void tcIniFile::getString(const char* section, const char* key, const char* def,
                          char* buffer, size_t size) const
{
    copyCut(buffer, size, def);
    if (const std::string* value = find(section, key))
        copyCut(buffer, size, value->c_str());
}

QString tcIniFile::getString(const char* section, const char* key, const QString& def) const
{
    const std::string* value = find(section, key);
    return value ? QString::fromStdString(*value) : def;
}

int32_t tcIniFile::getInt(const char* section, const char* key, int32_t def) const
{
    const std::string* value = find(section, key);
    if (!value)
        return def;
    // atoi without its overflow hazard: wider numbers (an unsigned key written by another
    // tool, say) wrap to 32 bits as the C library's atoi does on this platform.
    const long long wide = std::strtoll(value->c_str(), nullptr, 10);
    return static_cast<int32_t>(static_cast<uint32_t>(wide));
}

void tcIniFile::setString(const char* section, const char* key, const char* value)
{
    m_map[compositeKey(section, key)] = value;
    m_dirty = true;
}

void tcIniFile::setString(const char* section, const char* key, const QString& value)
{
    setString(section, key, value.toStdString().c_str());
}

void tcIniFile::setInt(const char* section, const char* key, int32_t value)
{
    setString(section, key, std::to_string(value).c_str());
}

void tcIniFile::setSection(const char* section, const char* const* pairs)
{
    for (; pairs[0] != nullptr; pairs += 2)
        setString(section, pairs[0], pairs[1] ? pairs[1] : "");
}

void tcIniFile::read()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    XML_Parser parser = XML_ParserCreate(nullptr);
    if (!parser)
        return;
    XML_SetUserData(parser, this);
    XML_SetStartElementHandler(parser, onStartElement);
    char block[kParseBlock];
    for (;;) {
        const qint64 n = file.read(block, kParseBlock);
        if (n < 0)
            break;
        const bool last = n == 0;
        if (XML_Parse(parser, block, static_cast<int>(n), last) != XML_STATUS_OK || last)
            break;
    }
    XML_ParserFree(parser);
}

QByteArray tcIniFile::serialize() const
{
    QByteArray out("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<INI>\n");
    std::string_view open; // section whose element is being written
    bool inSection = false;
    for (const auto& [composite, value] : m_map) {
        const std::string_view full(composite);
        const size_t colon = full.find(':');
        const std::string_view section = full.substr(0, colon);
        std::string_view key = colon == std::string_view::npos ? std::string_view()
                                                               : full.substr(colon + 1);
        key = key.substr(0, key.find(':'));
        if (!inSection || section != open) {
            if (inSection)
                out += "/>\n";
            out += '<';
            appendEscaped(out, section);
            out += '\n';
            open = section;
            inSection = true;
        }
        out += "    ";
        appendEscaped(out, key);
        out += "=\"";
        appendEscaped(out, value);
        out += "\"\n";
    }
    if (inSection)
        out += "/>\n";
    out += "</INI>\n";
    return out;
}

bool tcIniFile::save()
{
    if (!m_dirty || m_mode != MODE_XML)
        return true;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(serialize());
    if (!file.commit())
        return false;
    m_dirty = false;
    return true;
}
