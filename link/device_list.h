#pragma once

#include "link/device_record.h"

#include <QDir>
#include <QString>

#include <memory>
#include <vector>

// The known K7 units, one record per ".cfg" file of the "maps" folder, and the current
// one that the connection uses. Created by the main window at start; GUI thread only.
class tcDeviceList
{
public:
    // Lists the "*.cfg" files of mapsFolder (files only, by name) and makes one record
    // for each; nothing is written. No record is current.
    explicit tcDeviceList(const QDir& mapsFolder);

    int count() const { return static_cast<int>(m_records.size()); }
    // The record at index, or none for -1 or an index past the end.
    tcDeviceRecord* record(int index) const;
    QString name(int index) const;
    // The first record whose name equals name exactly, or none.
    tcDeviceRecord* find(const QString& name) const;
    tcDeviceRecord* current() const { return record(m_current); }
    int currentIndex() const { return m_current; }
    // The first record named name becomes current; -1 (none) when there is no such record.
    void select(const QString& name);
    // Takes the record over and saves its IP address to its file.
    void add(std::unique_ptr<tcDeviceRecord> record);
    // Takes the record out of the list, deletes its file and destroys it.
    void remove(tcDeviceRecord* record);

    const QDir& mapsFolder() const { return m_maps; }

private:
    int indexOf(const QString& name) const;

    QDir m_maps;
    std::vector<std::unique_ptr<tcDeviceRecord>> m_records;
    int m_current = -1;
};
