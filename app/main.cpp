#include "app/app_folders.h"
#include "app/ini_file.h"
#include "app/settings_globals.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>

namespace {

const char* const kSettingsFile = "XR9QT.ini";

// A first start finds no settings file: record the start-up keys with their defaults so
// the engineer finds a complete file to look at beside the program.
void recordStartupDefaults(tcIniFile& store)
{
    store.setString("DEVICE", "name", "????????");
    store.setInt("DEVICE", "forceconnect", 0);
    store.setInt("OPTIONS", "ONLINE", 0);
    store.setString("SKIN", "name", "default");
    store.setInt("SKIN", "file", 1);
    store.save();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    const bool firstStart = !QFile::exists(QString::fromLatin1(kSettingsFile));
    tcIniFile store(QString::fromLatin1(kSettingsFile), tcIniFile::MODE_XML);
    tcAppFolders folders(QDir::currentPath());
    setSettingsStore(&store);
    setAppFolders(&folders);
    if (firstStart)
        recordStartupDefaults(store);

    // The skin-drawn front panel takes this window's place once the skin toolkit lands.
    QLabel window(QStringLiteral("K7 Remote\nSettings: %1").arg(QDir::current().absoluteFilePath(QString::fromLatin1(kSettingsFile))));
    window.setWindowTitle(QStringLiteral("K7"));
    window.setMargin(24);
    window.show();

    const int result = QApplication::exec();
    setAppFolders(nullptr);
    setSettingsStore(nullptr);
    return result;
}
