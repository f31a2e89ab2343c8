#pragma once
// One remembered user: 132 bytes of Windows-1252 text, each field padded
// with blanks on the right. The cycle length comes before the date.

#include <QByteArray>
#include <QString>

struct UserRecord
{
    static constexpr int size = 132;
    static constexpr int nomeWidth = 120;
    static constexpr int periodoWidth = 2;
    static constexpr int ultimaWidth = 10;

    QString Nome;
    QString Periodo;
    QString Ultima;

    // The 132 bytes on disk; each field padded with blanks or cut to its width.
    QByteArray encode() const;
    // Fields as stored, less the blanks that pad them on the right; bytes
    // must hold at least `size`.
    static UserRecord decode(const char *bytes);
    // The name alone, for lists that need nothing else.
    static QString decodeName(const char *bytes);

    // True when the text can be stored without loss (Windows-1252) and
    // holds no control character that can be typed or pasted.
    static bool canStore(const QString &text);

    // The stored name without surrounding blanks, upper-cased, equals the
    // given name upper-cased. The given name is not trimmed, but one longer
    // than the field is compared by the part that fits.
    bool matches(const QString &name) const;
};
