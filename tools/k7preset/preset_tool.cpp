#include "tools/k7preset/preset_tool.h"

#include "presets/c_number.h"
#include "presets/name_rules.h"
#include "presets/package_installer.h"
#include "presets/package_writer.h"
#include "presets/preset_file.h"
#include "presets/preset_library.h"
#include "presets/preset_rows.h"
#include "presets/preset_status.h"

#include "app/ini_file.h"
#include "model/param_map.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

constexpr int SETTING_WIDTH = 18;
constexpr int VALUE_WIDTH = 14;

struct tcCommandHelp {
    const char* name;
    const char* synopsis;
    const char* description;
};

constexpr tcCommandHelp COMMANDS[] = {
    {"show", "show FILE.k7",
     "Prints the preset's name, its two checksums with their counts and every parameter\n"
     "with its value text, in the order the preset file holds them."},
    {"check", "check FILE...",
     "Prints \"Success\" or \"Invalid File Type\" for each file. Exits with 1 when any file\n"
     "is not a preset file or cannot be opened."},
    {"diff", "diff A.k7 B.k7",
     "Prints the name, the parameter count, the checksum and every parameter of both presets\n"
     "side by side; rows that differ are marked \"**\". Exits with 1 when the presets differ."},
    {"pack", "pack FOLDER OUT.pkg",
     "Builds a preset package of a library folder: its preset files and order file and those\n"
     "of every subfolder."},
    {"install", "install PKG LIBRARY_ROOT [SETTINGS_FILE]",
     "Installs a preset package into the library folder LIBRARY_ROOT (the \"favorites\" folder)\n"
     "under the package's name, or \"NAME (2)\" and so on when that is taken, and registers it\n"
     "in SETTINGS_FILE (the application's XR9QT.ini). Without SETTINGS_FILE the package is\n"
     "unpacked but not registered, so the library will not protect it."},
    {"write", "write NAME OUT.k7 [ID=VALUE ...]",
     "Writes a preset named NAME with the default values, changed by each ID=VALUE (for\n"
     "example 2100=12.5 or 8100=1). Values pass through the parameters' own conditioning: a\n"
     "value outside a parameter's range or between its steps is stored as the nearest one,\n"
     "and a note says so. The name follows the rule of the save dialog and is stored as 8-bit\n"
     "Latin-1 text; other characters become \"?\"."},
};

const tcCommandHelp* findCommand(const QString& name)
{
    for (const tcCommandHelp& command : COMMANDS) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

// Texts of presets are 8-bit (Latin-1); file names are the system's.
QString row(const QString& setting, const QString& a)
{
    QString text = setting.leftJustified(SETTING_WIDTH) + u' ' + a;
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString row(const QString& setting, const QString& a, const QString& b)
{
    return row(setting, a.leftJustified(VALUE_WIDTH) + u' ' + b);
}

QString latin1(const QByteArray& text)
{
    return QString::fromLatin1(text);
}

QByteArray hex8(quint32 value)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(8, '0');
}

// A value typed for a switch: 0/1, off/on or out/in.
std::optional<bool> switchValue(const QString& text)
{
    const QString lower = text.toLower();
    if (lower == u"1" || lower == u"on" || lower == u"in")
        return true;
    if (lower == u"0" || lower == u"off" || lower == u"out")
        return false;
    return std::nullopt;
}

} // namespace

int tcPresetTool::run(const QStringList& arguments)
{
    if (arguments.isEmpty() || arguments[0] == u"--help" || arguments[0] == u"-h") {
        QTextStream& stream = arguments.isEmpty() ? m_err : m_out;
        stream << "usage: k7preset COMMAND [ARGUMENTS]\n\nCommands:\n";
        for (const tcCommandHelp& command : COMMANDS)
            stream << "  " << command.synopsis << "\n";
        stream << "\nRun \"k7preset COMMAND --help\" for what a command does.\n";
        return arguments.isEmpty() ? EXIT_USAGE : EXIT_OK;
    }
    const QString command = arguments[0];
    const QStringList rest = arguments.mid(1);
    if (findCommand(command) == nullptr)
        return usage(QString(), QStringLiteral("unknown command \"%1\"").arg(command));
    if (wantsHelp(command, rest))
        return EXIT_OK;
    if (command == u"show")
        return show(rest);
    if (command == u"check")
        return check(rest);
    if (command == u"diff")
        return diff(rest);
    if (command == u"pack")
        return pack(rest);
    if (command == u"install")
        return install(rest);
    return write(rest);
}

