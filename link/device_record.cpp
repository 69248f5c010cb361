#include "link/device_record.h"

#include <QFile>

namespace {

const char* const kDevice = "Device";
const char* const kAccess = "Access";

} // namespace

tcDeviceRecord::tcDeviceRecord(const QDir& mapsFolder, const QString& name)
    : m_name(name.left(kMaxName)),
      m_store(mapsFolder.absoluteFilePath(fileName(m_name)), tcIniFile::MODE_XML)
{
    char ip[kMaxIp + 1];
    m_store.getString(kDevice, "IPAddr", "0.0.0.0", ip, sizeof ip);
    m_ip = QString::fromLatin1(ip);
    // The access words are unsigned on the wire; the store keeps them as signed decimal text.
    m_ucrc = static_cast<uint32_t>(m_store.getInt(kAccess, "ucrc", 0));
    m_rcrc = static_cast<uint32_t>(m_store.getInt(kAccess, "rcrc", 0));
    m_uflg = static_cast<uint32_t>(m_store.getInt(kAccess, "uflg", 0));
    m_ulck = m_store.getInt(kAccess, "ulck", 0) != 0;
}

void tcDeviceRecord::saveIpAddress()
{
    m_store.setString(kDevice, "IPAddr", m_ip);
    m_store.save();
}

void tcDeviceRecord::setRcrc(uint32_t rcrc)
{
    m_rcrc = rcrc;
    m_store.setInt(kAccess, "rcrc", static_cast<int32_t>(rcrc));
    m_store.save();
}

void tcDeviceRecord::setAccess(uint32_t ucrc, uint32_t uflg, bool ulck)
{
    m_ucrc = ucrc;
    m_uflg = uflg;
    m_ulck = ulck;
    writeAccess();
}

void tcDeviceRecord::setUlck(bool ulck)
{
    m_ulck = ulck;
    m_store.setInt(kAccess, "ulck", ulck ? 1 : 0);
    m_store.save();
}

void tcDeviceRecord::writeAccess()
{
    m_store.setInt(kAccess, "ucrc", static_cast<int32_t>(m_ucrc));
    m_store.setInt(kAccess, "uflg", static_cast<int32_t>(m_uflg));
    m_store.setInt(kAccess, "ulck", m_ulck ? 1 : 0);
    m_store.save();
}

bool tcDeviceRecord::deleteFile(const QDir& mapsFolder, const QString& name)
{
    return QFile::remove(mapsFolder.absoluteFilePath(fileName(name)));
}
