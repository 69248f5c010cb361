#pragma once

#include "app/ini_file.h"

#include <QDir>
#include <QString>

#include <cstdint>

// One known K7 unit: its name (also the name of its ".cfg" file in the "maps" folder),
// its IP address and its access words, kept in its own settings store. GUI thread only.
class tcDeviceRecord
{
public:
    static constexpr int kMaxName = 40;
    static constexpr int kMaxIp = 15;

    // Opens (or prepares) "<name>.cfg" in mapsFolder and reads the record; a missing or
    // unreadable file gives the defaults. The name is cut to 40 characters.
    tcDeviceRecord(const QDir& mapsFolder, const QString& name);

    tcDeviceRecord(const tcDeviceRecord&) = delete;
    tcDeviceRecord& operator=(const tcDeviceRecord&) = delete;

    const QString& name() const { return m_name; }
    const QString& ipAddress() const { return m_ip; }
    void setIpAddress(const QString& ip) { m_ip = ip.left(kMaxIp); }
    uint32_t uflg() const { return m_uflg; }
    uint32_t ucrc() const { return m_ucrc; }
    uint32_t rcrc() const { return m_rcrc; }
    bool ulck() const { return m_ulck; }

    // Writes "Device"/"IPAddr" from the IP field and saves the file.
    void saveIpAddress();
    // The remembered login key (CRC-32 of the login password); written and saved.
    void setRcrc(uint32_t rcrc);
    void setAccess(uint32_t ucrc, uint32_t uflg, bool ulck);
    void setUlck(bool ulck);

    // Removes "<name>.cfg" from mapsFolder.
    static bool deleteFile(const QDir& mapsFolder, const QString& name);
    static QString fileName(const QString& name) { return name + QStringLiteral(".cfg"); }

private:
    void writeAccess();

    QString m_name;
    QString m_ip;
    tcIniFile m_store;
    uint32_t m_uflg = 0;
    uint32_t m_ucrc = 0;
    uint32_t m_rcrc = 0;
    bool m_ulck = false;
};
