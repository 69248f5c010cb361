#include "gqgui/skin_tables.h"

tcSkinTables::tcSkinTables()
{
    clear();
}

void tcSkinTables::clear()
{
    colors.clear();
    offsets.clear();
    regions.clear();
    m_screens.clear();
    m_fonts.clear();
    for (const auto& recipe : PREDEFINED_SKIN_FONTS)
        m_fonts.push_back(std::make_unique<tcSkinFont>(recipe));
}

tcSkinFont* tcSkinTables::font(const QString& name) const
{
    return name.isEmpty() ? nullptr : font(tcSkinName(name));
}

tcSkinFont* tcSkinTables::font(const tcSkinName& name) const
{
    for (const auto& font : m_fonts) {
        if (font->name() == name)
            return font.get();
    }
    return nullptr;
}

tcSkinFont* tcSkinTables::addFont(const tcSkinName& name)
{
    if (int(m_fonts.size()) >= FONT_CAPACITY)
        return nullptr;
    m_fonts.push_back(std::make_unique<tcSkinFont>(name.text()));
    return m_fonts.back().get();
}

const QRgb* tcSkinTables::color(const QString& name) const
{
    return name.isEmpty() ? nullptr : colors.value(tcSkinName(name));
}

tcSkinScreen& tcSkinTables::screen(const tcSkinName& id)
{
    for (const auto& screen : m_screens) {
        if (screen->id == id)
            return *screen;
    }
    m_screens.push_back(std::make_unique<tcSkinScreen>());
    m_screens.back()->id = id;
    return *m_screens.back();
}
