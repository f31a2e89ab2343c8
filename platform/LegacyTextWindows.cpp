#include "LegacyText.h"

#include <windows.h>

namespace LegacyText {
namespace {

constexpr UINT codePage = 1252;

// Never a "best fit" (ł kept as l): what is not in the code page is lost,
// and said so.
QByteArray convert(QStringView text, bool *lost)
{
    if (text.isEmpty())
        return {};
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    BOOL usedDefault = FALSE;
    const char substitute[] = "\x1A"; // what the Linux build writes
    const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), bytes.data(),
                                      int(bytes.size()), substitute, &usedDefault);
    bytes.resize(n > 0 ? n : 0);
    if (lost)
        *lost = n <= 0 || usedDefault;
    return bytes;
}

} // namespace

QByteArray encode(QStringView text)
{
    return convert(text, nullptr);
}

QString decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    QString text(bytes.size(), Qt::Uninitialized);
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()),
                                      reinterpret_cast<wchar_t *>(text.data()), int(text.size()));
    text.resize(n > 0 ? n : 0);
    return text;
}

bool canEncode(QStringView text)
{
    bool lost = false;
    const QByteArray bytes = convert(text, &lost);
    return !lost && bytes.size() == text.size();
}

} // namespace LegacyText
