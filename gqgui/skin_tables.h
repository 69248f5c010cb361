#pragma once

#include "gqgui/skin_font.h"
#include "gqgui/skin_screen.h"
#include "gqgui/skin_table.h"

#include <QRgb>

#include <memory>
#include <vector>

// A rectangle of the region table, kept as four plain integers.
struct tcSkinRegion
{
    int x = 0;
    int y = 0;
    int w = 100;
    int h = 100;
};

// The named tables and screen records that the skin loader fills: colours, fonts, offsets
// and regions with their capacities. Owned by the bench; emptied at the start of every
// load, after which the two predefined fonts are its first fonts. GUI thread only.
class tcSkinTables
{
public:
    static constexpr int COLOR_CAPACITY = 256;
    static constexpr int FONT_CAPACITY = 64;
    static constexpr int OFFSET_CAPACITY = 10000;
    static constexpr int REGION_CAPACITY = 1024;
    static constexpr QRgb NEW_COLOR = 0xFF000000;

    tcSkinTables();

    // Empties every table and the screens, then enters the predefined fonts.
    void clear();

    // The font of that name, or none (an empty name gives none).
    tcSkinFont* font(const QString& name) const;
    tcSkinFont* font(const tcSkinName& name) const;
    // A new font of that name, or none when the table is full.
    tcSkinFont* addFont(const tcSkinName& name);
    int fontCount() const { return int(m_fonts.size()); }

    // The colour of that name, or none (an empty name gives none).
    const QRgb* color(const QString& name) const;

    // The screen record of that id, appended when there is none.
    tcSkinScreen& screen(const tcSkinName& id);
    const std::vector<std::unique_ptr<tcSkinScreen>>& screens() const { return m_screens; }

    tcSkinTable<QRgb> colors{COLOR_CAPACITY};
    tcSkinTable<int> offsets{OFFSET_CAPACITY};
    tcSkinTable<tcSkinRegion> regions{REGION_CAPACITY};

private:
    std::vector<std::unique_ptr<tcSkinFont>> m_fonts;
    std::vector<std::unique_ptr<tcSkinScreen>> m_screens;
};
