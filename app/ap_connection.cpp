// The main window's control link: on-line mode, the link callbacks and the login
// handshake that follows every connection.

#include "app/ap_widget.h"

#include "app/ini_file.h"
#include "app/xr9_bench.h"
#include "link/device_list.h"
#include "link/frame_rx.h"
#include "link/link_globals.h"
#include "link/message_codes.h"
#include "link/messages.h"
#include "link/tcp_client.h"
#include "link/unit_reports.h"
#include "model/device_globals.h"

#include <QAction>
#include <QMessageBox>

void tcApWidget::set_online(bool wanted)
{
    m_onlineWanted = wanted;
    m_onlineAction->setChecked(wanted);
    if (tcXR9Bench* b = xr9Bench())
        b->setOnlineSwitch(wanted);
    m_settings->setInt("OPTIONS", "ONLINE", wanted ? 1 : 0);
    m_settings->save();
    deleteClient();
    const tcDeviceRecord* unit = m_devices->current();
    if (!wanted || !unit)
        return;
    setState(CONN_TRYING);
    tcQTcpCallbacks callbacks;
    callbacks.context = this;
    callbacks.data = [](void*, std::span<const uint8_t> bytes) { frame_receive(bytes); };
    callbacks.status = &tcApWidget::onLinkStatus;
    m_client = std::make_unique<tcQTcpClient>(unit->ipAddress().toLatin1().constData(), callbacks);
    setTcpClient(m_client.get());
}

void tcApWidget::deleteClient()
{
    if (!m_client)
        return;
    clearTcpClient();
    m_client.reset();
}

bool tcApWidget::require_online(const QString& title)
{
    if (m_onlineWanted && m_state == CONN_ONLINE)
        return true;
    QMessageBox::information(this, title, QStringLiteral("You must be online."), QMessageBox::Ok);
    return false;
}

void tcApWidget::setState(tcConnState state)
{
    m_state = state;
    setOnlineText(QString::fromLatin1(CONN_STATE_TEXTS[state].text), connStateColour(state, m_onlineWanted));
}

void tcApWidget::onLinkStatus(void* context, tLinkStatus status)
{
    auto* self = static_cast<tcApWidget*>(context);
    frame_rx_reset();
    switch (status) {
    case LINK_CLOSED:
    case LINK_DESTROYED: emit self->sig_disconnect(); break;
    case LINK_CONNECTED: emit self->sig_connect(); break;
    case LINK_CONNECTING: emit self->sig_connecting(); break;
    }
    self->m_reports->setVersion(tcUnitVersion());
}

void tcApWidget::slot_startup_connect()
{
    set_online(m_settings->getInt("OPTIONS", "ONLINE", 0) != 0);
}

void tcApWidget::slot_connecting()
{
    setState(CONN_TRYING);
}

void tcApWidget::slot_connect()
{
    if (!xr9Bench())
        return;
    if (m_settings->getInt("DEVICE", "forceconnect", 0) != 0) {
        emit sig_connect_accepted();
        return;
    }
    setState(CONN_PENDING);
    const tcDeviceRecord* unit = m_devices->current();
    sendLogin(unit ? unit->rcrc() : LOGIN_KEY_NONE);
}

void tcApWidget::slot_connect_accepted()
{
    if (!xr9Bench())
        return;
    setState(CONN_ONLINE);
    if (m_meter)
        sendMeterStart(m_meter->port(), m_meter->nextStreamNumber());
}

// The login password dialog comes with the password issue; until then a rejection
// leaves the link pending, as a dialog that is still open would.
void tcApWidget::slot_connect_rejected() {}

void tcApWidget::slot_disconnect()
{
    if (!xr9Bench())
        return;
    setState(CONN_OFFLINE);
    m_globals->setBool(1011, false, TO_GUI);
    xr9Bench()->restMeters();
}
