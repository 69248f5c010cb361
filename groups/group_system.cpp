#include "groups/group_system.h"

#include "groups/binding_table.h"
#include "model/device_globals.h"
#include "model/model_globals.h"

#include <climits>

namespace {

constexpr int SYSTEM_GRAPH_PANEL = 5;
constexpr int PASSWORDS = 9002;
constexpr int SKIN = 9003;
constexpr int SYS_AES_MUTE = 9004;
constexpr quint16 AES_MUTE = 1013;

// The items of "SYS_AES_MUTE"; the index is the "AES_MUTE" value.
constexpr const char* AES_MUTE_ITEMS[] = {"No Mute", "Right Mute", "Left Mute"};

} // namespace

tcControlGroupSystem::tcControlGroupSystem(tcGroupHost& host)
    : tcControlGroup(host, SYSTEM_BINDINGS, SYSTEM_GRAPH_PANEL)
{
    QStringList items;
    for (const char* item : AES_MUTE_ITEMS)
        items.append(QString::fromLatin1(item));
    setComboItems(SYS_AES_MUTE, items);
    refreshAll();
}

void tcControlGroupSystem::refreshAll()
{
    refreshAesMute();
}

void tcControlGroupSystem::onButton(int id)
{
    if (id == PASSWORDS)
        emit sig_password();
    else if (id == SKIN)
        emit sig_choose_skin();
}

void tcControlGroupSystem::onComboSelect(int id, int index)
{
    tcDeviceGlobals* globals = deviceGlobals();
    if (id == SYS_AES_MUTE && globals && index >= 0)
        globals->setInt(AES_MUTE, quint32(index), TO_UNIT);
}

void tcControlGroupSystem::refreshAesMute()
{
    if (const tcDeviceGlobals* globals = deviceGlobals())
        setComboIndex(SYS_AES_MUTE, int(qMin<quint32>(globals->getInt(AES_MUTE), INT_MAX)));
}
