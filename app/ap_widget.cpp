#include "app/ap_widget.h"

#include "app/app_folders.h"
#include "app/ini_file.h"
#include "app/settings_globals.h"
#include "app/splash.h"
#include "app/xr9_bench.h"
#include "link/device_list.h"
#include "link/frame_rx.h"
#include "link/link_globals.h"
#include "link/message_dispatch.h"
#include "link/messages.h"
#include "link/socket_startup.h"
#include "link/tcp_client.h"
#include "link/unit_reports.h"
#include "model/device_globals.h"
#include "model/global_dirty_set.h"
#include "model/model_globals.h"
#include "model/param_dirty_set.h"
#include "model/param_map.h"
#include "presets/library_notice.h"
#include "presets/package_installer.h"
#include "presets/preset_library.h"
#include "presets/quick_save.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTimer>

namespace {

const char* const kSettingsFile = "XR9QT.ini";
const char* const kFrontPanelLoader = "lbn_loader.exe";

// A first start finds no settings file: record the start-up keys with their defaults so
// the engineer finds a complete file beside the program.
void recordStartupDefaults(tcIniFile& store)
{
    store.setString("DEVICE", "name", "????????");
    store.setInt("DEVICE", "forceconnect", 0);
    store.setInt("OPTIONS", "ONLINE", 0);
    store.setString("SKIN", "name", "default");
    store.setInt("SKIN", "file", 1);
    store.save();
}

} // namespace

tcApWidget::tcApWidget(QWidget* parent)
    : tcGQGuiWidget(parent)
{
    setWindowTitle(QStringLiteral("K7"));
    setWindowIcon(QIcon(QStringLiteral(":/Resources/kaldra_vee.png")));
    socketStartup();
    const bool firstStart = !QFile::exists(QString::fromLatin1(kSettingsFile));
    m_settings = std::make_unique<tcIniFile>(QString::fromLatin1(kSettingsFile), tcIniFile::MODE_XML);
    setSettingsStore(m_settings.get());
    if (firstStart)
        recordStartupDefaults(*m_settings);
    m_folders = std::make_unique<tcAppFolders>(QDir::currentPath());
    setAppFolders(m_folders.get());
    createSharedObjects();

    char name[41];
    m_settings->getString("DEVICE", "name", "????????", name, sizeof name);
    m_devices->select(QString::fromUtf8(name));
    setDeviceText(QString::fromUtf8(name));

    buildMenu();
    connectOwnSignals();
    setOnlineText(QString::fromLatin1(CONN_STATE_TEXTS[CONN_IDLE].text), CONN_STATE_TEXTS[CONN_IDLE].colour);
    createTimers();
    centreOnScreen();
    PRESET_HEADER unknown = PRESET_HEADER::fresh();
    unknown.setName("Unknown");
    m_reports->offerPresetHeader(unknown);

    emit sig_preset_pkg_install();
    emit sig_startup_connect();
    emit sig_crc_check();
}

tcApWidget::~tcApWidget()
{
    delete m_meterTimer;
    delete m_animateTimer;
    delete m_pingTimer;
    delete m_crcTimer;
    deleteClient();
    m_meter->close();
    m_meter.reset();
    // The bench writes its options into the settings and its groups use the live map.
    setBench(nullptr);
    frame_set_dispatcher(nullptr);
    setLinkEvents(tcLinkEvents(), nullptr);
    setLiveMap(nullptr);
    setDeviceGlobals(nullptr);
    setMapSettingsDirty(nullptr);
    setGuiSettingsDirty(nullptr);
    setMapGlobalsDirty(nullptr);
    setGuiGlobalsDirty(nullptr);
    setAppFolders(nullptr);
    setSettingsStore(nullptr);
}

