#pragma once

#include "model/model_types.h"

#include <QByteArray>
#include <QByteArrayView>

// Abstract entry of a parameter map: one typed value under a parameter ID, owned by its map.
class MAP_TYPE {
public:
    MAP_TYPE(const MAP_TYPE&) = delete;
    MAP_TYPE& operator=(const MAP_TYPE&) = delete;

    quint16 id() const { return m_id; }

    // Virtual operations in slot order.
    virtual tcTypeCode type() const = 0;        // TYPE_FLOAT, TYPE_INT or TYPE_BOOL
    virtual bool reset() = 0;                   // back to the default; true when the value changed
    virtual QByteArray valueText() const = 0;   // the current value's text, at most 8 characters
    virtual QByteArray nameText() const = 0;    // the display name, at most 31 characters

    // Virtual (declared after the four operations, so they keep the first slots) because maps
    // own their entries through std::unique_ptr<MAP_TYPE>.
    virtual ~MAP_TYPE() = default;

protected:
    explicit MAP_TYPE(quint16 id) : m_id(id) {}

    // The stored copy of an entry's name: at most 31 characters.
    static QByteArray entryName(QByteArrayView name) { return name.first(qMin<qsizetype>(name.size(), 31)).toByteArray(); }

private:
    quint16 m_id;
};
