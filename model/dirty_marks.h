#pragma once

#include "model/model_globals.h"

#include <QMutexLocker>

#include <array>
#include <cstddef>

// One dirty mark per ID of a fixed list; IndexOf maps an ID to its slot, -1 when it is not in
// the list. Marks are set by the map's and the globals' notifications (on the link's receive
// thread or the GUI thread) and cleared by the GUI thread; every operation takes modelLock().
template <std::size_t N, int (*IndexOf)(quint16)>
class tcDirtyMarks {
public:
    void mark(quint16 id) { put(id, 1); }   // an ID not in the list is ignored
    void clear(quint16 id) { put(id, 0); }  // an ID not in the list is ignored
    bool test(quint16 id) const             // false for an ID not in the list
    {
        const QMutexLocker<QRecursiveMutex> locker(&modelLock());
        const int index = IndexOf(id);
        return index >= 0 && m_marks[index] != 0;
    }

    // Clears the mark and tells whether it was set, in one step: a mark set by the other
    // thread meanwhile is never lost between a test and a clear.
    bool take(quint16 id)
    {
        const QMutexLocker<QRecursiveMutex> locker(&modelLock());
        const bool marked = test(id);
        clear(id);
        return marked;
    }

private:
    void put(quint16 id, quint8 mark)
    {
        const QMutexLocker<QRecursiveMutex> locker(&modelLock());
        const int index = IndexOf(id);
        if (index >= 0)
            m_marks[index] = mark;
    }

    std::array<quint8, N> m_marks{};
};
