#include "tools/skingen/skin_sheet.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

template <typename List> auto findNamed(List& list, const QString& name)
{
    return std::find_if(list.begin(), list.end(), [&](const auto& entry) { return entry.name == name; });
}

bool isLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool endsName(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('+') || c == QLatin1Char('-');
}

} // namespace

bool tcSkinSheet::read(const QString& skinFolder)
{
    const QDir folder(skinFolder);
    return readFile(folder.filePath(QLatin1String(COLOUR_FILE))) && readFile(folder.filePath(QLatin1String(LAYOUT_FILE)));
}

std::optional<QColor> tcSkinSheet::colour(const QString& name) const
{
    const auto found = findNamed(m_colours, name);
    if (found == m_colours.end())
        return std::nullopt;
    return QColor::fromRgba(QRgb(found->value));
}

std::optional<int> tcSkinSheet::offset(const QString& name) const
{
    const auto found = findNamed(m_offsets, name);
    if (found == m_offsets.end())
        return std::nullopt;
    return found->value;
}

std::optional<int> tcSkinSheet::evaluate(const QString& text)
{
    int sum = 0;
    int number = 0;
    int sign = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit()) {
            number = number * 10 + c.digitValue();
        } else if (isLetter(c)) {
            qsizetype end = i;
            while (end < text.size() && !endsName(text[end]))
                ++end;
            const QString name = text.mid(i, end - i);
            const std::optional<int> value = offset(name);
            if (!value) {
                fail(QStringLiteral("no offset \"%1\" is defined before it is used").arg(name));
                return std::nullopt;
            }
            sum += sign * *value;
            // A sign that ends the name applies to what follows; a blank leaves the sign.
            if (end < text.size() && (text[end] == QLatin1Char('+') || text[end] == QLatin1Char('-')))
                sign = text[end] == QLatin1Char('-') ? -1 : 1;
            i = end;
        } else {
            sum += sign * number;
            number = 0;
            if (c == QLatin1Char('-') || c == QLatin1Char('+'))
                sign = c == QLatin1Char('-') ? -1 : 1;
        }
    }
    return sum + sign * number;
}

bool tcSkinSheet::readFile(const QString& path)
{
    m_file = path;
    m_line = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot be read"));
    // An included file holds a run of elements with no root of its own.
    QXmlStreamReader reader(QByteArray("<sheet>") + file.readAll() + QByteArray("</sheet>"));
    while (!reader.atEnd()) {
        reader.readNext();
        m_line = reader.lineNumber();
        if (reader.isStartElement() && !element(reader))
            return false;
    }
    if (reader.hasError())
        return fail(reader.errorString());
    return true;
}

bool tcSkinSheet::element(const QXmlStreamReader& reader)
{
    const QString id = reader.attributes().value(QLatin1String("id")).toString();
    const QStringView name = reader.name();
    if (name != QLatin1String("color") && name != QLatin1String("offset") && name != QLatin1String("region"))
        return true;
    if (id.isEmpty())
        return fail(QStringLiteral("<%1> has no id").arg(name));
    if (name == QLatin1String("color"))
        return colourElement(id, reader.attributes().value(QLatin1String("rgb")).toString());
    if (name == QLatin1String("offset"))
        return offsetElement(id, reader.attributes().value(QLatin1String("value")).toString());
    return regionElement(reader, id);
}

bool tcSkinSheet::colourElement(const QString& id, const QString& rgb)
{
    int value = 0;
    if (const auto named = findNamed(m_colours, rgb); named != m_colours.end()) {
        value = named->value;
    } else {
        bool ok = false;
        const uint hex = rgb.toUInt(&ok, 16);
        if (!ok)
            return fail(QStringLiteral("colour \"%1\" is neither a colour name nor hexadecimal").arg(rgb));
        value = int(0xFF000000u | (hex & 0xFFFFFFu));
    }
    if (auto existing = findNamed(m_colours, id); existing != m_colours.end())
        existing->value = value;
    else
        m_colours.push_back({id, value});
    return true;
}

bool tcSkinSheet::offsetElement(const QString& id, const QString& text)
{
    const std::optional<int> value = evaluate(text);
    if (!value)
        return false;
    if (auto existing = findNamed(m_offsets, id); existing != m_offsets.end())
        existing->value = *value;
    else
        m_offsets.push_back({id, *value});
    return true;
}

bool tcSkinSheet::regionElement(const QXmlStreamReader& reader, const QString& id)
{
    // The skin's region table keeps one entry per id: a second one would replace the first.
    const bool known = std::any_of(m_regions.begin(), m_regions.end(), [&](const Region& r) { return r.id == id; });
    if (known)
        return fail(QStringLiteral("region \"%1\" is defined twice").arg(id));
    int values[4] = {};
    const char* const names[4] = {"x", "y", "w", "h"};
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> value = evaluate(reader.attributes().value(QLatin1String(names[i])).toString());
        if (!value)
            return false;
        values[i] = *value;
    }
    m_regions.push_back({id, QRect(values[0], values[1], values[2], values[3])});
    return true;
}

bool tcSkinSheet::fail(const QString& text)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1, line %2: %3").arg(QDir::toNativeSeparators(m_file)).arg(m_line).arg(text);
    return false;
}
