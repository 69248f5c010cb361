#include "link/unit_reports.h"

#include <QMutexLocker>

void tcUnitReports::setVersion(const tcUnitVersion& version)
{
    const QMutexLocker lock(&m_lock);
    m_version = version;
}

tcUnitVersion tcUnitReports::version() const
{
    const QMutexLocker lock(&m_lock);
    return m_version;
}

bool tcUnitReports::offerPresetHeader(const PRESET_HEADER& header)
{
    const QMutexLocker lock(&m_lock);
    if (m_header.sameAs(header))
        return false;
    m_header = header;
    return true;
}

PRESET_HEADER tcUnitReports::presetHeader() const
{
    const QMutexLocker lock(&m_lock);
    return m_header;
}
