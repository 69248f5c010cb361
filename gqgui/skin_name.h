#pragma once

#include <QByteArray>
#include <QString>

// A skin name (object id, font or table entry name) kept with its length and the sum of
// its bytes, so that most mismatches in the linear look-ups cost two integer comparisons.
class tcSkinName
{
public:
    tcSkinName() = default;
    explicit tcSkinName(const QString& text);

    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_length == 0; }

    // Exact, case-sensitive equality; the characters are compared only when the
    // length and the byte sum agree.
    bool operator==(const tcSkinName& other) const;

private:
    QString m_text;
    QByteArray m_bytes;  // UTF-8, as the skin file carries it
    int m_length = 0;
    int m_sum = 0;       // sum of the bytes taken as signed
};
