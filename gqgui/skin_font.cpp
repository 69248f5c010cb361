#include "gqgui/skin_font.h"

#include <algorithm>

namespace {
constexpr int MIN_SKIN_SIZE = 8;
constexpr int SIZE_TO_PIXELS = 3;
}

tcSkinFont::tcSkinFont(const QString& name) : m_name(name)
{
    setFace("Arial");
    setSize(DEFAULT_SIZE);
    setBold(false);
    setItalic(false);
}

tcSkinFont::tcSkinFont(const tcSkinFontRecipe& recipe) : tcSkinFont(QString::fromLatin1(recipe.name))
{
    setFace(QString::fromLatin1(recipe.face));
    setSize(recipe.size);
    m_space = recipe.space;
}

void tcSkinFont::setFace(const QString& face)
{
    m_face = face;
    m_font.setFamily(face);
}

void tcSkinFont::setSize(int size)
{
    m_size = size;
    m_font.setPixelSize(std::max(size, MIN_SKIN_SIZE) - SIZE_TO_PIXELS);
}

void tcSkinFont::setBold(bool bold)
{
    m_font.setWeight(bold ? QFont::Bold : QFont::Normal);
}

void tcSkinFont::setItalic(bool italic)
{
    m_font.setItalic(italic);
}
