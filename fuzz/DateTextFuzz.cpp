// Any text typed into the date field: read day first, or refused.

#include "DateText.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)}) {
        const QDate date = DateText::readDate(text);
        if (date.isValid() != DateText::isValidDate(text))
            std::abort();
        if (!date.isValid())
            continue;
        // An accepted date has a four-digit year and reads back the same.
        if (date.year() < 1 || date.year() > 9999)
            std::abort();
        const QString canonical = DateText::formatDdMmYyyy(date);
        if (canonical.size() != 10 || DateText::readDate(canonical) != date)
            std::abort();
        (void)DateText::monthCaption(date);
    }
    return 0;
}
