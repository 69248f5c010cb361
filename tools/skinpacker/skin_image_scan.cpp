#include "tools/skinpacker/skin_image_scan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <expat.h>

#include <climits>
#include <cstring>
#include <memory>

namespace {
struct tcParserFree
{
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using tcParserOwner = std::unique_ptr<XML_ParserStruct, tcParserFree>;
}

bool tcSkinImageScan::scan(const QString& skinFile)
{
    m_folder = QFileInfo(skinFile).absolutePath();
    m_files.clear();
    m_error.clear();
    m_includes = 0;
    m_nesting = 0;
    tcParserOwner parser(XML_ParserCreate(nullptr));
    if (!parser) {
        m_error = QStringLiteral("cannot create an XML parser");
        return false;
    }
    XML_SetUserData(parser.get(), this);
    XML_SetStartElementHandler(parser.get(), startElement);
    XML_SetExternalEntityRefHandler(parser.get(), externalEntity);
    return parseFile(parser.get(), skinFile);
}

void tcSkinImageScan::startElement(void* self, const char* name, const char** attributes)
{
    if (std::strcmp(name, "image") != 0)
        return;
    auto* scan = static_cast<tcSkinImageScan*>(self);
    for (const char** pair = attributes; pair[0]; pair += 2) {
        const QString file = QString::fromUtf8(pair[1]);
        if (std::strcmp(pair[0], "file") == 0 && !file.isEmpty() && !scan->m_files.contains(file))
            scan->m_files.append(file);
    }
}

int tcSkinImageScan::externalEntity(XML_Parser parser, const char* context, const char*, const char* systemId,
                                    const char*)
{
    auto* scan = static_cast<tcSkinImageScan*>(XML_GetUserData(parser));
    if (scan->m_includes >= MAX_INCLUDES || scan->m_nesting >= MAX_NESTING)
        return XML_STATUS_OK;
    ++scan->m_includes;
    tcParserOwner included(XML_ExternalEntityParserCreate(parser, context, nullptr));
    if (!included)
        return XML_STATUS_OK;
    ++scan->m_nesting;
    const QString error = scan->m_error;
    scan->parseFile(included.get(), QDir(scan->m_folder).filePath(QString::fromUtf8(systemId)));
    scan->m_error = error;
    --scan->m_nesting;
    return XML_STATUS_OK;
}

bool tcSkinImageScan::parseFile(XML_Parser parser, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read \"%1\"").arg(path);
        return false;
    }
    const QByteArray text = file.readAll();
    if (text.size() > INT_MAX || XML_Parse(parser, text.constData(), int(text.size()), XML_TRUE) != XML_STATUS_OK) {
        m_error = QStringLiteral("\"%1\" line %2: %3")
                      .arg(path)
                      .arg(XML_GetCurrentLineNumber(parser))
                      .arg(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(parser))));
        return false;
    }
    return true;
}
