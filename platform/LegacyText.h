#pragma once
// Her records are kept as they always were, in Windows-1252, one byte per
// character: Qt converts with ICU on Linux; Windows converts with its own
// code page (Qt there has no converter for it).

#include <QByteArray>
#include <QString>

namespace LegacyText {

// What cannot be kept becomes 0x1A (SUB), as ICU has always written it.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);
// Every character kept, one byte each.
bool canEncode(QStringView text);

} // namespace LegacyText
