#pragma once

#include "gqgui/graph_dragger.h"
#include "gqgui/gui_graph.h"
#include "gqgui/graph_spectrum_tables.h"

#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class tcSpectrumDragger;

// The main graph: the audio spectrum or the gain reduction of a channel over a frequency
// axis, and the host of the response-curve editor of the shown processing block. It moves
// between up to nine panel rectangles of the skin. GUI thread only.
class tcGuiApGraph : public tcGuiGraph
{
public:
    static constexpr int PANELS = 9;
    static constexpr int RANGE_MAX = SPECTRUM_RANGES - 1;

    tcGuiApGraph(const QString& id, tcBench* bench, int serial);
    ~tcGuiApGraph() override;

    void finishLoading() override;
    bool mousePress(int x, int y) override;
    // Ends the left press, or the right one when only that is held.
    void mouseRelease(int x, int y) override;
    bool rightPress(int x, int y) override;
    void mouseDrag(int x, int y, int modifiers) override;
    void mouseHover(int x, int y, int modifiers) override;
    void wheel(int delta, int modifiers) override;
    void doubleClick(int x, int y) override;
    bool acceptsRightPress() const override;
    bool acceptsWheel() const override;
    bool acceptsDoubleClick() const override;
    bool wantsHover() const override;
    // The audio trace, then the gain-reduction layer of the controller's dragger.
    void paintOwnLayer(QPainter& painter) override;

    // Panel rectangles (panel 0..8); a part the skin does not give is the object's own.
    void setPanelX(int panel, int x);
    void setPanelY(int panel, int y);
    void setPanelWidth(int panel, int width);
    void setPanelHeight(int panel, int height);
    // Moves the graph to panel 0..8; other values and the current panel are ignored.
    void selectPanel(int panel);

    void setMode(int mode);
    // Channel 0 or 1; naming 0 ("Channel 1 ") or 1 ("Left ").
    void setChannel(int channel, int naming);
    void setExtraTitle(const QString& text);
    // The 500 spectrum bytes (fewer are padded with zeros); repaints while audio or
    // the gain reduction is shown.
    void setSpectrumData(std::span<const uint8_t> data);
    void clearSpectrumData();
    // Clamped to 0..7.
    void setSpectrumRange(int range);
    // The two range values of the controller, kept for it.
    void setRanges(int first, int second);
    // The controller's curve editor, active while mode bit 1 is set; borrowed, none
    // removes it. Told the plot size now and on every panel change.
    void setDragger(tcGuiGraphDragger* dragger);
    // The controller's dB scales shown while editing curves; borrowed, each may be none.
    void setScales(tcGraphAxis* left, tcGraphAxis* right);
    void setAudioColor(QRgb color) { m_audioColor = color; }

    int mode() const { return m_mode; }
    int channel() const { return m_channel; }
    int naming() const { return m_naming; }
    const QString& extraTitle() const { return m_extraTitle; }
    int spectrumRange() const { return m_range; }
    int firstRange() const { return m_ranges[0]; }
    int secondRange() const { return m_ranges[1]; }
    int currentPanel() const { return m_panel; }
    // A panel's rectangle, valid after loading; empty for a panel outside 0..8.
    QRect panelRect(int panel) const;
    QRgb audioColor() const { return m_audioColor; }
    const std::array<uint8_t, SPECTRUM_POINTS>& spectrumData() const { return m_data; }
    // Pixel rows of spectrum bytes per range, valid after loading.
    const tcSpectrumTables& spectrumTables() const { return m_tables; }
    // The horizontal frequency scale the draggers convert with.
    const tcGraphAxis& frequencyAxis() const { return m_frequencyAxis; }
    tcGuiGraphDragger* dragger() const { return m_external; }
    tcSpectrumDragger* spectrumDragger() const { return m_spectrumDragger.get(); }
    // The row a spectrum point is drawn at (spectrum table or gain-reduction mapping).
    int traceRow(int point) const;

protected:
    // The controller's dragger in curve editing, else its own spectrum dragger.
    tcGuiGraphDragger* activeDragger() const override;

private:
    using PanelParts = std::array<std::optional<int>, 4>;

    void setPanelPart(int panel, int part, int value);
    // Shown axes and title from the mode; marks the picture and repaints.
    void rebuildAxes();
    // Applies a dragger's result bits.
    void handle(int result);
    tcGuiGraphDragger* pressDragger() const;
    bool outsidePlot(int x) const;
    void paintTrace(QPainter& painter) const;

    int m_mode = 0;
    int m_channel = 0;
    int m_naming = 0;
    QString m_extraTitle;
    std::array<uint8_t, SPECTRUM_POINTS> m_data{};
    int m_range = 0;
    std::array<int, 2> m_ranges{};
    std::array<PanelParts, PANELS> m_panelParts{};
    std::array<QRect, PANELS> m_panels{};
    int m_panel = -1;
    std::unique_ptr<tcSpectrumDragger> m_spectrumDragger;
    QPointer<tcGuiGraphDragger> m_external;
    // White: the -1 of "no colour" read as a colour.
    QRgb m_audioColor = 0xFFFFFFFF;
    tcGraphAxis m_frequencyAxis;
    tcGraphAxis m_spectrumAxis;
    tcGraphAxis* m_leftScale = nullptr;
    tcGraphAxis* m_rightScale = nullptr;
    tcSpectrumTables m_tables{};
    bool m_leftHeld = false;
    bool m_rightHeld = false;
    bool m_pressToSpectrum = false;
    int m_lastX = 0;
    int m_lastY = 0;
};
