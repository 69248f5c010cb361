// Handlers of the definition elements of a skin: the four named tables, screens and images.

#include "gqgui/gui_image.h"
#include "gqgui/skin_elements.h"
#include "gqgui/skin_tables.h"
#include "gqgui/skin_values.h"

namespace {
tcSkinName nameOf(const char* id)
{
    return tcSkinName(QString::fromUtf8(id));
}

QString textOf(const char* text)
{
    return QString::fromUtf8(text);
}

// The index of the table entry of the element's id, or -1 after reporting the table full.
template <typename T>
int tableEntry(tcSkinLoader& loader, tcSkinTable<T>& table, const char* id, const T& initial, const char* what)
{
    const int index = table.findOrAdd(nameOf(id), initial);
    if (index < 0)
        loader.report("ERROR: Maximimum number of %s objects exceeded", what);
    return index;
}

std::unique_ptr<tcGuiObject> makeImage(const QString& id, tcBench* bench, int serial)
{
    return std::make_unique<tcGuiImage>(id, bench, serial);
}
}

tcSkinTarget openSkin(tcSkinLoader&, const tcSkinTarget&, const char*, const tcSkinAttributes&)
{
    return tcSkinTarget{tcSkinContext::SKIN, nullptr, nullptr};
}

tcSkinTarget openColor(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    const char* id = loader.requireId(name, a);
    if (!id)
        return {};
    auto& colors = loader.tables().colors;
    const int index = tableEntry(loader, colors, id, tcSkinTables::NEW_COLOR, "COLOR");
    if (index < 0)
        return {};
    if (const char* rgb = a.get("rgb"))
        colors.at(index) = loader.colorValue(rgb);
    return {};
}

tcSkinTarget openOffset(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    const char* id = loader.requireId(name, a);
    if (!id)
        return {};
    auto& offsets = loader.tables().offsets;
    const int index = tableEntry(loader, offsets, id, 0, "OFFSET");
    if (index < 0)
        return {};
    if (const char* value = a.get("value"))
        offsets.at(index) = loader.intValue(value);
    return {};
}

tcSkinTarget openRegion(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    const char* id = loader.requireId(name, a);
    if (!id)
        return {};
    auto& regions = loader.tables().regions;
    const int index = tableEntry(loader, regions, id, tcSkinRegion{}, "REGION");
    if (index < 0)
        return {};
    tcSkinRegion& region = regions.at(index);
    if (const char* v = a.get("x"))
        region.x = loader.intValue(v);
    if (const char* v = a.get("y"))
        region.y = loader.intValue(v);
    if (const char* v = a.get("w"))
        region.w = loader.intValue(v);
    if (const char* v = a.get("h"))
        region.h = loader.intValue(v);
    return {};
}

tcSkinTarget openFont(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    const char* id = loader.requireId(name, a);
    if (!id)
        return {};
    const tcSkinName fontName = nameOf(id);
    tcSkinFont* font = loader.tables().font(fontName);
    if (!font)
        font = loader.tables().addFont(fontName);
    if (!font) {
        loader.report("ERROR: Maximimum number of FONT objects exceeded");
        return {};
    }
    if (const char* v = a.get("face"))
        font->setFace(textOf(v));
    if (const char* v = a.get("size"))
        font->setSize(skinDecimal(v));
    if (const char* v = a.get("bold"))
        font->setBold(skinFlagN(v));
    if (const char* v = a.get("italic"))
        font->setItalic(skinFlagN(v));
    if (const char* v = a.get("angle"))
        font->setAngle(skinDecimal(v));
    if (const char* v = a.get("space"))
        font->setSpace(skinDecimal(v));
    return {};
}

tcSkinTarget openScreen(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    const char* id = loader.requireId(name, a);
    if (!id)
        return {};
    tcSkinScreen& screen = loader.tables().screen(nameOf(id));
    if (const char* v = a.get("visible"))
        screen.visible = skinFlagN(v);
    if (const char* v = a.get("image"))
        screen.image = textOf(v);
    if (const char* v = a.get("meta"))
        screen.meta = textOf(v);
    if (const char* v = a.get("title"))
        screen.title = textOf(v);
    if (const char* v = a.get("number"))
        screen.number = loader.intValue(v);
    if (const char* v = a.get("x"))
        screen.x = loader.intValue(v);
    if (const char* v = a.get("y"))
        screen.y = loader.intValue(v);
    return tcSkinTarget{tcSkinContext::SCREEN, nullptr, &screen};
}

tcSkinTarget openScreenObj(tcSkinLoader& loader, const tcSkinTarget& parent, const char* name,
                           const tcSkinAttributes& a)
{
    const char* id = loader.requireId(name, a);
    if (!id)
        return {};
    tcSkinScreenObj& object = parent.screen->object(nameOf(id));
    if (const char* v = a.get("objref"))
        object.objref = textOf(v);
    if (const char* v = a.get("meta"))
        object.meta = textOf(v);
    if (const char* v = a.get("xoffset"))
        object.xoffset = loader.intValue(v);
    if (const char* v = a.get("yoffset"))
        object.yoffset = loader.intValue(v);
    return {};
}

tcSkinTarget openImage(tcSkinLoader& loader, const tcSkinTarget&, const char* name, const tcSkinAttributes& a)
{
    const char* id = loader.requireId(name, a);
    if (!id)
        return {};
    auto* image = static_cast<tcGuiImage*>(loader.object(name, id, GUI_KIND_IMAGE, makeImage));
    if (!image)
        return {};
    if (const char* v = a.get("file"))
        image->setFile(tcGuiImage::resolveFile(textOf(v), loader.folder()));
    if (const char* v = a.get("sections"))
        image->setSections(loader.objectValue(v));
    if (const char* v = a.get("trans"))
        image->setTransparentColor(loader.colorValue(v));
    return tcSkinTarget{tcSkinContext::IMAGE, image, nullptr};
}
