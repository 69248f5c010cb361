#pragma once

#include "gqgui/bench_master.h"
#include "groups/group_host.h"
#include "link/meter_iface.h"

#include <QString>

#include <memory>

class tcApWidget;
class tcControlGroup;
class tcControlGroupCompressor;
class tcControlGroupDeEsser;
class tcControlGroupExpander;
class tcControlGroupInput;
class tcControlGroupMain;
class tcControlGroupParametric;
class tcControlGroupSystem;
class tcQuickSave;

// The K7's bench: loads the skin, owns the seven control groups that bind its objects,
// shows one processing group at a time, refuses gestures while the unit is in local mode
// and turns changed parameters and globals into redrawn controls. GUI thread only.
class tcXR9Bench : public tcBenchMaster, public tcGroupHost
{
public:
    static constexpr int STAT_ONLINE_ID = 1004;
    static constexpr int STAT_DEVICE_ID = 1005;
    static constexpr int STAT_PRESET_ID = 1006;

    // host may be none (off-screen use); quickSave is borrowed and may be none.
    tcXR9Bench(tcApWidget* host, const QString& skinFolder, tcQuickSave* quickSave = nullptr);
    ~tcXR9Bench() override;

    bool interactionLocked(int objectId) override;
    void fitWindow() override;
    void paint(QPainter& painter, const QRect& rect) override;
    [[gnu::format(printf, 2, 3)]] void log(const char* format, ...) override;
    // Loads the skin and creates the groups; -1 when the skin could not be parsed or has
    // no "BKGRND" image.
    int load() override;

    // The groups' host.
    tcBench& skinBench() override { return *this; }
    tcControlGroupMain* mainGroup() const override { return m_main.get(); }
    int controlIndex() const override { return m_control; }
    void selectControl(int index) override;
    void setStreamFlag(bool output) override;
    int option(const char* key, int defaultValue) const override;
    void setOption(const char* key, int value) override;
    int quickSaveSlot() const override;
    void quickSaveSelect(int slot) override;
    void quickSaveStoreBoth() override;

    // A parameter the unit or a preset changed: the owning group moves its control.
    void refreshParameter(quint16 id);
    // A global the unit changed (not 1000-1002): the group that shows it redraws.
    void refreshGlobal(quint16 id);
    void setCurveOption(int value);
    // The status displays and the "ONLINE" check box, kept by the main window.
    void setStatusDisplay(int displayId, const QString& text, int colour);
    void setOnlineSwitch(bool on);
    void meterUpdate(const tMeterDatagram& datagram);
    void restMeters();

    int backgroundWidth() const { return m_width; }
    int backgroundHeight() const { return m_height; }

private:
    tcControlGroup* groupForIndex(int index) const;
    template <typename Fn> void forEachProcessingGroup(Fn fn) const;

    tcApWidget* m_window;
    tcQuickSave* m_quickSave;
    int m_width = 300;
    int m_height = 150;
    int m_control = 0;
    int m_curveOption = 0;
    bool m_streamFlag = false;
    std::unique_ptr<tcControlGroupMain> m_main;
    std::unique_ptr<tcControlGroupInput> m_input;
    std::unique_ptr<tcControlGroupExpander> m_expander;
    std::unique_ptr<tcControlGroupDeEsser> m_deesser;
    std::unique_ptr<tcControlGroupParametric> m_parametric;
    std::unique_ptr<tcControlGroupCompressor> m_compressor;
    std::unique_ptr<tcControlGroupSystem> m_system;
};
