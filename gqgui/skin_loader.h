#pragma once

#include "gqgui/skin_attributes.h"

#include <QRgb>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class tcBench;
class tcGuiImage;
class tcGuiObject;
class tcSkinFont;
class tcSkinTables;
struct tcSkinScreen;
struct XML_ParserStruct;

// What an open element of the skin file acts on; its kind selects the child elements
// it allows.
enum class tcSkinContext : uint8_t {
    DOCUMENT, SKIN, SCREEN, IMAGE, BUTTON, COMBO, LISTBOX, LAMP, CHECKBOX, DISPLAY, KNOB, SLIDER, RADIOGROUP,
    METER, APGRAPH, DYNGRAPH, LABEL,
    LEAF  // no child elements: leaves, and elements ignored with all they hold
};

// What an open element acts on (its object or screen record) and what it may hold.
struct tcSkinTarget
{
    tcSkinContext kind = tcSkinContext::LEAF;
    tcGuiObject* object = nullptr;
    tcSkinScreen* screen = nullptr;
};

// Reads a skin file with expat into a bench: the objects into its list, the names into
// the tables. Elements nest at most 9 deep; included files (external entities) are read
// in place, resolved against the main file's folder. Every message goes to the bench's
// log and names the line. A loader keeps nothing between loads but what it left in the
// bench and the tables. GUI thread only.
class tcSkinLoader
{
public:
    static constexpr int MAX_DEPTH = 9;
    static constexpr int CHUNK_SIZE = 10000;
    static constexpr int FIRST_SERIAL = 10001;
    // Guards against included files that include each other without end.
    static constexpr int MAX_INCLUDES = 256;
    static constexpr int MAX_INCLUDE_NESTING = 16;
    // Numbers given to objects (positions, sizes, counts) are held within this, so that
    // the objects' sums of them never overflow.
    static constexpr int OBJECT_VALUE_LIMIT = 1000000;

    // Opens a file for reading, or gives none.
    using Opener = std::function<std::unique_ptr<QIODevice>(const QString& path)>;

    tcSkinLoader(tcBench& bench, tcSkinTables& tables);
    tcSkinLoader(const tcSkinLoader&) = delete;
    tcSkinLoader& operator=(const tcSkinLoader&) = delete;
    ~tcSkinLoader();

    // Files are read from disk in text mode unless another opener is given.
    void setOpener(Opener opener) { m_opener = std::move(opener); }
    // Empties the tables and reads the file; true when every chunk of the main file
    // parsed and the nesting stayed within bounds.
    bool load(const QString& path);

    // For the element handlers.
    tcBench& bench() { return m_bench; }
    tcSkinTables& tables() { return m_tables; }
    const QString& folder() const { return m_folder; }
    // The current line of the parser reading.
    int line() const;
    [[gnu::format(printf, 2, 3)]] void report(const char* format, ...);
    // The value readers of the attribute types; undefined offsets are reported.
    int intValue(const char* text);
    // An int for an object, held within +-OBJECT_VALUE_LIMIT.
    int objectValue(const char* text);
    QRgb colorValue(const char* text) const;
    // None for an empty or unknown name.
    tcSkinFont* fontValue(const char* text) const;
    // The image of that id, created (without a file) when no object has it; none for an
    // empty id or one that names another kind of object.
    tcGuiImage* imageValue(const char* text);
    // The element's id, or none after reporting it missing.
    const char* requireId(const char* element, const tcSkinAttributes& attributes);
    using Factory = std::unique_ptr<tcGuiObject> (*)(const QString& id, tcBench* bench, int serial);
    // The object of that id, made when there is none; none (reported) when the id names
    // an object of another kind.
    tcGuiObject* object(const char* element, const char* id, int kind, Factory make);

private:
    using Parser = XML_ParserStruct*;

    static void startElement(void* self, const char* name, const char** attributes);
    static void endElement(void* self, const char* name);
    static int externalEntity(Parser parser, const char* context, const char* base, const char* systemId,
                              const char* publicId);

    void start(const char* name, const char** attributes);
    void end();
    int include(Parser parent, const char* context, const char* systemId);
    // Reads a file chunk by chunk into the parser, between its file messages.
    bool readFile(Parser parser, const QString& path);
    bool parseChunks(Parser parser, const QString& path);
    // Ends the load: the nesting went too deep.
    void abort();

    tcBench& m_bench;
    tcSkinTables& m_tables;
    Opener m_opener;
    QString m_folder;
    std::vector<Parser> m_parsers;
    std::vector<tcSkinTarget> m_stack;
    int m_serial = FIRST_SERIAL;
    int m_includes = 0;
    bool m_aborted = false;
};
