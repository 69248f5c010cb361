#pragma once

#include "gqgui/skin_name.h"

#include <vector>

// A named table of the skin loader with a fixed capacity: entries in order of definition,
// looked up linearly by exact name. GUI thread only.
template <typename T> class tcSkinTable
{
public:
    struct Entry
    {
        tcSkinName name;
        T value;
    };

    explicit tcSkinTable(int capacity) : m_capacity(capacity) {}

    // The index of the entry of that name, or -1.
    int find(const tcSkinName& name) const
    {
        for (size_t i = 0; i < m_entries.size(); ++i) {
            if (m_entries[i].name == name)
                return int(i);
        }
        return -1;
    }

    // The index of the entry of that name; a new entry holding `initial` when there is
    // none and the table has room; -1 when it is full.
    int findOrAdd(const tcSkinName& name, const T& initial)
    {
        const int found = find(name);
        if (found >= 0)
            return found;
        if (int(m_entries.size()) >= m_capacity)
            return -1;
        m_entries.push_back(Entry{name, initial});
        return int(m_entries.size()) - 1;
    }

    // The value of the entry of that name, or none.
    const T* value(const tcSkinName& name) const
    {
        const int found = find(name);
        return found >= 0 ? &m_entries[size_t(found)].value : nullptr;
    }

    T& at(int index) { return m_entries[size_t(index)].value; }
    const Entry& entry(int index) const { return m_entries[size_t(index)]; }
    int size() const { return int(m_entries.size()); }
    int capacity() const { return m_capacity; }
    void clear() { m_entries.clear(); }

private:
    int m_capacity;
    std::vector<Entry> m_entries;
};
