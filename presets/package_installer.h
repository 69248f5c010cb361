#pragma once

#include <QString>

#include <optional>

class QIODevice;
class tcPresetLibrary;

// Installs preset packages into the library: a free folder named after the package, its
// entries unpacked there, and the folder registered as a package; and the automatic install
// of the packages left in the "autoload" folder at start-up. GUI thread.
class tcPackageInstaller {
public:
    static constexpr const char* AUTOLOAD_FOLDER = "autoload";
    static constexpr int LAST_NUMBER = 9; // "Voices", "Voices (2)" ... "Voices (9)"

    explicit tcPackageInstaller(tcPresetLibrary& library) : m_library(library) {}

    // The package name is the file's base name (before its first dot). Returns 0, or -1 on the
    // first problem; a package without the magic shows "This is not an K7 preset package."
    // titled "Install Preset". Entries unpacked before a failure stay on disk unregistered.
    int install(const QString& packagePath);
    // The same for a package read from a device (from its current position).
    int install(const QString& packageName, QIODevice& package);

    // The first of name, "name (2)" ... "name (9)" that is not registered and names nothing in
    // the library root; nothing when none is free or the registry cannot hold the name.
    std::optional<QString> freeName(const QString& packageName) const;

    // Creates presetsFolder/autoload when missing, installs every "*.pkg" in it (listing
    // order), shows "Unable to install preset package" titled "Error" for each failure and
    // deletes each package file whether or not its install succeeded.
    void installAutoload(const QString& presetsFolder);

private:
    std::optional<QString> makeFolder(const QString& packageName);
    int unpack(QIODevice& package, const QString& name);

    tcPresetLibrary& m_library;
};
