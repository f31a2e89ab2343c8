#pragma once
// The history the previous release wrote was changed in place, its old pages
// first copied into "historico.db-journal". A change killed midway left that
// journal "hot": the file is only whole once those pages are put back. SQLite
// would do it when opening the file by its path; the history is now read
// through her folder's handle into memory, so the pages are put back here,
// in memory, as SQLite's documented journal format gives them.

#include <QByteArray>
#include <QByteArrayView>

namespace RollbackJournal {

// The database as it was before the change the journal belongs to. A journal
// that is empty, or whose change was committed (no header), changes nothing;
// a page torn by the kill ends the playback there, as it does for SQLite.
// True when pages were put back.
bool undo(QByteArray &database, QByteArrayView journal);

} // namespace RollbackJournal
