// The main window's timers and the four slots that act on the dirty marks.

#include "app/ap_widget.h"

#include "app/xr9_bench.h"
#include "link/dirty_flush.h"
#include "link/messages.h"
#include "link/unit_reports.h"
#include "model/device_globals.h"
#include "model/global_dirty_set.h"
#include "model/model_globals.h"
#include "model/param_dirty_set.h"
#include "model/param_map.h"

// Called on the thread that stored the value, under the model lock: marks and signals only.
void tcApWidget::onParamChange(void* context, quint16 id, tcChangeFlag flag)
{
    auto* self = static_cast<tcApWidget*>(context);
    if (flag == TO_UNIT || flag == TO_BOTH) {
        self->m_mapSettingsDirty->mark(id);
        emit self->sig_map_settings_dirty();
    }
    if (flag == TO_GUI || flag == TO_BOTH) {
        self->m_guiSettingsDirty->mark(id);
        emit self->sig_gui_settings_dirty();
    }
}

void tcApWidget::onGlobalChange(void* context, quint16 id, tcChangeFlag flag)
{
    auto* self = static_cast<tcApWidget*>(context);
    if (flag == TO_UNIT) {
        self->m_mapGlobalsDirty->mark(id);
        emit self->sig_map_globals_dirty();
    } else if (flag == TO_GUI) {
        self->m_guiGlobalsDirty->mark(id);
        emit self->sig_gui_globals_dirty();
    }
}

void tcApWidget::slot_map_settings_dirty()
{
    flushMapSettings();
}

void tcApWidget::slot_map_globals_dirty()
{
    flushMapGlobals();
}

void tcApWidget::slot_gui_settings_dirty()
{
    redrawMarkedParameters();
}

void tcApWidget::slot_gui_globals_dirty()
{
    redrawMarkedGlobals();
}

void tcApWidget::slot_meter_timer()
{
    tcXR9Bench* b = xr9Bench();
    if (!b || m_state != CONN_ONLINE || !m_meter)
        return;
    if (m_meter->takeLatest(m_meterBuffer) == 0)
        b->meterUpdate(m_meterBuffer);
}

void tcApWidget::slot_animate_timer()
{
    if (tcXR9Bench* b = xr9Bench())
        b->tick();
}

void tcApWidget::slot_ping_timer()
{
    sendHeaderQuery();
}

void tcApWidget::slot_crc_check()
{
    if (!xr9Bench())
        return;
    const PRESET_HEADER header = m_reports->presetHeader();
    const bool differs = m_liveMap->settingsCrc().crc != header.checksum[0];
    setPresetText(QString::fromLatin1(header.nameString()), differs ? 1 : 0);
}
