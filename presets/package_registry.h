#pragma once

#include <QString>
#include <QStringList>

class tcIniFile;

// The installed preset packages, kept in the settings store (section "PRESETS", key
// "packages") as names joined by ";". A package's name is also its folder under the library
// root. Without a store nothing is registered. GUI thread.
class tcPackageRegistry {
public:
    explicit tcPackageRegistry(tcIniFile* store) : m_store(store) {}

    QStringList packages() const; // empty parts skipped
    bool isPackage(const QString& name) const;
    void addPackage(const QString& name);    // nothing when present
    void removePackage(const QString& name);

    // A name the registry can hold: not empty and without the separator ";".
    static bool canHold(const QString& name);

private:
    void store(const QStringList& names);

    tcIniFile* m_store;
};
