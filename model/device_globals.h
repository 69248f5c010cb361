#pragma once

#include "model/global_list.h"
#include "model/model_types.h"

#include <QByteArray>

#include <array>

// The unit's global settings (IDs 1000-1015): password, lock, access level, graph source,
// login key, local mode, phantom power, meter point and status words the unit keeps. One
// instance for the process.
//
// Threads: the link's receive thread stores what the unit reports while the GUI thread
// reads and writes. Every operation takes modelLock(); the notification runs while it is
// held. An ID that is not a global is ignored by the setters, reads as 0 and shows "????????".
class tcDeviceGlobals {
public:
    tcDeviceGlobals(); // every global at its default; no notification
    tcDeviceGlobals(const tcDeviceGlobals&) = delete;
    tcDeviceGlobals& operator=(const tcDeviceGlobals&) = delete;

    // Called with (context, ID, flag) after a setter changed a value; nullptr for none.
    void setNotify(tcChangeNotify notify, void* context);

    // Store, and notify when the value changed; true when it changed. A setter of the other
    // type than the global's does nothing; a bool stores 0 or 1.
    bool setInt(quint16 id, quint32 value, tcChangeFlag flag);
    bool setBool(quint16 id, bool value, tcChangeFlag flag);

    // 0 for an ID that is not a global of that type.
    quint32 getInt(quint16 id) const;
    bool getBool(quint16 id) const;

    QByteArray valueText(quint16 id) const; // at most 8 characters
    QByteArray nameText(quint16 id) const;

private:
    bool store(quint16 id, tcTypeCode type, quint32 value, tcChangeFlag flag);

    tcChangeNotify m_notify = nullptr;
    void* m_context = nullptr;
    std::array<quint32, GLOBAL_COUNT> m_values;
};
