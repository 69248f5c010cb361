#include "gqgui/skin_loader.h"

#include "gqgui/bench.h"
#include "gqgui/gui_image.h"
#include "gqgui/skin_elements.h"
#include "gqgui/skin_tables.h"
#include "gqgui/skin_values.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <expat.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {
constexpr size_t MESSAGE_SIZE = 2048;

struct tcParserFree
{
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using tcParserOwner = std::unique_ptr<XML_ParserStruct, tcParserFree>;

// Only a plain file is read: a device or pipe named by a skin could be read without end.
std::unique_ptr<QIODevice> openFromDisk(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return nullptr;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Text))
        return nullptr;
    return file;
}

const char* errorText(XML_Parser parser)
{
    return XML_ErrorString(XML_GetErrorCode(parser));
}

int lineOf(XML_Parser parser)
{
    return int(XML_GetCurrentLineNumber(parser));
}
}

tcSkinLoader::tcSkinLoader(tcBench& bench, tcSkinTables& tables)
    : m_bench(bench), m_tables(tables), m_opener(openFromDisk)
{
}

tcSkinLoader::~tcSkinLoader() = default;

bool tcSkinLoader::load(const QString& path)
{
    m_tables.clear();
    m_folder = QFileInfo(path).absolutePath();
    m_serial = FIRST_SERIAL;
    m_includes = 0;
    m_aborted = false;
    tcParserOwner parser(XML_ParserCreate(nullptr));
    if (!parser) {
        report("Couldn't allocate memory for XML parser");
        return false;
    }
    XML_SetUserData(parser.get(), this);
    XML_SetElementHandler(parser.get(), startElement, endElement);
    XML_SetExternalEntityRefHandler(parser.get(), externalEntity);
    m_stack.assign(1, tcSkinTarget{tcSkinContext::DOCUMENT, nullptr, nullptr});
    m_parsers.assign(1, parser.get());
    const bool parsed = readFile(parser.get(), path);
    m_parsers.clear();
    m_stack.clear();
    return parsed && !m_aborted;
}

int tcSkinLoader::line() const
{
    return m_parsers.empty() ? 0 : lineOf(m_parsers.back());
}

void tcSkinLoader::report(const char* format, ...)
{
    char message[MESSAGE_SIZE];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    m_bench.log("%s", message);
}

int tcSkinLoader::intValue(const char* text)
{
    QByteArrayList undefined;
    const int value = skinInt(text, m_tables.offsets, &undefined);
    for (const QByteArray& name : std::as_const(undefined))
        report("ERROR: Could not find a definition for offset \"%s\" on line %d of the skin file.", name.constData(),
               line());
    return value;
}

int tcSkinLoader::objectValue(const char* text)
{
    return std::clamp(intValue(text), -OBJECT_VALUE_LIMIT, OBJECT_VALUE_LIMIT);
}

QRgb tcSkinLoader::colorValue(const char* text) const
{
    return skinColor(text, m_tables.colors);
}

tcSkinFont* tcSkinLoader::fontValue(const char* text) const
{
    return m_tables.font(QString::fromUtf8(text));
}

tcGuiImage* tcSkinLoader::imageValue(const char* text)
{
    if (!*text)
        return nullptr;
    const QString id = QString::fromUtf8(text);
    if (tcGuiObject* found = m_bench.objects().find(id))
        return found->kind() == GUI_KIND_IMAGE ? static_cast<tcGuiImage*>(found) : nullptr;
    return static_cast<tcGuiImage*>(
        m_bench.objects().append(std::make_unique<tcGuiImage>(id, &m_bench, m_serial++)));
}

const char* tcSkinLoader::requireId(const char* element, const tcSkinAttributes& attributes)
{
    const char* id = attributes.get("id");
    if (id && *id)
        return id;
    report("ERROR: Object \"%s\" with no id attribute on line %d of the skin file.", element, line());
    return nullptr;
}

