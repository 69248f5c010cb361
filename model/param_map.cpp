#include "model/param_map.h"

#include "model/crc32.h"
#include "model/display_text.h"
#include "model/model_globals.h"

#include <QMutexLocker>
#include <QtEndian>

#include <bit>

namespace {

using tcLocker = QMutexLocker<QRecursiveMutex>;

constexpr quint16 GAIN_ID = 2100;
constexpr quint16 GAIN_CRC_COUNT = 9;

// Switches whose display texts are the front panel's own rather than the entry's "In"/"Out".
struct tcSwitchText {
    quint16 id;
    const char* on;
    const char* off;
};
constexpr tcSwitchText SWITCH_TEXTS[] = {
    {3100, "IN      ", "OUT     "}, {4100, "IN      ", "OUT     "}, {5100, "IN      ", "OUT     "},
    {6101, "IN      ", "OUT     "}, {8100, "IN      ", "OUT     "}, {6100, "EQ-->DYN", "DYN-->EQ"},
};

constexpr bool directoryIsSound()
{
    for (int i = 0; i < PARAM_COUNT; ++i) {
        const tcParamRecord& record = PARAM_LIST[i];
        if (paramIndex(record.id) != i || (record.type != TYPE_FLOAT && record.type != TYPE_BOOL))
            return false;
        if (record.type == TYPE_FLOAT && record.table == NO_TABLE)
            return false;
    }
    return PARAM_LIST[PARAM_COUNT].id == ID_END && PARAM_LIST[PARAM_COUNT].type == TYPE_NONE;
}
// Unique IDs, floats with tables and switches only (no map of this system holds an
// integer entry), closed by the end record.
static_assert(directoryIsSound());

std::unique_ptr<MAP_TYPE> makeEntry(const tcParamRecord& record)
{
    if (record.type == TYPE_BOOL)
        return std::make_unique<MAP_BOOL>(record.id, record.defaultValue != 0.0f, record.name);
    return std::make_unique<MAP_FLOAT>(record.id, record.defaultValue, record.lower, record.upper,
                                       valueTable(record.table), record.name);
}

void appendLe32(QByteArray& bytes, quint32 word)
{
    char le[4];
    qToLittleEndian(word, le);
    bytes.append(le, sizeof le);
}

} // namespace

tcParamMap::tcParamMap()
{
    for (int i = 0; i < PARAM_COUNT; ++i)
        m_entries[i] = makeEntry(PARAM_LIST[i]);
}

tcParamMap::~tcParamMap() = default;

void tcParamMap::setNotify(tcChangeNotify notify, void* context)
{
    const tcLocker locker(&modelLock());
    m_notify = notify;
    m_context = context;
}

MAP_FLOAT* tcParamMap::floatEntry(quint16 id) const
{
    MAP_TYPE* found = entry(id);
    return found != nullptr && found->type() == TYPE_FLOAT ? static_cast<MAP_FLOAT*>(found) : nullptr;
}

MAP_BOOL* tcParamMap::boolEntry(quint16 id) const
{
    MAP_TYPE* found = entry(id);
    return found != nullptr && found->type() == TYPE_BOOL ? static_cast<MAP_BOOL*>(found) : nullptr;
}

MAP_INT* tcParamMap::intEntry(quint16 id) const
{
    MAP_TYPE* found = entry(id);
    return found != nullptr && found->type() == TYPE_INT ? static_cast<MAP_INT*>(found) : nullptr;
}

bool tcParamMap::setPosition(quint16 id, quint32 position, tcChangeFlag flag)
{
    const tcLocker locker(&modelLock());
    if (MAP_FLOAT* entry = floatEntry(id))
        return notifyIf(entry->setPosition(position), id, flag);
    if (MAP_BOOL* entry = boolEntry(id))
        return notifyIf(entry->set(position != 0), id, flag);
    if (MAP_INT* entry = intEntry(id))
        return notifyIf(entry->set(position), id, flag);
    return false;
}

bool tcParamMap::setFloat(quint16 id, float value, tcChangeFlag flag)
{
    const tcLocker locker(&modelLock());
    MAP_FLOAT* entry = floatEntry(id);
    return entry != nullptr && notifyIf(entry->setValue(value), id, flag);
}

bool tcParamMap::setBool(quint16 id, bool value, tcChangeFlag flag)
{
    const tcLocker locker(&modelLock());
    MAP_BOOL* entry = boolEntry(id);
    return entry != nullptr && notifyIf(entry->set(value), id, flag);
}

bool tcParamMap::setInt(quint16 id, quint32 value, tcChangeFlag flag)
{
    const tcLocker locker(&modelLock());
    MAP_INT* entry = intEntry(id);
    return entry != nullptr && notifyIf(entry->set(value), id, flag);
}

