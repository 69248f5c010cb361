#include "presets/preset_line_reader.h"

#include <QIODevice>

bool tcPresetLineReader::next(QByteArrayView& line)
{
    const qint64 read = m_device.readLine(m_buffer.data(), BUFFER_SIZE);
    if (read <= 0)
        return false;
    qsizetype length = 0;
    while (length < read && m_buffer[length] != '\r' && m_buffer[length] != '\n' && m_buffer[length] != '\0')
        ++length;
    line = QByteArrayView(m_buffer.data(), length);
    return true;
}

tcPresetFields tcPresetLineReader::fields(QByteArrayView line)
{
    tcPresetFields fields;
    const qsizetype firstColon = line.indexOf(':');
    if (firstColon < 0) {
        fields.first = line;
        return fields;
    }
    fields.first = line.first(firstColon);
    const QByteArrayView afterFirst = line.sliced(firstColon + 1);
    const qsizetype secondColon = afterFirst.indexOf(':');
    if (secondColon < 0) {
        fields.second = afterFirst;
        return fields;
    }
    fields.second = afterFirst.first(secondColon);
    fields.third = afterFirst.sliced(secondColon + 1);
    return fields;
}
