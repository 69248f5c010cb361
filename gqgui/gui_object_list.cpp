#include "gqgui/gui_object_list.h"

tcGuiObjectList::~tcGuiObjectList()
{
    clear();
}

tcGuiObject* tcGuiObjectList::append(std::unique_ptr<tcGuiObject> object)
{
    m_items.push_back(std::move(object));
    return m_items.back().get();
}

tcGuiObject* tcGuiObjectList::find(const QString& id) const
{
    const tcSkinName name(id);
    for (const auto& object : m_items) {
        if (object->name() == name)
            return object.get();
    }
    return nullptr;
}

tcGuiObject* tcGuiObjectList::find(const QString& id, int kind) const
{
    tcGuiObject* object = find(id);
    return object && object->kind() == kind ? object : nullptr;
}

void tcGuiObjectList::clear()
{
    for (auto& object : m_items)
        object.reset();
    m_items.clear();
}
