#include "RollbackJournal.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr unsigned char magic[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
// A count of pages meaning "as many as the file holds".
constexpr quint32 toTheEnd = 0xffffffffu;

quint32 at(QByteArrayView bytes, qsizetype offset)
{
    return qFromBigEndian<quint32>(bytes.data() + offset);
}

bool isPowerOfTwoBetween(quint32 value, quint32 low, quint32 high)
{
    return value >= low && value <= high && (value & (value - 1)) == 0;
}

// The nonce and every 200th byte of the page, from its end.
quint32 checksum(QByteArrayView page, quint32 nonce)
{
    quint32 sum = nonce;
    for (qsizetype i = page.size() - 200; i > 0; i -= 200)
        sum += quint8(page[i]);
    return sum;
}

} // namespace

bool RollbackJournal::undo(QByteArray &database, QByteArrayView journal)
{
    bool undone = false;
    qint64 originalSize = -1;
    quint32 pagesBefore = 0;
    qsizetype offset = 0;
    // One header per segment: a change that spilled to the disk more than
    // once wrote several, each at a sector boundary.
    while (offset + 28 <= journal.size() && std::equal(magic, magic + 8, journal.data() + offset,
                                                        [](unsigned char m, char j) { return m == quint8(j); })) {
        quint32 pages = at(journal, offset + 8);
        const quint32 nonce = at(journal, offset + 12);
        const quint32 sizeBefore = at(journal, offset + 16);
        const quint32 sector = at(journal, offset + 20);
        const quint32 pageSize = at(journal, offset + 24);
        if (!isPowerOfTwoBetween(sector, 32, 65536) || !isPowerOfTwoBetween(pageSize, 512, 65536))
            break;
        const qsizetype record = qsizetype(pageSize) + 8;
        if (originalSize < 0) {
            originalSize = qint64(sizeBefore) * pageSize;
            pagesBefore = sizeBefore;
        }
        offset += sector;
        if (pages == toTheEnd)
            pages = quint32(std::max<qsizetype>(0, (journal.size() - offset) / record));
        bool torn = false;
        for (quint32 i = 0; i < pages; ++i, offset += record) {
            if (offset + record > journal.size()) {
                torn = true;
                break;
            }
            const quint32 number = at(journal, offset);
            const QByteArrayView page = journal.sliced(offset + 4, pageSize);
            // Only pages the file had before the change are ever copied.
            if (number == 0 || number > pagesBefore || at(journal, offset + 4 + pageSize) != checksum(page, nonce)) {
                torn = true;
                break;
            }
            const qint64 where = qint64(number - 1) * pageSize;
            if (where + pageSize > database.size())
                database.resize(where + pageSize, '\0');
            std::copy(page.begin(), page.end(), database.begin() + where);
            undone = true;
        }
        if (torn)
            break;
        offset = (offset + sector - 1) / sector * sector;
    }
    if (originalSize >= 0 && database.size() > originalSize)
        database.truncate(originalSize);
    return undone || originalSize >= 0;
}
