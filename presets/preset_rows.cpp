#include "presets/preset_rows.h"

#include "model/model_globals.h"
#include "model/param_map.h"

#include <QMutexLocker>

namespace {

using tcLocker = QMutexLocker<QRecursiveMutex>;

QByteArray crcText(quint32 crc)
{
    return QByteArray::number(crc, 16).toUpper().rightJustified(8, '0');
}

bool valuesDiffer(const tcParamMap& a, const tcParamMap& b, const tcParamRecord& record)
{
    switch (record.type) {
    case TYPE_FLOAT:
        return a.getFloat(record.id) != b.getFloat(record.id);
    case TYPE_INT:
        return a.getInt(record.id) != b.getInt(record.id);
    case TYPE_BOOL:
        return a.getBool(record.id) != b.getBool(record.id);
    case TYPE_NONE:
        break;
    }
    return false;
}

} // namespace

QList<tcPresetRow> presetViewRows(const PRESET_HEADER& header, const tcParamMap& set)
{
    QList<tcPresetRow> rows{
        {"Name", header.nameString(), {}, false},
        {"Num IDs", QByteArray::number(header.count[0]), {}, false},
        {"CRC", crcText(header.checksum[0]), {}, false},
    };
    const tcLocker locker(&modelLock());
    for (int i = 0; i < PARAM_COUNT; ++i)
        rows.append({set.nameText(PARAM_LIST[i].id), set.valueText(PARAM_LIST[i].id), {}, false});
    return rows;
}

QList<tcPresetRow> presetDiffRows(const PRESET_HEADER& headerA, const tcParamMap& setA,
                                  const PRESET_HEADER& headerB, const tcParamMap& setB)
{
    QList<tcPresetRow> rows{
        {"Name", headerA.nameString(), headerB.nameString(), headerA.nameString() != headerB.nameString()},
        {"Num Parameters", QByteArray::number(headerA.count[0]), QByteArray::number(headerB.count[0]),
         headerA.count[0] != headerB.count[0]},
        {"CRC", crcText(headerA.checksum[0]), crcText(headerB.checksum[0]), headerA.checksum[0] != headerB.checksum[0]},
    };
    const tcLocker locker(&modelLock());
    for (int i = 0; i < PARAM_COUNT; ++i) {
        const tcParamRecord& record = PARAM_LIST[i];
        rows.append({setA.nameText(record.id), setA.valueText(record.id), setB.valueText(record.id),
                     valuesDiffer(setA, setB, record)});
    }
    return rows;
}
