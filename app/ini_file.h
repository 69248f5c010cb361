#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// Keyed settings store of string values grouped in sections, kept in memory and written
// as one XML file ("XR9QT.ini" and the unit records). Used on the GUI thread only.
class tcIniFile
{
public:
    // The back end of every store of this program: an XML file held in memory.
    static constexpr uint32_t MODE_XML = 2;

    // Reads the file at once in mode MODE_XML; a missing or malformed file leaves
    // the entries read so far (possibly none). Other modes keep the store in memory only.
    explicit tcIniFile(const QString& path, uint32_t mode = MODE_XML);
    // Saves (when dirty), then frees the store.
    ~tcIniFile();

    tcIniFile(const tcIniFile&) = delete;
    tcIniFile& operator=(const tcIniFile&) = delete;

    // Copies the default, then the stored value if there is one, into buffer; each cut
    // to size - 1 bytes and always terminated.
    void getString(const char* section, const char* key, const char* def,
                   char* buffer, size_t size) const;
    // The stored value, or the default.
    QString getString(const char* section, const char* key, const QString& def) const;
    // The stored value as atoi() reads it (0 when it is not a number), or the default.
    int32_t getInt(const char* section, const char* key, int32_t def) const;

    // Store a value and mark the store dirty; nothing is written until save().
    void setString(const char* section, const char* key, const char* value);
    void setString(const char* section, const char* key, const QString& value);
    void setInt(const char* section, const char* key, int32_t value);
    // Stores key/value pairs given as key, value, key, value, ..., nullptr.
    void setSection(const char* section, const char* const* pairs);

    // Writes the whole file when dirty. The new contents replace the old file only
    // once completely written; on failure the old file stays and the store stays dirty.
    // Returns false only when a write was needed and failed.
    bool save();

    bool isDirty() const { return m_dirty; }
    const QString& path() const { return m_path; }

private:
    void read();
    QByteArray serialize() const;
    const std::string* find(const char* section, const char* key) const;

    uint32_t m_mode;
    QString m_path;
    bool m_dirty = false;
    std::map<std::string, std::string> m_map; // "section:key" -> value, plain byte order
};
