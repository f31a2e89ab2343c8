#include "UserRecord.h"

#include "DateText.h"
#include "LegacyText.h"
#include "NameKey.h"

#include <algorithm>

namespace {

QByteArray field(const QString &text, int width)
{
    QByteArray bytes = LegacyText::encode(QStringView(text).left(width));
    bytes = bytes.left(width);
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

// The field without its padding: names are mostly blanks, and decoding
// them costs more than anything else in a scan.
QString text(const char *bytes, int width)
{
    while (width > 0 && bytes[width - 1] == ' ')
        --width;
    return LegacyText::decode(QByteArrayView(bytes, width));
}

} // namespace

QByteArray UserRecord::encode() const
{
    QByteArray bytes;
    bytes.reserve(size);
    bytes += field(Nome, nomeWidth);
    bytes += field(Periodo, periodoWidth);
    bytes += field(Ultima, ultimaWidth);
    return bytes;
}

UserRecord UserRecord::decode(const char *bytes)
{
    UserRecord record;
    record.Nome = text(bytes, nomeWidth);
    record.Periodo = text(bytes + nomeWidth, periodoWidth);
    record.Ultima = text(bytes + nomeWidth + periodoWidth, ultimaWidth);
    return record;
}

QString UserRecord::decodeName(const char *bytes)
{
    return text(bytes, nomeWidth);
}

bool UserRecord::canStore(const QString &text)
{
    // A pasted control character (a tab, a line break...) would be kept, and
    // carried into exports. Bytes 0x81, 0x8D... of older files read as C1
    // controls: they are stored back as they were.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }))
        return false;
    return LegacyText::canEncode(text);
}

bool UserRecord::matches(const QString &name) const
{
    return NameKey::of(Nome) == NameKey::ofTyped(name);
}
