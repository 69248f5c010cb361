#pragma once

#include <QString>
#include <QStringList>

struct XML_ParserStruct;

// Collects the bitmap file names that the image elements of a skin file and of the files
// it includes name, so that the packer can add the shared images a skin uses. Included
// files are resolved against the skin file's folder.
class tcSkinImageScan
{
public:
    // Guards against included files that include each other without end.
    static constexpr int MAX_INCLUDES = 256;
    static constexpr int MAX_NESTING = 16;

    // False when the skin file cannot be read or is not well-formed (see error()); errors
    // in included files are passed over.
    bool scan(const QString& skinFile);

    // The names in document order, each once.
    const QStringList& files() const { return m_files; }
    const QString& error() const { return m_error; }

private:
    static void startElement(void* self, const char* name, const char** attributes);
    static int externalEntity(XML_ParserStruct* parser, const char* context, const char* base,
                              const char* systemId, const char* publicId);

    bool parseFile(XML_ParserStruct* parser, const QString& path);

    QString m_folder;
    QStringList m_files;
    QString m_error;
    int m_includes = 0;
    int m_nesting = 0;
};
