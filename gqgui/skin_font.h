#pragma once

#include "gqgui/skin_name.h"

#include <QFont>
#include <QString>

// Recipe of a font that exists before any skin file is read.
struct tcSkinFontRecipe
{
    const char* name;
    const char* face;
    int size;
    int space;
};

// The two fonts every skin has; a skin may redefine either by name.
inline constexpr tcSkinFontRecipe PREDEFINED_SKIN_FONTS[] = {
    {"GQGUI_HFONT", "Arial", 14, 11},
    {"GQGUI_MONOFONT", "Lucida Console", 15, 11},
};

// A named skin font: the drawing font plus the angle and line spacing that objects apply
// when they draw captions. Owned by the bench, borrowed by the objects.
class tcSkinFont
{
public:
    static constexpr int DEFAULT_SIZE = 14;
    static constexpr int DEFAULT_SPACE = 10;

    // Face "Arial", size 14, regular, upright, angle 0, space 10.
    explicit tcSkinFont(const QString& name);
    explicit tcSkinFont(const tcSkinFontRecipe& recipe);

    const tcSkinName& name() const { return m_name; }
    const QString& face() const { return m_face; }
    const QFont& font() const { return m_font; }
    int angle() const { return m_angle; }
    int space() const { return m_space; }
    int size() const { return m_size; }

    void setFace(const QString& face);
    // Skin sizes are not pixel sizes: size n draws with max(n, 8) - 3 pixels.
    void setSize(int size);
    void setBold(bool bold);
    void setItalic(bool italic);
    void setAngle(int angle) { m_angle = angle; }
    // Distance in pixels between the lines of a caption.
    void setSpace(int space) { m_space = space; }

private:
    tcSkinName m_name;
    QString m_face;
    QFont m_font;
    int m_size = DEFAULT_SIZE;
    int m_angle = 0;
    int m_space = DEFAULT_SPACE;
};
