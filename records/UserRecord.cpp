#include "UserRecord.h"

#include "DateText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char *codePage = "windows-1252";

QByteArray field(const QString &text, int width)
{
    QStringEncoder encoder(codePage, QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(text.left(width));
    bytes = bytes.left(width);
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

QString text(const char *bytes, int width)
{
    QStringDecoder decoder(codePage, QStringDecoder::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes, width));
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

bool UserRecord::canStore(const QString &text)
{
    QStringEncoder encoder(codePage, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && bytes.size() == text.size();
}

bool UserRecord::matches(const QString &name) const
{
    QString given = name;
    if (given.size() > nomeWidth)
        given = given.left(nomeWidth);
    // What the field kept of a long name lost its trailing blanks when read.
    if (name.size() > nomeWidth)
        given = DateText::trimBlanks(given);
    return DateText::trimBlanks(Nome).toUpper() == given.toUpper();
}