quint32 tcParamMap::getPosition(quint16 id) const
{
    const tcLocker locker(&modelLock());
    if (const MAP_FLOAT* entry = floatEntry(id))
        return entry->position();
    if (const MAP_BOOL* entry = boolEntry(id))
        return entry->value() ? 1 : 0;
    if (const MAP_INT* entry = intEntry(id))
        return entry->value();
    return 0;
}

quint32 tcParamMap::lowestPosition(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const MAP_FLOAT* entry = floatEntry(id);
    return entry != nullptr ? entry->lowestPosition() : 0;
}

quint32 tcParamMap::highestPosition(quint16 id) const
{
    const tcLocker locker(&modelLock());
    if (const MAP_FLOAT* entry = floatEntry(id))
        return entry->highestPosition();
    if (boolEntry(id) != nullptr)
        return 1;
    if (const MAP_INT* entry = intEntry(id))
        return entry->maximum();
    return 255;
}

float tcParamMap::getFloat(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const MAP_FLOAT* entry = floatEntry(id);
    return entry != nullptr ? entry->value() : 0.0f;
}

float tcParamMap::defaultFloat(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const MAP_FLOAT* entry = floatEntry(id);
    return entry != nullptr ? entry->defaultValue() : 0.0f;
}

bool tcParamMap::getBool(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const MAP_BOOL* entry = boolEntry(id);
    return entry != nullptr && entry->value();
}

bool tcParamMap::defaultBool(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const MAP_BOOL* entry = boolEntry(id);
    return entry != nullptr && entry->defaultValue();
}

quint32 tcParamMap::getInt(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const MAP_INT* entry = intEntry(id);
    return entry != nullptr ? entry->value() : 0;
}

quint32 tcParamMap::defaultInt(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const MAP_INT* entry = intEntry(id);
    return entry != nullptr ? entry->defaultValue() : 0;
}

std::optional<quint32> tcParamMap::positionOfValue(quint16 id, float value) const
{
    const tcLocker locker(&modelLock());
    const MAP_FLOAT* entry = floatEntry(id);
    if (entry == nullptr)
        return std::nullopt;
    return entry->positionOf(value);
}

QByteArray tcParamMap::valueText(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const MAP_TYPE* found = entry(id);
    if (found == nullptr)
        return UNKNOWN_TEXT;
    for (const tcSwitchText& texts : SWITCH_TEXTS) {
        if (texts.id == id)
            return getBool(id) ? texts.on : texts.off;
    }
    return found->valueText();
}

QByteArray tcParamMap::nameText(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const MAP_TYPE* found = entry(id);
    return found != nullptr ? found->nameText() : QByteArray(UNKNOWN_TEXT);
}

void tcParamMap::copyFrom(const tcParamMap& other)
{
    if (&other == this)
        return;
    const tcLocker locker(&modelLock());
    for (int i = 0; i < PARAM_COUNT; ++i) {
        const quint16 id = PARAM_LIST[i].id;
        if (MAP_FLOAT* entry = floatEntry(id))
            entry->setValue(other.getFloat(id));
        else if (MAP_BOOL* entry = boolEntry(id))
            entry->set(other.getBool(id));
        else if (MAP_INT* entry = intEntry(id))
            entry->set(other.getInt(id));
    }
}

tcCrcCount tcParamMap::settingsCrc() const
{
    const tcLocker locker(&modelLock());
    QByteArray bytes;
    quint16 count = 0;
    for (int i = 0; i < PARAM_COUNT; ++i) {
        const quint16 id = PARAM_LIST[i].id;
        if (id == GAIN_ID)
            continue;
        if (const MAP_FLOAT* entry = floatEntry(id))
            appendLe32(bytes, std::bit_cast<quint32>(entry->value()));
        else if (const MAP_INT* entry = intEntry(id))
            appendLe32(bytes, entry->value());
        else
            bytes.append(getBool(id) ? '\1' : '\0');
        ++count;
    }
    return {crc32Of(bytes), count};
}

tcCrcCount tcParamMap::gainCrc() const
{
    const quint32 gain = std::bit_cast<quint32>(getFloat(GAIN_ID));
    QByteArray bytes;
    appendLe32(bytes, gain);
    appendLe32(bytes, gain);
    return {crc32Of(bytes), GAIN_CRC_COUNT};
}

MAP_TYPE* tcParamMap::entry(quint16 id) const
{
    const int index = paramIndex(id);
    return index < 0 ? nullptr : m_entries[index].get();
}

bool tcParamMap::notifyIf(bool changed, quint16 id, tcChangeFlag flag) const
{
    if (changed && m_notify != nullptr)
        m_notify(m_context, id, flag);
    return changed;
}
