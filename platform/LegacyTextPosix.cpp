#include "LegacyText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace LegacyText {
namespace {

constexpr const char *codePage = "windows-1252";

// Opening a converter costs far more than converting one record: each
// thread keeps one of each. Stateless, so no record leaks into the next.
QStringEncoder &encoder()
{
    thread_local QStringEncoder e(codePage, QStringEncoder::Flag::Stateless);
    return e;
}

QStringDecoder &decoder()
{
    thread_local QStringDecoder d(codePage, QStringDecoder::Flag::Stateless);
    return d;
}

} // namespace

QByteArray encode(QStringView text)
{
    return encoder().encode(text);
}

QString decode(QByteArrayView bytes)
{
    return decoder().decode(bytes);
}

bool canEncode(QStringView text)
{
    // A fresh encoder: its error flag must speak of this text alone.
    QStringEncoder check(codePage, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = check.encode(text);
    return check.isValid() && !check.hasError() && bytes.size() == text.size();
}

} // namespace LegacyText
