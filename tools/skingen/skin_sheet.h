#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QXmlStreamReader;

// The colours and geometry a skin folder declares for its artwork: the colours of
// "colours.xml" and the offsets and regions of "layout.xml", read with the skin file's
// own value rules. Both files are included by the skin's "skin.xml", so the bitmaps the
// generator draws and the objects the skin places share one set of numbers.
class tcSkinSheet
{
public:
    // A named rectangle of "layout.xml", in skin coordinates, in document order.
    struct Region
    {
        QString id;
        QRect rect;
    };

    static constexpr const char* COLOUR_FILE = "colours.xml";
    static constexpr const char* LAYOUT_FILE = "layout.xml";

    // Reads both files of the folder; false with error() set on the first fault.
    bool read(const QString& skinFolder);
    const QString& error() const { return m_error; }

    std::optional<QColor> colour(const QString& name) const;
    std::optional<int> offset(const QString& name) const;
    const std::vector<Region>& regions() const { return m_regions; }

    // The value of an int expression of the skin ("X+5", "X - 3", "10 20"); unlike the
    // skin loader, which counts an unknown offset as 0, an unknown name is a fault here.
    std::optional<int> evaluate(const QString& text);

private:
    struct Named
    {
        QString name;
        int value;
    };

    bool readFile(const QString& path);
    bool element(const QXmlStreamReader& reader);
    bool colourElement(const QString& id, const QString& rgb);
    bool offsetElement(const QString& id, const QString& value);
    bool regionElement(const QXmlStreamReader& reader, const QString& id);
    // Sets the fault text with the file and line; always false.
    bool fail(const QString& text);

    std::vector<Named> m_colours;
    std::vector<Named> m_offsets;
    std::vector<Region> m_regions;
    QString m_file;
    qint64 m_line = 0;
    QString m_error;
};