int tcPresetTool::show(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return usage("show", "expects one preset file");
    if (!isReadableFile(arguments[0]))
        return EXIT_USAGE;
    PRESET_HEADER header;
    tcParamMap set;
    const int status = loadPreset(header, set, arguments[0]);
    if (status != PRESET_SUCCESS)
        return fail(arguments[0] + ": " + presetStatusText(status));
    const QList<tcPresetRow> rows = presetViewRows(header, set);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        m_out << row(latin1(rows[i].setting), latin1(rows[i].a)) << "\n";
        if (rows[i].setting == "CRC") {
            m_out << row("Gain CRC", latin1(hex8(header.checksum[1]))) << "\n";
            m_out << row("Gain count", QString::number(header.count[1])) << "\n";
        }
    }
    return EXIT_OK;
}

int tcPresetTool::check(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return usage("check", "expects at least one file");
    int result = EXIT_OK;
    for (const QString& path : arguments) {
        QFile file(path);
        // The reader takes a file it cannot open for an empty preset; a check must not.
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            m_out << path << ": cannot be opened\n";
            result = EXIT_FAILED;
            continue;
        }
        PRESET_HEADER header;
        tcParamMap set;
        const int status = loadPresetFrom(header, set, file);
        m_out << path << ": " << presetStatusText(status) << "\n";
        if (status != PRESET_SUCCESS)
            result = EXIT_FAILED;
    }
    return result;
}

int tcPresetTool::diff(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return usage("diff", "expects two preset files");
    PRESET_HEADER headers[2];
    tcParamMap sets[2];
    for (int i = 0; i < 2; ++i) {
        if (!isReadableFile(arguments[i]))
            return EXIT_USAGE;
        const int status = loadPreset(headers[i], sets[i], arguments[i]);
        if (status != PRESET_SUCCESS) {
            m_err << "k7preset: " << arguments[i] << ": " << presetStatusText(status) << "\n";
            return EXIT_USAGE;
        }
    }
    m_out << "   " << row("Setting", QFileInfo(arguments[0]).fileName(), QFileInfo(arguments[1]).fileName()) << "\n";
    bool differs = false;
    for (const tcPresetRow& line : presetDiffRows(headers[0], sets[0], headers[1], sets[1])) {
        differs = differs || line.differs;
        m_out << (line.differs ? "** " : "   ") << row(latin1(line.setting), latin1(line.a), latin1(line.b)) << "\n";
    }
    return differs ? EXIT_FAILED : EXIT_OK;
}

int tcPresetTool::pack(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return usage("pack", "expects a folder and a package file");
    if (!QFileInfo(arguments[0]).isDir()) {
        m_err << "k7preset: " << arguments[0] << " is not a folder\n";
        return EXIT_USAGE;
    }
    if (tcPackageWriter::build(arguments[1], arguments[0]) != 0)
        return fail("unable to build preset package " + arguments[1]);
    m_out << arguments[1] << ": built from " << arguments[0] << "\n";
    return EXIT_OK;
}

int tcPresetTool::install(const QStringList& arguments)
{
    if (arguments.size() != 2 && arguments.size() != 3)
        return usage("install", "expects a package, a library folder and optionally a settings file");
    if (!isReadableFile(arguments[0]))
        return EXIT_USAGE;
    if (!QFileInfo(arguments[1]).isDir()) {
        m_err << "k7preset: " << arguments[1] << " is not a folder\n";
        return EXIT_USAGE;
    }
    // Without a settings file the store lives in memory only and nothing is saved.
    tcIniFile store(arguments.value(2), arguments.size() == 3 ? tcIniFile::MODE_XML : 0);
    tcPresetLibrary library(arguments[1], &store, [this](const QString& title, const QString& text) {
        m_err << "k7preset: " << title << ": " << text << "\n";
    });
    tcPackageInstaller installer(library);
    const std::optional<QString> name = installer.freeName(QFileInfo(arguments[0]).baseName());
    if (installer.install(arguments[0]) != 0)
        return fail("unable to install preset package " + arguments[0]);
    if (!store.save())
        return fail("installed, but unable to write " + arguments[2]);
    m_out << arguments[0] << ": installed as \"" << name.value_or(QString()) << "\"";
    m_out << (arguments.size() == 3 ? "\n" : " (not registered: no settings file)\n");
    return EXIT_OK;
}

