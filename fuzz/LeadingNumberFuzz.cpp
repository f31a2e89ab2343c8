// Any text typed into the cycle-length field.

#include "DateText.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    const double v = DateText::leadingNumber(text);
    if (std::isnan(v))
        std::abort();
    // A text that does not start with a blank, digit, sign or point reads 0.
    if (!text.isEmpty() && !QStringLiteral(" \t\r\n0123456789+-.").contains(text[0]) && v != 0)
        std::abort();
    const qint64 rounded = DateText::roundHalfEven(v);
    if (std::isfinite(v) && std::abs(v) < 1e15 && std::abs(double(rounded) - v) > 0.5)
        std::abort();
    return 0;
}
