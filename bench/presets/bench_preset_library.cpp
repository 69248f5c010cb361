// Times the preset library on a folder of 5,000 presets, in one run:
//  - listing the folder with the folder-and-file builder (files only, into a tree widget)
//    beside a bare QDir listing of the same folder; goal: at most 3 times the bare listing;
//  - building a package of the folder and installing it, beside "tar cf" and "tar xf" of the
//    same folder; goal: at most 2 times tar's time.
// Each ratio compares medians of several rounds after one warm-up round. The folders live in
// a scratch folder below the system's temporary folder, or below the folder given as the
// only argument (a RAM disk such as /dev/shm takes the disk's own noise out of the figures).

#include "presets/library_builder.h"
#include "presets/package_installer.h"
#include "presets/package_writer.h"
#include "presets/preset_file.h"
#include "presets/preset_library.h"

#include "app/ini_file.h"
#include "model/param_map.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int PRESET_COUNT = 5000;
constexpr int LISTING_ROUNDS = 15;
constexpr int PACKAGE_ROUNDS = 5;
constexpr double LISTING_GOAL = 3.0;
constexpr double PACKAGE_GOAL = 2.0;

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Every timed step starts with the disk settled: the writes and deletions of the step before
// are flushed first, untimed, so that neither side pays for the other's writeback.
double timeOnce(const std::function<void()>& work)
{
    ::sync();
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Milliseconds of each round after one warm-up round.
std::vector<double> timeRounds(int rounds, const std::function<void()>& work)
{
    std::vector<double> samples;
    for (int round = 0; round <= rounds; ++round) {
        const double ms = timeOnce(work);
        if (round > 0)
            samples.push_back(ms);
    }
    return samples;
}

void writePresets(const QString& folder)
{
    tcParamMap set;
    for (int i = 0; i < PRESET_COUNT; ++i) {
        set.setFloat(2100, float(i % 80 - 10), TO_GUI);
        set.setFloat(9004, float(-(i % 60)) / 2.0f, TO_GUI);
        set.setBool(8100, i % 2 == 0, TO_GUI);
        PRESET_HEADER header = PRESET_HEADER::fresh();
        const QByteArray name = QStringLiteral("Preset %1").arg(i, 4, 10, QChar(u'0')).toLatin1();
        header.setName(name);
        savePreset(header, set, folder + u'/' + QString::fromLatin1(name) + QStringLiteral(".k7"));
    }
}

bool runTar(const QStringList& arguments)
{
    QProcess tar;
    tar.start(QStringLiteral("tar"), arguments);
    return tar.waitForFinished(-1) && tar.exitStatus() == QProcess::NormalExit && tar.exitCode() == 0;
}

void printRatio(const char* what, double ours, double theirs, double goal)
{
    const double ratio = ours / theirs;
    std::printf("%-22s %9.2f ms  beside %9.2f ms  ratio %5.2f  (goal <= %.0f: %s)\n", what, ours, theirs, ratio, goal,
                ratio <= goal ? "met" : "NOT met");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTemporaryDir scratch(arguments.size() > 1 ? arguments[1] + QStringLiteral("/bench_preset_library-XXXXXX")
                                               : QDir::tempPath() + QStringLiteral("/bench_preset_library-XXXXXX"));
    if (!scratch.isValid()) {
        std::printf("cannot create a scratch folder\n");
        return 1;
    }
    const QString root = scratch.filePath(QStringLiteral("favorites"));
    const QString folder = root + QStringLiteral("/Big");
    QDir().mkpath(folder);
    writePresets(folder);
    std::printf("library folder of %d presets in %s\n\n", PRESET_COUNT, qPrintable(scratch.path()));

    tcIniFile store(QString(), 0);
    tcPresetLibrary library(root, &store);
    QTreeWidget tree;
    tcLibraryBuilder builder(library);
    qsizetype listed = 0;
    const double builderMs = medianMs(timeRounds(LISTING_ROUNDS, [&] {
        builder.fill(folder, &tree, nullptr, false, true);
        listed = tree.topLevelItemCount();
    }));
    qsizetype bare = 0;
    const double qdirMs = medianMs(timeRounds(LISTING_ROUNDS, [&] {
        bare = QDir(folder).entryList({QStringLiteral("*.k7")}, QDir::Files, QDir::Unsorted).size();
    }));
    std::printf("listing: the builder shows %lld items, QDir lists %lld files\n", qlonglong(listed), qlonglong(bare));
    printRatio("builder listing", builderMs, qdirMs, LISTING_GOAL);

    const QString package = scratch.filePath(QStringLiteral("Big.pkg"));
    const QString installRoot = scratch.filePath(QStringLiteral("installed"));
    const auto freshInstallRoot = [&] {
        QDir(installRoot).removeRecursively();
        QDir().mkpath(installRoot);
    };
    tcIniFile installStore(QString(), 0);
    tcPresetLibrary installLibrary(installRoot, &installStore);
    double buildMs = 0;
    double installMs = 0;
    std::vector<double> ours;
    for (int round = 0; round <= PACKAGE_ROUNDS; ++round) {
        freshInstallRoot();
        installStore.setString("PRESETS", "packages", "");
        const double build = timeOnce([&] { tcPackageWriter::build(package, folder); });
        const double install = timeOnce([&] { tcPackageInstaller(installLibrary).install(package); });
        if (round > 0) {
            ours.push_back(build + install);
            buildMs += build / PACKAGE_ROUNDS;
            installMs += install / PACKAGE_ROUNDS;
        }
    }
    const qsizetype installed = QDir(installRoot + QStringLiteral("/Big")).entryList(QDir::Files).size();

    const QString tarFile = scratch.filePath(QStringLiteral("Big.tar"));
    const QString tarOut = scratch.filePath(QStringLiteral("untarred"));
    double tarCreateMs = 0;
    double tarExtractMs = 0;
    std::vector<double> tars;
    bool tarOk = true;
    for (int round = 0; round <= PACKAGE_ROUNDS; ++round) {
        QDir(tarOut).removeRecursively();
        QDir().mkpath(tarOut);
        const double create = timeOnce([&] { tarOk = runTar({"cf", tarFile, "-C", root, "Big"}) && tarOk; });
        const double extract = timeOnce([&] { tarOk = runTar({"xf", tarFile, "-C", tarOut}) && tarOk; });
        if (round > 0) {
            tars.push_back(create + extract);
            tarCreateMs += create / PACKAGE_ROUNDS;
            tarExtractMs += extract / PACKAGE_ROUNDS;
        }
    }
    if (!tarOk) {
        std::printf("tar failed; no package comparison\n");
        return 1;
    }
    std::printf("\npackage: %lld bytes, %lld files installed; tar file %lld bytes\n",
                qlonglong(QFileInfo(package).size()), qlonglong(installed), qlonglong(QFileInfo(tarFile).size()));
    std::printf("build package %.2f ms + install %.2f ms (means); tar cf %.2f ms + tar xf %.2f ms (means)\n", buildMs,
                installMs, tarCreateMs, tarExtractMs);
    printRatio("build + install", medianMs(ours), medianMs(tars), PACKAGE_GOAL);
    return 0;
}
