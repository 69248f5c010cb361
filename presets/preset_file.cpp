#include "presets/preset_file.h"

#include "presets/c_number.h"
#include "presets/preset_line_reader.h"
#include "presets/preset_status.h"

#include "model/model_globals.h"
#include "model/param_map.h"

#include <QFile>
#include <QMutexLocker>
#include <QSaveFile>

#include <charconv>
#include <cstdio>

namespace {

using tcLocker = QMutexLocker<QRecursiveMutex>;

constexpr QByteArrayView SIGNATURE = "K7 PRESET FILE";
constexpr QByteArrayView LINE_END = "\r\n";
constexpr int FLOAT_WIDTH = 5;
constexpr int ID_MODULUS = 65536;

// Reads the header line; the header is cleared first.
int readHeaderLine(PRESET_HEADER& header, tcPresetLineReader& reader)
{
    header.clear();
    QByteArrayView line;
    if (!reader.next(line))
        return PRESET_INVALID_FILE;
    const tcPresetFields fields = tcPresetLineReader::fields(line);
    if (fields.first != SIGNATURE)
        return PRESET_INVALID_FILE;
    header.setName(fields.second.first(qMin<qsizetype>(fields.second.size(), PRESET_HEADER::NAME_SIZE)).toByteArray());
    return PRESET_SUCCESS;
}

// One value line: the ID before the first colon, the value after it.
void readValueLine(tcParamMap& set, QByteArrayView line)
{
    const tcPresetFields fields = tcPresetLineReader::fields(line);
    const auto id = static_cast<quint16>(quint32(cAtoi(fields.first)) % ID_MODULUS);
    if (id == 0)
        return;
    switch (paramType(id)) {
    case TYPE_FLOAT:
        set.setFloat(id, narrowToFloat(cAtof(fields.second)), TO_BOTH);
        break;
    case TYPE_INT:
        set.setInt(id, quint32(cAtoi(fields.second)), TO_BOTH);
        break;
    case TYPE_BOOL:
        set.setBool(id, cAtoi(fields.second) != 0, TO_BOTH);
        break;
    case TYPE_NONE:
        break;
    }
}

// "%+5.2f" in the "C" locale whatever the process locale: sign always, two decimals.
QByteArray floatText(float value)
{
    char digits[64];
    const std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, double(value),
                                                      std::chars_format::fixed, 2);
    QByteArray text(digits, result.ptr - digits);
    if (!text.startsWith('-'))
        text.prepend('+');
    return text.rightJustified(FLOAT_WIDTH, ' ');
}

QByteArray valueLine(const tcParamMap& set, const tcParamRecord& record)
{
    char id[8];
    std::snprintf(id, sizeof id, "%04d", int(record.id));
    QByteArray value;
    switch (record.type) {
    case TYPE_FLOAT:
        value = floatText(set.getFloat(record.id));
        break;
    case TYPE_INT:
        value = QByteArray::number(qint32(set.getInt(record.id)));
        break;
    case TYPE_BOOL:
        value = set.getBool(record.id) ? "1" : "0";
        break;
    case TYPE_NONE:
        return {};
    }
    return id + QByteArray(":") + value + " // " + set.nameText(record.id) + " " + LINE_END.toByteArray();
}

} // namespace

int readPresetName(PRESET_HEADER& header, const QString& path)
{
    header.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return PRESET_SUCCESS;
    tcPresetLineReader reader(file);
    return readHeaderLine(header, reader);
}

int loadPreset(PRESET_HEADER& header, tcParamMap& set, const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return loadPresetFrom(header, set, file);
    header.clear();
    computePresetChecksums(header, set);
    header.valid = 1;
    return PRESET_SUCCESS;
}

int loadPresetFrom(PRESET_HEADER& header, tcParamMap& set, QIODevice& device)
{
    tcPresetLineReader reader(device);
    const int status = readHeaderLine(header, reader);
    if (status != PRESET_SUCCESS)
        return status;
    // Each setter takes the model lock itself: the lock is never held while the file is read.
    QByteArrayView line;
    while (reader.next(line))
        readValueLine(set, line);
    computePresetChecksums(header, set);
    header.valid = 1;
    return PRESET_SUCCESS;
}

void computePresetChecksums(PRESET_HEADER& header, const tcParamMap& set)
{
    const tcLocker locker(&modelLock());
    const tcCrcCount settings = set.settingsCrc();
    const tcCrcCount gain = set.gainCrc();
    header.checksum = {settings.crc, gain.crc, 0, 0};
    header.count = {settings.count, gain.count, 0, 0};
}

QByteArray presetFileBytes(const PRESET_HEADER& header, const tcParamMap& set)
{
    QByteArray bytes = SIGNATURE.toByteArray() + ':' + header.nameString() + ": " + LINE_END.toByteArray();
    const tcLocker locker(&modelLock());
    for (int i = 0; i < PARAM_COUNT; ++i)
        bytes += valueLine(set, PARAM_LIST[i]);
    return bytes;
}

bool savePreset(const PRESET_HEADER& header, const tcParamMap& set, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(presetFileBytes(header, set));
    return file.commit();
}

bool renamePresetInFile(const QString& path, const QByteArray& newName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    PRESET_HEADER header = PRESET_HEADER::fresh();
    tcParamMap set;
    if (loadPresetFrom(header, set, file) != PRESET_SUCCESS)
        return false;
    file.close();
    header.setName(newName);
    return savePreset(header, set, path);
}

int copyParameters(tcParamMap* destination, const tcParamMap* source)
{
    if (destination == nullptr || source == nullptr)
        return -1;
    const tcLocker locker(&modelLock());
    for (int i = 0; i < PARAM_COUNT; ++i) {
        const quint16 id = PARAM_LIST[i].id;
        switch (PARAM_LIST[i].type) {
        case TYPE_FLOAT:
            destination->setFloat(id, source->getFloat(id), TO_BOTH);
            break;
        case TYPE_INT:
            destination->setInt(id, source->getInt(id), TO_BOTH);
            break;
        case TYPE_BOOL:
            destination->setBool(id, source->getBool(id), TO_BOTH);
            break;
        case TYPE_NONE:
            break;
        }
    }
    return 0;
}

int applyToLive(const tcParamMap* set)
{
    return copyParameters(liveMap(), set);
}

QByteArray presetNameBytes(const QString& name)
{
    return name.toLatin1();
}
