#include "presets/package_installer.h"

#include "presets/package_reader.h"
#include "presets/preset_library.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

constexpr const char* NOT_A_PACKAGE_TITLE = "Install Preset";
constexpr const char* NOT_A_PACKAGE_FORMAT = "This is not an %1 preset package.";
constexpr const char* MODEL_NAME = "K7";
constexpr const char* INSTALL_FAILED_TITLE = "Error";
constexpr const char* INSTALL_FAILED_TEXT = "Unable to install preset package";
constexpr int FIRST_NUMBER = 2;

} // namespace

int tcPackageInstaller::install(const QString& packagePath)
{
    const std::optional<QString> name = makeFolder(QFileInfo(packagePath).baseName());
    if (!name)
        return -1;
    QFile package(packagePath);
    if (!package.open(QIODevice::ReadOnly))
        return -1;
    return unpack(package, *name);
}

int tcPackageInstaller::install(const QString& packageName, QIODevice& package)
{
    const std::optional<QString> name = makeFolder(packageName);
    return name ? unpack(package, *name) : -1;
}

std::optional<QString> tcPackageInstaller::freeName(const QString& packageName) const
{
    // An empty name (a file called ".pkg") would name the root itself, and one holding the
    // registry's separator ";" could never be registered: neither can be installed.
    if (!tcPackageRegistry::canHold(packageName))
        return std::nullopt;
    const QDir root(m_library.rootPath());
    for (int number = FIRST_NUMBER - 1; number <= LAST_NUMBER; ++number) {
        const QString candidate = number < FIRST_NUMBER ? packageName : QStringLiteral("%1 (%2)").arg(packageName).arg(number);
        if (!m_library.registry().isPackage(candidate) && !QFileInfo(root.filePath(candidate)).exists()
            && !QFileInfo(root.filePath(candidate)).isSymLink())
            return candidate;
    }
    return std::nullopt;
}

void tcPackageInstaller::installAutoload(const QString& presetsFolder)
{
    QDir presets(presetsFolder);
    presets.mkpath(QString::fromLatin1(AUTOLOAD_FOLDER));
    const QDir autoload(presets.filePath(QString::fromLatin1(AUTOLOAD_FOLDER)));
    for (const QString& name : autoload.entryList({QStringLiteral("*.pkg")}, QDir::Files, QDir::Unsorted)) {
        const QString path = autoload.filePath(name);
        if (install(path) != 0)
            m_library.notify(QString::fromLatin1(INSTALL_FAILED_TITLE), QString::fromLatin1(INSTALL_FAILED_TEXT));
        QFile::remove(path);
    }
}

std::optional<QString> tcPackageInstaller::makeFolder(const QString& packageName)
{
    const std::optional<QString> name = freeName(packageName);
    if (!name || !QDir(m_library.rootPath()).mkdir(*name))
        return std::nullopt;
    return name;
}

int tcPackageInstaller::unpack(QIODevice& package, const QString& name)
{
    const QString folder = QDir(m_library.rootPath()).filePath(name);
    switch (tcPackageReader::extract(package, folder)) {
    case tcPackageReader::tcResult::OK:
        // The extracted files reach the disk before the package counts as installed.
        ::sync();
        m_library.registry().addPackage(name);
        return 0;
    case tcPackageReader::tcResult::NOT_A_PACKAGE:
        m_library.notify(QString::fromLatin1(NOT_A_PACKAGE_TITLE),
                         QString::fromLatin1(NOT_A_PACKAGE_FORMAT).arg(QString::fromLatin1(MODEL_NAME)));
        return -1;
    case tcPackageReader::tcResult::BAD_ENTRY:
        break;
    }
    return -1;
}
