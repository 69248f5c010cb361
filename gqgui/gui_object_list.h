#pragma once

#include "gqgui/gui_object.h"

#include <memory>
#include <vector>

// The bench's ordered list of skin objects: appended in creation order, never
// reordered, owning the objects. GUI thread only.
class tcGuiObjectList
{
public:
    using Items = std::vector<std::unique_ptr<tcGuiObject>>;

    tcGuiObjectList() = default;
    tcGuiObjectList(const tcGuiObjectList&) = delete;
    tcGuiObjectList& operator=(const tcGuiObjectList&) = delete;
    ~tcGuiObjectList();

    // Appends at the tail and returns the object, now owned by the list.
    tcGuiObject* append(std::unique_ptr<tcGuiObject> object);
    // The first object whose id equals the text exactly, or none.
    tcGuiObject* find(const QString& id) const;
    // The same, but none when that first object has another kind code.
    tcGuiObject* find(const QString& id, int kind) const;
    // Destroys every object in list order.
    void clear();

    Items::const_iterator begin() const { return m_items.begin(); }
    Items::const_iterator end() const { return m_items.end(); }
    size_t size() const { return m_items.size(); }
    bool isEmpty() const { return m_items.empty(); }

private:
    Items m_items;
};