int tcPresetTool::write(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return usage("write", "expects a name and an output file");
    const QString& name = arguments[0];
    const tcNameVerdict verdict = saveNameVerdict(name);
    const bool hasControl =
        std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
    if (!verdict.accepted || hasControl) {
        const QString why = !verdict.message.isEmpty() ? verdict.message
                          : name.isEmpty()               ? QStringLiteral("The name is empty.")
                          : name.size() > SAVE_NAME_MAX  ? QStringLiteral("The name is longer than 40 characters.")
                                                         : QStringLiteral("The name holds control characters.");
        m_err << "k7preset: " << why << "\n";
        return EXIT_USAGE;
    }
    tcParamMap set;
    for (const QString& assignment : arguments.mid(2)) {
        const QString problem = assign(set, assignment);
        if (!problem.isEmpty())
            return usage("write", QStringLiteral("\"%1\": %2").arg(assignment, problem));
    }
    PRESET_HEADER header = PRESET_HEADER::fresh();
    header.setName(presetNameBytes(name));
    computePresetChecksums(header, set);
    if (!savePreset(header, set, arguments[1]))
        return fail("unable to write " + arguments[1]);
    return EXIT_OK;
}

QString tcPresetTool::assign(tcParamMap& set, const QString& assignment)
{
    bool idOk = false;
    const int id = assignment.section(u'=', 0, 0).toInt(&idOk);
    const QString valueText = assignment.section(u'=', 1);
    const tcTypeCode type = idOk && id > 0 && id < ID_END ? paramType(quint16(id)) : TYPE_NONE;
    if (type == TYPE_FLOAT) {
        bool valueOk = false;
        const double value = valueText.toDouble(&valueOk);
        if (!valueOk)
            return QStringLiteral("not a number");
        set.setFloat(quint16(id), narrowToFloat(value), TO_BOTH);
        if (set.getFloat(quint16(id)) != narrowToFloat(value))
            m_err << "k7preset: note: " << assignment << " stored as " << set.getFloat(quint16(id)) << "\n";
        return {};
    }
    if (type == TYPE_BOOL) {
        const std::optional<bool> value = switchValue(valueText);
        if (!value)
            return QStringLiteral("a switch takes 0, 1, off, on, out or in");
        set.setBool(quint16(id), *value, TO_BOTH);
        return {};
    }
    return QStringLiteral("no parameter has that ID");
}

int tcPresetTool::usage(const QString& command, const QString& problem)
{
    m_err << "k7preset: " << problem << "\n";
    const tcCommandHelp* help = findCommand(command);
    m_err << "usage: k7preset " << (help != nullptr ? help->synopsis : "COMMAND [ARGUMENTS]") << "\n";
    m_err << "Run \"k7preset " << (help != nullptr ? command + " " : QString()) << "--help\" for more.\n";
    return EXIT_USAGE;
}

bool tcPresetTool::wantsHelp(const QString& command, const QStringList& arguments)
{
    if (!arguments.contains(u"--help") && !arguments.contains(u"-h"))
        return false;
    const tcCommandHelp* help = findCommand(command);
    m_out << "usage: k7preset " << help->synopsis << "\n\n" << help->description << "\n";
    return true;
}

bool tcPresetTool::isReadableFile(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
        return true;
    m_err << "k7preset: cannot open " << path << "\n";
    return false;
}

int tcPresetTool::fail(const QString& message)
{
    m_err << "k7preset: " << message << "\n";
    return EXIT_FAILED;
}
