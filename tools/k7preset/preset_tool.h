#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

class tcParamMap;

// The k7preset command-line tool for engineers who keep many units and presets: show, check
// and compare preset files, write a preset from the defaults, and build and install preset
// packages, all through the program's own preset code. Results go to out, messages to err.
class tcPresetTool {
public:
    static constexpr int EXIT_OK = 0;
    static constexpr int EXIT_FAILED = 1; // a file failed its check, presets differ, a write failed
    static constexpr int EXIT_USAGE = 2;  // bad arguments or input that cannot be read

    tcPresetTool(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

    // Runs one command; arguments exclude the program name. Returns the exit code.
    int run(const QStringList& arguments);

private:
    int show(const QStringList& arguments);
    int check(const QStringList& arguments);
    int diff(const QStringList& arguments);
    int pack(const QStringList& arguments);
    int install(const QStringList& arguments);
    int write(const QStringList& arguments);

    // Stores one ID=VALUE through the set's setters; the problem with it, or an empty text.
    QString assign(tcParamMap& set, const QString& assignment);
    int usage(const QString& command, const QString& problem);
    bool wantsHelp(const QString& command, const QStringList& arguments);
    bool isReadableFile(const QString& path);
    int fail(const QString& message);

    QTextStream& m_out;
    QTextStream& m_err;
};