// An id reused for another kind of object is refused: the bench finds objects by id alone.
tcGuiObject* tcSkinLoader::object(const char* element, const char* id, int kind, Factory make)
{
    const QString name = QString::fromUtf8(id);
    if (tcGuiObject* found = m_bench.objects().find(name)) {
        if (found->kind() == kind)
            return found;
        report("ERROR: Object \"%s\" with id \"%s\" on line %d of the skin file names an object of another kind.",
               element, id, line());
        return nullptr;
    }
    return m_bench.objects().append(make(name, &m_bench, m_serial++));
}

void tcSkinLoader::startElement(void* self, const char* name, const char** attributes)
{
    static_cast<tcSkinLoader*>(self)->start(name, attributes);
}

void tcSkinLoader::endElement(void* self, const char*)
{
    static_cast<tcSkinLoader*>(self)->end();
}

int tcSkinLoader::externalEntity(Parser parser, const char* context, const char*, const char* systemId,
                                 const char*)
{
    return static_cast<tcSkinLoader*>(XML_GetUserData(parser))->include(parser, context, systemId);
}

void tcSkinLoader::start(const char* name, const char** attributes)
{
    if (m_aborted)
        return;
    // The stack holds the document and every open element: its size is the new depth.
    if (int(m_stack.size()) > MAX_DEPTH) {
        report("XML nesting exceeded max depth at line %d of the skin file.", line());
        abort();
        return;
    }
    const tcSkinTarget parent = m_stack.back();
    const tcSkinElement* element = skinElement(parent.kind, name);
    m_stack.push_back(element ? element->open(*this, parent, name, tcSkinAttributes(attributes)) : tcSkinTarget{});
}

void tcSkinLoader::end()
{
    if (!m_aborted && m_stack.size() > 1)
        m_stack.pop_back();
}

// An included file's own errors are reported but never fail the file that includes it.
int tcSkinLoader::include(Parser parent, const char* context, const char* systemId)
{
    if (m_includes >= MAX_INCLUDES || int(m_parsers.size()) > MAX_INCLUDE_NESTING) {
        report("ERROR: Too many included files at line %d of the skin file.", line());
        return XML_STATUS_OK;
    }
    ++m_includes;
    tcParserOwner parser(XML_ExternalEntityParserCreate(parent, context, nullptr));
    if (!parser) {
        report("Couldn't allocate memory for XML parser");
        return XML_STATUS_OK;
    }
    // Elements that a broken file leaves open are closed with it.
    const size_t depth = m_stack.size();
    m_parsers.push_back(parser.get());
    readFile(parser.get(), QDir(m_folder).filePath(QString::fromUtf8(systemId)));
    m_parsers.pop_back();
    m_stack.erase(m_stack.begin() + ptrdiff_t(std::min(depth, m_stack.size())), m_stack.end());
    if (m_aborted)
        XML_StopParser(parent, XML_FALSE);
    return XML_STATUS_OK;
}

bool tcSkinLoader::readFile(Parser parser, const QString& path)
{
    const QByteArray local = QFile::encodeName(path);
    m_bench.log("Entering file \"%s\"\n", local.constData());
    const bool parsed = parseChunks(parser, path);
    m_bench.log("Leaving file \"%s\"\n", local.constData());
    return parsed;
}

bool tcSkinLoader::parseChunks(Parser parser, const QString& path)
{
    const std::unique_ptr<QIODevice> file = m_opener(path);
    if (!file)
        return false;
    for (;;) {
        void* buffer = XML_GetBuffer(parser, CHUNK_SIZE);
        if (!buffer) {
            report("XML memory allocation error at line %d:%s of the skin file.", lineOf(parser), errorText(parser));
            return false;
        }
        const qint64 count = file->read(static_cast<char*>(buffer), CHUNK_SIZE);
        if (count < 0) {
            report("XML file read error");
            return false;
        }
        const bool last = count == 0 || file->atEnd();
        if (XML_ParseBuffer(parser, int(count), last ? XML_TRUE : XML_FALSE) == XML_STATUS_ERROR) {
            if (!m_aborted)
                report("Parse error at line %d:%s of the skin file.", lineOf(parser), errorText(parser));
            return false;
        }
        if (last)
            return true;
    }
}

void tcSkinLoader::abort()
{
    m_aborted = true;
    XML_StopParser(m_parsers.back(), XML_FALSE);
}