void tcApWidget::createSharedObjects()
{
    m_mapSettingsDirty = std::make_unique<tcParamDirtySet>();
    m_guiSettingsDirty = std::make_unique<tcParamDirtySet>();
    m_mapGlobalsDirty = std::make_unique<tcGlobalDirtySet>();
    m_guiGlobalsDirty = std::make_unique<tcGlobalDirtySet>();
    m_globals = std::make_unique<tcDeviceGlobals>();
    m_globals->setBool(1011, false, TO_GUI); // no unit yet: not in local mode
    m_globals->setNotify(&tcApWidget::onGlobalChange, this);
    m_liveMap = std::make_unique<tcParamMap>();
    m_liveMap->setNotify(&tcApWidget::onParamChange, this);
    setMapSettingsDirty(m_mapSettingsDirty.get());
    setGuiSettingsDirty(m_guiSettingsDirty.get());
    setMapGlobalsDirty(m_mapGlobalsDirty.get());
    setGuiGlobalsDirty(m_guiGlobalsDirty.get());
    setDeviceGlobals(m_globals.get());
    setLiveMap(m_liveMap.get());
    m_devices = std::make_unique<tcDeviceList>(m_folders->maps());
    m_meter = std::make_unique<METERIFACE>();
    m_reports = std::make_unique<tcUnitReports>();
    m_quickSave = std::make_unique<tcQuickSave>(m_folders->presets());

    tcLinkEvents events;
    events.context = this;
    events.versionReceived = [](void* c) { emit static_cast<tcApWidget*>(c)->sig_recv_version(); };
    events.loginAccepted = [](void* c) { emit static_cast<tcApWidget*>(c)->sig_connect_accepted(); };
    events.loginRejected = [](void* c) { emit static_cast<tcApWidget*>(c)->sig_connect_rejected(); };
    events.presetHeaderChanged = [](void* c) { emit static_cast<tcApWidget*>(c)->sig_crc_check(); };
    setLinkEvents(events, m_reports.get());
    installFrameDispatch();
}

void tcApWidget::buildMenu()
{
    m_menu = new QMenu(this);
    QMenu* file = m_menu->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("About..."), this, &tcApWidget::slot_about);
    file->addAction(QStringLiteral("Center Window"), this, &tcApWidget::slot_centerMenu);
    file->addAction(QStringLiteral("Choose Skin..."), this, &tcApWidget::slot_choose_skin);
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"), this, &tcApWidget::slot_exitMenu);

    QMenu* hardware = m_menu->addMenu(QStringLiteral("Hardware"));
    hardware->addAction(QStringLiteral("Devices..."), this, &tcApWidget::slot_device_dlg);
    hardware->addSeparator();
    m_onlineAction = hardware->addAction(QStringLiteral("On-Line Mode..."), this, &tcApWidget::slot_menu_on_line);
    m_onlineAction->setCheckable(true);
    hardware->addAction(QStringLiteral("Login Password..."), this, &tcApWidget::slot_password_dlg);
    hardware->addSeparator();
    hardware->addAction(QStringLiteral("Version..."), this, &tcApWidget::slot_version_dlg);
    hardware->addSeparator();
    hardware->addAction(QStringLiteral("Update..."), this, &tcApWidget::slot_swup_dlg);
    if (QFile::exists(QString::fromLatin1(kFrontPanelLoader)))
        hardware->addAction(QStringLiteral("Update Front Panel GUI..."), this, &tcApWidget::slot_lbn_dlg);
    hardware->addSeparator();
    hardware->addAction(QStringLiteral("Assign IP Address..."), this, &tcApWidget::slot_netsrvr_dlg);

    QMenu* presets = m_menu->addMenu(QStringLiteral("Presets"));
    presets->addAction(QStringLiteral("Take..."), this, &tcApWidget::slot_preset_take);
    presets->addAction(QStringLiteral("Library..."), this, &tcApWidget::slot_preset_dlg);
}

void tcApWidget::connectOwnSignals()
{
    const auto queued = Qt::QueuedConnection;
    connect(this, &tcApWidget::sig_map_settings_dirty, this, &tcApWidget::slot_map_settings_dirty, queued);
    connect(this, &tcApWidget::sig_gui_settings_dirty, this, &tcApWidget::slot_gui_settings_dirty, queued);
    connect(this, &tcApWidget::sig_map_globals_dirty, this, &tcApWidget::slot_map_globals_dirty, queued);
    connect(this, &tcApWidget::sig_gui_globals_dirty, this, &tcApWidget::slot_gui_globals_dirty, queued);
    connect(this, &tcApWidget::sig_connecting, this, &tcApWidget::slot_connecting, queued);
    connect(this, &tcApWidget::sig_connect, this, &tcApWidget::slot_connect, queued);
    connect(this, &tcApWidget::sig_connect_accepted, this, &tcApWidget::slot_connect_accepted, queued);
    connect(this, &tcApWidget::sig_connect_rejected, this, &tcApWidget::slot_connect_rejected, queued);
    connect(this, &tcApWidget::sig_disconnect, this, &tcApWidget::slot_disconnect, queued);
    connect(this, &tcApWidget::sig_crc_check, this, &tcApWidget::slot_crc_check, queued);
    connect(this, &tcApWidget::sig_preset_pkg_install, this, &tcApWidget::slot_preset_pkg_install, queued);
    connect(this, &tcApWidget::sig_startup_connect, this, &tcApWidget::slot_startup_connect, queued);
}

