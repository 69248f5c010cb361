#include "link/device_list.h"

#include <algorithm>

tcDeviceList::tcDeviceList(const QDir& mapsFolder)
    : m_maps(mapsFolder)
{
    // The pattern matches any case of ".cfg"; only an exact ".cfg" is cut off the name,
    // so "x.CFG" becomes a record named "x.CFG".
    const QStringList files = m_maps.entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    const QString suffix = QStringLiteral(".cfg");
    for (const QString& file : files) {
        const QString name = file.endsWith(suffix, Qt::CaseSensitive) ? file.chopped(suffix.size()) : file;
        m_records.push_back(std::make_unique<tcDeviceRecord>(m_maps, name));
    }
}

tcDeviceRecord* tcDeviceList::record(int index) const
{
    return index >= 0 && index < count() ? m_records[static_cast<size_t>(index)].get() : nullptr;
}

QString tcDeviceList::name(int index) const
{
    const tcDeviceRecord* r = record(index);
    return r ? r->name() : QString();
}

int tcDeviceList::indexOf(const QString& name) const
{
    const auto it = std::find_if(m_records.begin(), m_records.end(),
                                 [&name](const auto& r) { return r->name() == name; });
    return it == m_records.end() ? -1 : static_cast<int>(it - m_records.begin());
}

tcDeviceRecord* tcDeviceList::find(const QString& name) const
{
    return record(indexOf(name));
}

void tcDeviceList::select(const QString& name)
{
    m_current = indexOf(name);
}

void tcDeviceList::add(std::unique_ptr<tcDeviceRecord> record)
{
    record->saveIpAddress();
    m_records.push_back(std::move(record));
}

void tcDeviceList::remove(tcDeviceRecord* record)
{
    const auto it = std::find_if(m_records.begin(), m_records.end(),
                                 [record](const auto& r) { return r.get() == record; });
    if (it == m_records.end())
        return;
    const int removed = static_cast<int>(it - m_records.begin());
    const QString name = record->name();
    std::unique_ptr<tcDeviceRecord> taken = std::move(*it);
    m_records.erase(it);
    // Destroyed before its file goes, so a last save cannot bring the file back.
    taken.reset();
    tcDeviceRecord::deleteFile(m_maps, name);
    // The current index follows the current record; removing the current one leaves none.
    if (m_current == removed)
        m_current = -1;
    else if (m_current > removed)
        --m_current;
}
