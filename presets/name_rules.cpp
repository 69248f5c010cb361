#include "presets/name_rules.h"

namespace {

constexpr const char* NAME_SPACE_MESSAGE = "A name cannot start or end with a space.";
constexpr const char* FOLDER_SPACE_MESSAGE = "A folder name cannot start or end with a space.";
constexpr const char* LIBRARY_CHARACTERS_MESSAGE =
    "There are invalid characters in the name.\nUse characters A-Z a-z _ # space";
constexpr const char* SAVE_SPACE_MESSAGE = "A preset name cannot start with a space.";
constexpr const char* SAVE_CHARACTERS_MESSAGE = "There are invalid characters in the name.";
constexpr QStringView SAVE_FORBIDDEN = u"\\/:*?\"<>|";

tcNameVerdict refused(const char* message)
{
    return {false, QString::fromLatin1(message)};
}

bool isLibraryCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_' || u == '#'
        || u == ' ';
}

} // namespace

tcNameVerdict libraryNameVerdict(const QString& name, int maxLength, tcSpaceText spaceText)
{
    if (name.isEmpty() || name.size() > maxLength)
        return {};
    if (name.front() == u' ' || name.back() == u' ')
        return refused(spaceText == tcSpaceText::FOLDER_NAME ? FOLDER_SPACE_MESSAGE : NAME_SPACE_MESSAGE);
    for (const QChar c : name) {
        if (!isLibraryCharacter(c))
            return refused(LIBRARY_CHARACTERS_MESSAGE);
    }
    return {true, {}};
}

tcNameVerdict saveNameVerdict(const QString& name)
{
    if (name.isEmpty() || name.size() > SAVE_NAME_MAX)
        return {};
    if (name.front() == u' ')
        return refused(SAVE_SPACE_MESSAGE);
    for (const QChar c : name) {
        if (SAVE_FORBIDDEN.contains(c))
            return refused(SAVE_CHARACTERS_MESSAGE);
    }
    return {true, {}};
}
