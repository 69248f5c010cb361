#include "app/xr9_widget.h"

#include "app/app_folders.h"
#include "app/ini_file.h"
#include "app/xr9_bench.h"
#include "gqgui/skin_pack.h"
#include "groups/group_main.h"
#include "model/global_dirty_set.h"
#include "model/global_list.h"
#include "model/model_globals.h"
#include "model/param_dirty_set.h"
#include "model/param_list.h"

#include <QMessageBox>

namespace {

const char* const kTempSkinFolder = "temp_skin_dir";
constexpr int kMaxSkinName = 49;

} // namespace

XR9Widget::XR9Widget(QWidget* parent)
    : tcApWidget(parent)
{
    char name[kMaxSkinName + 1];
    settings().getString("SKIN", "name", "default", name, sizeof name);
    m_skinName = QString::fromUtf8(name);
    m_skinPacked = settings().getInt("SKIN", "file", 1) != 0;
    if (loadSkin(m_skinName, m_skinPacked) != 0) {
        m_skinName = QStringLiteral("default");
        m_skinPacked = true;
        loadSkin(m_skinName, m_skinPacked);
    }
    centreOnScreen();
}

int XR9Widget::loadSkin(const QString& name, bool packed)
{
    QString source = folders().skins().filePath(name);
    QDir temp;
    if (packed) {
        temp = QDir(folders().app().filePath(QString::fromLatin1(kTempSkinFolder)));
        temp.removeRecursively();
        temp.mkpath(QStringLiteral("."));
        // A failed unpack shows as a skin that does not load.
        unpackSkin(folders().skins().filePath(name + QStringLiteral(".skin")), temp.absolutePath(), nullptr);
        source = temp.absolutePath();
    }
    setBench(nullptr);
    auto bench = std::make_unique<tcXR9Bench>(this, source, quickSave());
    tcXR9Bench* loaded = bench.get();
    setBench(std::move(bench));
    const int result = loaded->load();
    if (packed)
        temp.removeRecursively();
    if (result != 0)
        return -1;
    loaded->fitWindow();
    connectMainGroup();
    pushStatusToSkin();
    afterLoad();
    return 0;
}

void XR9Widget::connectMainGroup()
{
    tcControlGroupMain* main = xr9Bench()->mainGroup();
    if (!main)
        return;
    const auto queued = Qt::QueuedConnection;
    connect(main, &tcControlGroup::sig_device_dlg, this, &tcApWidget::slot_device_dlg, queued);
    connect(main, &tcControlGroup::sig_pset_dlg, this, &tcApWidget::slot_preset_dlg, queued);
    connect(main, &tcControlGroup::sig_minimize, this, &tcApWidget::slot_minimize, queued);
    connect(main, &tcControlGroup::sig_exit_app, this, &tcApWidget::slot_exitMenu, queued);
    connect(main, &tcControlGroup::sig_online, this, &tcApWidget::slot_menu_on_line, queued);
    connect(main, &tcControlGroup::sig_password, this, &tcApWidget::slot_password_dlg, queued);
    connect(main, &tcControlGroup::sig_choose_skin, this, &tcApWidget::slot_choose_skin, queued);
    connect(main, &tcControlGroup::sig_pset_take, this, &tcApWidget::slot_preset_take, queued);
    connect(main, &tcControlGroup::sig_about, this, &tcApWidget::slot_about, queued);
}

void XR9Widget::localModeWarning()
{
    QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("The K7 is in local mode."), QMessageBox::Ok);
}

void XR9Widget::redrawMarkedParameters()
{
    tcXR9Bench* bench = xr9Bench();
    for (quint16 id = firstParamId(); id != ID_END; id = nextParamId(id))
        if (guiSettingsDirty()->take(id) && bench)
            bench->refreshParameter(id);
}

void XR9Widget::redrawMarkedGlobals()
{
    tcXR9Bench* bench = xr9Bench();
    for (quint16 id = firstGlobalId(); id != ID_END; id = nextGlobalId(id)) {
        // The password, lock and access words are not shown.
        if (guiGlobalsDirty()->take(id) && bench && id > 1002)
            bench->refreshGlobal(id);
    }
}
