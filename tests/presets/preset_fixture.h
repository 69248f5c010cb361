#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

#include <zlib.h>

#include <cstring>

// Helpers shared by the preset tests: files in and out, and checksums computed here with
// zlib from the IEEE bytes of values the tests write out themselves.
namespace fixture {

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void appendFloat(QByteArray& bytes, float value)
{
    quint32 word;
    std::memcpy(&word, &value, sizeof word);
    for (int i = 0; i < 4; ++i)
        bytes.append(char((word >> (8 * i)) & 0xFF));
}

inline quint32 zlibCrc(const QByteArray& bytes)
{
    return quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
}

// One value of a parameter set in directory order: a float, or a switch when isSwitch.
struct tcValue {
    quint16 id;
    bool isSwitch;
    float value;
};

// The default values of the 31 parameters in directory order (PEQ 2 BW's 0.67 sits on the
// table entry 0.66).
inline constexpr tcValue DEFAULT_VALUES[] = {
    {2100, false, 20.0f},   {2101, true, 0},        {3100, true, 0},        {3101, false, 80.0f},
    {3102, false, 4000.0f}, {4100, true, 0},        {4101, false, 14.0f},   {4102, false, 0.0f},
    {4103, false, 300.0f},  {5100, true, 0},        {5101, false, -40.0f},  {5102, false, 100.0f},
    {5103, false, 4000.0f}, {6100, true, 1},        {6101, true, 0},        {6108, false, 50.0f},
    {6110, false, 6.0f},    {6102, false, 800.0f},  {6106, false, -4.0f},   {6104, false, 0.5f},
    {6103, false, 2800.0f}, {6105, false, 0.66f},   {6107, false, 3.0f},    {6109, false, 8000.0f},
    {6111, false, 8.0f},    {8100, true, 0},        {8101, false, -40.0f},  {8102, false, 2.0f},
    {8103, false, 1.0f},    {8104, false, 150.0f},  {9004, false, 0.0f},
};

// Checksum 0 over values in directory order: every value but In Gain (2100), floats as
// 4 little-endian IEEE bytes, switches as one byte.
template <typename Values>
quint32 settingsCrc(const Values& values)
{
    QByteArray bytes;
    for (const tcValue& value : values) {
        if (value.id == 2100)
            continue;
        if (value.isSwitch)
            bytes.append(value.value != 0 ? '\1' : '\0');
        else
            appendFloat(bytes, value.value);
    }
    return zlibCrc(bytes);
}

// Checksum 1: the 4 IEEE bytes of In Gain, twice.
inline quint32 gainCrc(float gain)
{
    QByteArray bytes;
    appendFloat(bytes, gain);
    appendFloat(bytes, gain);
    return zlibCrc(bytes);
}

} // namespace fixture
