#include "presets/package_registry.h"

#include "app/ini_file.h"

namespace {

constexpr const char* SECTION = "PRESETS";
constexpr const char* KEY = "packages";
constexpr QChar SEPARATOR = u';';

} // namespace

QStringList tcPackageRegistry::packages() const
{
    if (m_store == nullptr)
        return {};
    return m_store->getString(SECTION, KEY, QString()).split(SEPARATOR, Qt::SkipEmptyParts);
}

bool tcPackageRegistry::isPackage(const QString& name) const
{
    return packages().contains(name);
}

void tcPackageRegistry::addPackage(const QString& name)
{
    QStringList names = packages();
    if (m_store == nullptr || names.contains(name))
        return;
    names.append(name);
    store(names);
}

void tcPackageRegistry::removePackage(const QString& name)
{
    QStringList names = packages();
    if (names.removeAll(name) > 0)
        store(names);
}

bool tcPackageRegistry::canHold(const QString& name)
{
    return !name.isEmpty() && !name.contains(SEPARATOR);
}

void tcPackageRegistry::store(const QStringList& names)
{
    m_store->setString(SECTION, KEY, names.join(SEPARATOR));
}
