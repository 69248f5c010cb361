#include "model/device_globals.h"

#include "model/display_text.h"
#include "model/model_globals.h"

#include <QMutexLocker>

namespace {

using tcLocker = QMutexLocker<QRecursiveMutex>;

QByteArray globalText(tcGlobalText style, quint32 value)
{
    switch (style) {
    case tcGlobalText::PAIR:
        return displayText("%d  %d", int((value >> 8) & 0xFF), int(value & 0xFF));
    case tcGlobalText::YES_NO:
        return value != 0 ? "Y" : "N";
    case tcGlobalText::HEX:
        return displayText("%08X", unsigned(value));
    case tcGlobalText::ON_OFF:
        return value != 0 ? "ON" : "OFF";
    case tcGlobalText::DECIMAL:
        // Values are 32-bit integers; a long one is cut to the 8 characters of a display.
        return displayText("%d", static_cast<int>(value));
    case tcGlobalText::INPUT_OUTPUT:
        return value != 0 ? "INPUT" : "OUTPUT";
    }
    return UNKNOWN_TEXT;
}

} // namespace

tcDeviceGlobals::tcDeviceGlobals()
{
    for (int i = 0; i < GLOBAL_COUNT; ++i)
        m_values[i] = GLOBAL_LIST[i].defaultValue;
}

void tcDeviceGlobals::setNotify(tcChangeNotify notify, void* context)
{
    const tcLocker locker(&modelLock());
    m_notify = notify;
    m_context = context;
}

bool tcDeviceGlobals::setInt(quint16 id, quint32 value, tcChangeFlag flag)
{
    return store(id, TYPE_INT, value, flag);
}

bool tcDeviceGlobals::setBool(quint16 id, bool value, tcChangeFlag flag)
{
    return store(id, TYPE_BOOL, value ? 1 : 0, flag);
}

quint32 tcDeviceGlobals::getInt(quint16 id) const
{
    const tcLocker locker(&modelLock());
    return globalType(id) == TYPE_INT ? m_values[globalIndex(id)] : 0;
}

bool tcDeviceGlobals::getBool(quint16 id) const
{
    const tcLocker locker(&modelLock());
    return globalType(id) == TYPE_BOOL && m_values[globalIndex(id)] != 0;
}

QByteArray tcDeviceGlobals::valueText(quint16 id) const
{
    const tcLocker locker(&modelLock());
    const int index = globalIndex(id);
    return index < 0 ? QByteArray(UNKNOWN_TEXT) : globalText(GLOBAL_LIST[index].text, m_values[index]);
}

QByteArray tcDeviceGlobals::nameText(quint16 id) const
{
    const int index = globalIndex(id);
    return index < 0 ? QByteArray(UNKNOWN_TEXT) : QByteArray(GLOBAL_LIST[index].name);
}

bool tcDeviceGlobals::store(quint16 id, tcTypeCode type, quint32 value, tcChangeFlag flag)
{
    const tcLocker locker(&modelLock());
    if (globalType(id) != type)
        return false;
    quint32& stored = m_values[globalIndex(id)];
    if (stored == value)
        return false;
    stored = value;
    if (m_notify != nullptr)
        m_notify(m_context, id, flag);
    return true;
}
