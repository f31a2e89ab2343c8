// Any bytes as a CSV she picks to import: every date read is one of hers
// (1900 to today), a refusal names its line, and what is read is written and
// read back the same, as her own export must be.

#include "HistoryCsv.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QDate today(2026, 12, 10);
    const HistoryCsv::Read read =
        HistoryCsv::read(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), today);
    if (!read.ok()) {
        if (read.badLine < 1 || !read.starts.isEmpty() || !read.sentence().startsWith(QStringLiteral("Linha ")))
            std::abort();
        return 0;
    }
    QList<QDate> starts = read.starts;
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    for (const QDate &date : starts) {
        if (!date.isValid() || date > today || date.year() < 1900)
            std::abort();
    }
    const HistoryCsv::Read back = HistoryCsv::read(HistoryCsv::write(CycleStatistics::cycles(starts)), today);
    QList<QDate> again = back.starts;
    std::sort(again.begin(), again.end());
    if (!back.ok() || again != starts)
        std::abort();
    return 0;
}
