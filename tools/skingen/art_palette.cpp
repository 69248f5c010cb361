#include "tools/skingen/art_palette.h"

#include "tools/skingen/skin_sheet.h"

namespace {

struct tcPaletteEntry
{
    const char* name;
    QColor tcArtPalette::*member;
};

// The skin colour behind each palette member.
constexpr tcPaletteEntry PALETTE_ENTRIES[] = {
    {"FACE", &tcArtPalette::face},          {"FACE_HI", &tcArtPalette::faceHi},
    {"FACE_LO", &tcArtPalette::faceLo},     {"BAY", &tcArtPalette::bay},
    {"EDGE_HI", &tcArtPalette::edgeHi},     {"EDGE_LO", &tcArtPalette::edgeLo},
    {"SILK", &tcArtPalette::silk},          {"SILK_DIM", &tcArtPalette::silkDim},
    {"ACCENT", &tcArtPalette::accent},      {"CAP", &tcArtPalette::cap},
    {"CAP_HI", &tcArtPalette::capHi},       {"CAP_LO", &tcArtPalette::capLo},
    {"RING_OFF", &tcArtPalette::ringOff},   {"LED_GREEN", &tcArtPalette::ledGreen},
    {"LED_RED", &tcArtPalette::ledRed},     {"LED_AMBER", &tcArtPalette::ledAmber},
    {"METER_LOW", &tcArtPalette::meterLow}, {"METER_MID", &tcArtPalette::meterMid},
    {"METER_HIGH", &tcArtPalette::meterHigh}, {"METER_GR", &tcArtPalette::meterGr},
};

} // namespace

std::optional<tcArtPalette> tcArtPalette::fromSheet(const tcSkinSheet& sheet, QString* missing)
{
    tcArtPalette palette;
    for (const tcPaletteEntry& entry : PALETTE_ENTRIES) {
        const std::optional<QColor> colour = sheet.colour(QLatin1String(entry.name));
        if (!colour) {
            *missing = QLatin1String(entry.name);
            return std::nullopt;
        }
        palette.*entry.member = *colour;
    }
    return palette;
}