void tcApWidget::createTimers()
{
    const auto make = [this](int interval, void (tcApWidget::*slot)()) {
        auto* timer = new QTimer(this);
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, slot, Qt::QueuedConnection);
        timer->start();
        return timer;
    };
    m_meterTimer = make(101, &tcApWidget::slot_meter_timer);
    m_animateTimer = make(100, &tcApWidget::slot_animate_timer);
    m_pingTimer = make(2000, &tcApWidget::slot_ping_timer);
    m_crcTimer = make(1000, &tcApWidget::slot_crc_check);
}

tcXR9Bench* tcApWidget::xr9Bench() const
{
    return static_cast<tcXR9Bench*>(bench());
}

void tcApWidget::contextMenu(const QPoint& globalPos)
{
    m_menu->popup(globalPos);
}

void tcApWidget::setOnlineText(const QString& text, int colour)
{
    m_onlineText = text;
    m_onlineColour = colour;
    if (tcXR9Bench* b = xr9Bench())
        b->setStatusDisplay(tcXR9Bench::STAT_ONLINE_ID, text, colour);
}

void tcApWidget::setDeviceText(const QString& text)
{
    m_deviceText = text;
    if (tcXR9Bench* b = xr9Bench())
        b->setStatusDisplay(tcXR9Bench::STAT_DEVICE_ID, text, 0);
}

void tcApWidget::setPresetText(const QString& text, int colour)
{
    m_presetText = text;
    m_presetColour = colour;
    if (tcXR9Bench* b = xr9Bench())
        b->setStatusDisplay(tcXR9Bench::STAT_PRESET_ID, text, colour);
}

void tcApWidget::pushStatusToSkin()
{
    setOnlineText(m_onlineText, m_onlineColour);
    setDeviceText(m_deviceText);
    setPresetText(m_presetText, m_presetColour);
    if (tcXR9Bench* b = xr9Bench())
        b->setOnlineSwitch(m_onlineWanted);
}

void tcApWidget::slot_about()
{
    m_about = std::make_unique<tcSplash>(QPixmap(QStringLiteral(":/Resources/splash.bmp")));
    m_about->show();
}

void tcApWidget::slot_centerMenu() { centreOnScreen(); }
void tcApWidget::slot_minimize() { showMinimized(); }
void tcApWidget::slot_exitMenu() { QApplication::closeAllWindows(); }
void tcApWidget::slot_menu_on_line() { set_online(!m_onlineWanted); }

void tcApWidget::slot_lbn_dlg()
{
    if (QFile::exists(QString::fromLatin1(kFrontPanelLoader)))
        QProcess::startDetached(QDir::current().absoluteFilePath(QString::fromLatin1(kFrontPanelLoader)), {});
}

void tcApWidget::slot_device_dlg() { devicesDialog(); }
void tcApWidget::slot_choose_skin() { skinChooser(); }

// The login password dialog comes with the password issue.
void tcApWidget::slot_password_dlg()
{
    require_online(QStringLiteral("Password Update"));
}

// The version dialog comes with the devices issue; the request is already sent.
void tcApWidget::slot_version_dlg()
{
    if (require_online(QStringLiteral("K7 Version")))
        sendVersionRequest();
}

// The firmware download dialog comes with the firmware issue.
void tcApWidget::slot_swup_dlg()
{
    require_online(QStringLiteral("Update"));
}

// The IP assignment dialog comes with the boot-server issue.
void tcApWidget::slot_netsrvr_dlg() {}
// The take dialog comes with the preset-transfer issue.
void tcApWidget::slot_preset_take() {}
// The preset library dialog comes with the preset-dialogs issue.
void tcApWidget::slot_preset_dlg() {}
// Packages placed in "presets/autoload" are installed into the library and removed.
void tcApWidget::slot_preset_pkg_install()
{
    tcPresetLibrary library = tcPresetLibrary::standard(messageBoxNotice(this));
    tcPackageInstaller(library).installAutoload(m_folders->presets().absolutePath());
}

// Part of the window's interface with no behaviour in this program.
void tcApWidget::slot_gui_access() {}
void tcApWidget::slot_gui_lock() {}
void tcApWidget::slot_config_dlg() {}
void tcApWidget::slot_time_set() {}
void tcApWidget::slot_event_dlg() {}
