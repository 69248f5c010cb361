#pragma once

#include "app/conn_state.h"
#include "gqgui/gqgui_widget.h"
#include "link/meter_iface.h"
#include "link/tcp.h"
#include "model/model_types.h"

#include <QString>

#include <memory>

class QAction;
class QMenu;
class QTimer;
class tcAppFolders;
class tcDeviceGlobals;
class tcDeviceList;
class tcGlobalDirtySet;
class tcIniFile;
class tcParamDirtySet;
class tcParamMap;
class tcQTcpClient;
class tcQuickSave;
class tcSplash;
class tcUnitReports;
class tcXR9Bench;

// The application shell of the main window: it owns every process-wide object, the
// pop-up menu and window commands, the control link with its connection state machine,
// the four timers and the three status texts. The skin-specific part is XR9Widget.
// GUI thread; the link callbacks run on the link's receive thread and only emit signals.
class tcApWidget : public tcGQGuiWidget
{
    Q_OBJECT

public:
    explicit tcApWidget(QWidget* parent = nullptr);
    ~tcApWidget() override;

    // Stores the wish, mirrors it in the menu, the "ONLINE" check box and the settings,
    // deletes any client and, when wanted and a unit is current, creates a new one.
    void set_online(bool wanted);
    // True when on line; otherwise tells the user "You must be online." under title.
    bool require_online(const QString& title);

    bool onlineWanted() const { return m_onlineWanted; }
    tcConnState connState() const { return m_state; }
    const QString& onlineText() const { return m_onlineText; }
    int onlineColour() const { return m_onlineColour; }
    const QString& presetText() const { return m_presetText; }
    int presetColour() const { return m_presetColour; }
    tcXR9Bench* xr9Bench() const;
    tcUnitReports& unitReports() const { return *m_reports; }
    QMenu* popupMenu() const { return m_menu; }
    tcQuickSave* quickSave() const { return m_quickSave.get(); }
    // The box that tells the user a gesture was refused because the unit is in local mode.
    void showLocalModeWarning() { localModeWarning(); }

    void contextMenu(const QPoint& globalPos) override;

signals:
    void sig_map_settings_dirty();
    void sig_gui_settings_dirty();
    void sig_map_globals_dirty();
    void sig_gui_globals_dirty();
    void sig_crc_check();
    void sig_connecting();
    void sig_connect();
    void sig_connect_accepted();
    void sig_connect_rejected();
    void sig_disconnect();
    void sig_summary_changed();
    void sig_recv_version();
    void sig_preset_pkg_install();
    void sig_startup_connect();
    void sig_new_events();
    void sig_ap_clock();

public slots:
    void slot_map_settings_dirty();
    void slot_gui_settings_dirty();
    void slot_map_globals_dirty();
    void slot_gui_globals_dirty();
    void slot_crc_check();
    void slot_connecting();
    void slot_connect();
    void slot_connect_accepted();
    void slot_connect_rejected();
    void slot_disconnect();
    void slot_preset_pkg_install();
    void slot_startup_connect();
    void slot_meter_timer();
    void slot_animate_timer();
    void slot_ping_timer();

    void slot_about();
    void slot_centerMenu();
    void slot_minimize();
    void slot_exitMenu();
    void slot_menu_on_line();
    void slot_password_dlg();
    void slot_version_dlg();
    void slot_swup_dlg();
    void slot_lbn_dlg();
    void slot_netsrvr_dlg();
    void slot_preset_take();
    void slot_preset_dlg();
    void slot_device_dlg();
    void slot_choose_skin();
    void slot_gui_access();
    void slot_gui_lock();
    void slot_config_dlg();
    void slot_time_set();
    void slot_event_dlg();

protected:
    // The six hooks of the shell, in their fixed order.
    virtual void localModeWarning() {}
    virtual void afterLoad() {}
    virtual void redrawMarkedParameters() {}
    virtual void redrawMarkedGlobals() {}
    virtual void devicesDialog() {}
    virtual void skinChooser() {}

    void setOnlineText(const QString& text, int colour);
    void setDeviceText(const QString& text);
    void setPresetText(const QString& text, int colour);
    // Pushes the three kept status texts and the on-line flag into a new skin.
    void pushStatusToSkin();

    tcIniFile& settings() const { return *m_settings; }
    tcAppFolders& folders() const { return *m_folders; }
    tcDeviceList& devices() const { return *m_devices; }
    tcParamMap& liveParams() const { return *m_liveMap; }

private:
    void createSharedObjects();
    void buildMenu();
    void connectOwnSignals();
    void createTimers();
    void setState(tcConnState state);
    void deleteClient();

    static void onParamChange(void* context, quint16 id, tcChangeFlag flag);
    static void onGlobalChange(void* context, quint16 id, tcChangeFlag flag);
    static void onLinkStatus(void* context, tLinkStatus status);

    std::unique_ptr<tcIniFile> m_settings;
    std::unique_ptr<tcAppFolders> m_folders;
    std::unique_ptr<tcParamDirtySet> m_mapSettingsDirty;
    std::unique_ptr<tcParamDirtySet> m_guiSettingsDirty;
    std::unique_ptr<tcGlobalDirtySet> m_mapGlobalsDirty;
    std::unique_ptr<tcGlobalDirtySet> m_guiGlobalsDirty;
    std::unique_ptr<tcDeviceGlobals> m_globals;
    std::unique_ptr<tcParamMap> m_liveMap;
    std::unique_ptr<tcDeviceList> m_devices;
    std::unique_ptr<tcUnitReports> m_reports;
    std::unique_ptr<tcQuickSave> m_quickSave;
    std::unique_ptr<METERIFACE> m_meter;
    std::unique_ptr<tcQTcpClient> m_client;
    tMeterDatagram m_meterBuffer{};

    bool m_onlineWanted = false;
    tcConnState m_state = CONN_IDLE;
    QString m_onlineText;
    int m_onlineColour = 0;
    QString m_deviceText = QStringLiteral("--------");
    QString m_presetText = QStringLiteral("--------");
    int m_presetColour = 0;

    QMenu* m_menu = nullptr;
    QAction* m_onlineAction = nullptr;
    std::unique_ptr<tcSplash> m_about;
    QTimer* m_meterTimer = nullptr;
    QTimer* m_animateTimer = nullptr;
    QTimer* m_pingTimer = nullptr;
    QTimer* m_crcTimer = nullptr;
};
