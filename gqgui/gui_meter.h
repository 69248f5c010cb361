#pragma once

#include "gqgui/gui_object.h"
#include "gqgui/meter_tables.h"

#include <array>
#include <cstdint>

// A bar meter of one or two channels showing a level or a gain reduction from a bar
// bitmap, with a peak marker, overload lamps and an optional scale. Level updates repaint
// only the bars and lamps, straight on the host widget. GUI thread only.
class tcGuiMeter : public tcGuiObject
{
public:
    static constexpr int CHANNELS = 2;
    static constexpr int PEAK_LENGTH = 5;
    static constexpr int DEFAULT_BAR_LENGTH = 200;
    static constexpr int DEFAULT_BAR_THICKNESS = 8;
    static constexpr int DEFAULT_LAMP_WIDTH = 8;
    static constexpr int DEFAULT_LAMP_HEIGHT = 4;

    using Bytes = std::array<int, CHANNELS>;

    tcGuiMeter(const QString& id, tcBench* bench, int serial);

    std::unique_ptr<tcGuiObject> clone(tcBench* bench) const override;
    void finishLoading() override;
    // Giving the caption position gives the meter its scale.
    void setCaptionX(int x) override;
    void setCaptionY(int y) override;
    // Also notes the area being painted, so that a repaint of the bars alone can leave
    // the background out.
    bool needsPaint(const QRect& rect) const override;
    bool acceptsPress() const override;
    void paint(QPainter& painter) override;

    // A style outside 0..7 keeps the current one; channels other than 1 give two.
    // Repaints when anything changed.
    void setStyle(int style, bool clip, int channels);
    void setVertical(bool on) { m_vertical = on; }
    // Positions relative to the meter, per channel (0 left, 1 right).
    void setBarX(int channel, int x);
    void setBarY(int channel, int y);
    void setLampX(int channel, int x);
    void setLampY(int channel, int y);
    void setBackgroundBitmap(tcGuiImage* bitmap) { m_background = bitmap; }
    void setBarBitmap(tcGuiImage* bitmap) { m_bar = bitmap; }
    void setLampBitmap(tcGuiImage* bitmap) { m_lamp = bitmap; }

    // Level and peak indexes (0..255, 255 = 0 dB; a peak of 255 is none) and overload
    // states (non-zero = on). Ignored while hidden or without a parent widget; otherwise
    // stored when anything differs, and only the bars (and lamps with clip on) repainted.
    void setLevels(const Bytes& levels, const Bytes& peaks, const Bytes& overloads);

    int style() const { return m_style; }
    bool clip() const { return m_clip; }
    int channels() const { return m_channels; }
    bool vertical() const { return m_vertical; }
    bool hasCaption() const { return m_hasCaption; }
    int level(int channel) const;
    int peak(int channel) const;
    bool overload(int channel) const;
    int barLength() const { return m_barLength; }
    int barThickness() const { return m_barThickness; }
    int lampWidth() const { return m_lampWidth; }
    int lampHeight() const { return m_lampHeight; }
    // Pixel tables and label positions, valid after loading.
    const tcMeterPixelTables& tables() const { return m_tables; }
    const tcMeterTicks& ticks() const { return m_ticks; }
    // Skin rectangles of a channel's bar and lamp.
    QRect barRect(int channel) const;
    QRect lampRect(int channel) const;
    // The union of the bars in use, with the lamps when clip is on.
    QRect levelArea() const;

private:
    struct Channel
    {
        int barX;
        int barY = 0;
        int lampX;
        int lampY = 0;
        uint8_t level = 0;
        uint8_t peak = METER_NO_PEAK;
        bool overload = false;
    };

    static bool validChannel(int channel) { return channel >= 0 && channel < CHANNELS; }
    // Reads the section counts of the bitmaps, warning about strips without six sections.
    void measureBitmaps();
    // The caption box: the bounds and, with a scale, its labels.
    void measureScale();
    void paintBar(QPainter& painter, int channel) const;
    // Draws the part [from, to) along the bar in the section, clipped to the bar.
    void paintBarPart(QPainter& painter, const QRect& bar, int from, int to, int section) const;
    void paintLabels(QPainter& painter) const;
    QFont labelFont() const;
    QPoint labelAnchor(int label) const;
    QRect labelRect(int label) const;
    // Host widget area of a skin rectangle.
    QRect hostRect(const QRect& rect) const;

    int m_style = METER_VU30;
    bool m_clip = false;
    int m_channels = CHANNELS;
    bool m_vertical = true;
    std::array<Channel, CHANNELS> m_channel{{{0, 0, 0, 0}, {10, 0, 10, 0}}};
    int m_barLength = DEFAULT_BAR_LENGTH;
    int m_barThickness = DEFAULT_BAR_THICKNESS;
    int m_lampWidth = DEFAULT_LAMP_WIDTH;
    int m_lampHeight = DEFAULT_LAMP_HEIGHT;
    tcGuiImage* m_background = nullptr;
    tcGuiImage* m_bar = nullptr;
    tcGuiImage* m_lamp = nullptr;
    tcMeterPixelTables m_tables{};
    tcMeterTicks m_ticks{};
    bool m_hasCaption = false;
    mutable QRect m_paintArea;
};
