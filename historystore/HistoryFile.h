#pragma once
// Her history's file, read and written whole, only through her folder's
// handle: read into memory at once, and after a change the whole new image
// is written beside it, synced and put in its place in one step (see
// saveWholeFile). Killed or refused midway, the old file stays whole; no
// journal stands beside it, and nothing is opened by its path again once
// her folder is open.
//
// A lock file of its own (empty, hers alone) keeps two copies of the program
// from each saving a change the other never read. The file the previous
// release left, with its journal, is read as that release would have read it.

#include "FileLock.h"
#include "FileSync.h"
#include "HistoryProblem.h"
#include "ImageSeal.h"
#include "OpenFolder.h"
#include "OwnFile.h"

#include <QByteArray>
#include <QString>

#include <memory>

class HistoryFile
{
public:
    enum class Use { Read, Write };
    static inline const QString lockName = QStringLiteral("historico.lock");
    static inline const QString journalName = QStringLiteral("historico.db-journal");

    // Opens her folder, takes the lock and reads the file: a problem, or
    // missing() when there is no history yet.
    // With a seal, the file holds the image sealed, and has no journal.
    HistoryFile(const QString &folder, const QString &name, Use use, qint64 maxBytes, const ImageSeal *seal = nullptr,
                FileSync sync = syncToDisk);
    ~HistoryFile();
    HistoryFile(const HistoryFile &) = delete;
    HistoryFile &operator=(const HistoryFile &) = delete;

    const HistoryProblem &problem() const { return m_problem; }
    bool missing() const { return m_missing; }
    const QByteArray &image() const { return m_image; }
    QString path() const { return m_folder.filePath(m_name); }

    // The new image in the file's place, whole, or (told) the old one kept.
    HistoryProblem save(const QByteArray &image);

private:
    bool read(qint64 maxBytes);
    bool readJournal(Use use);
    HistoryProblem told(const FileProblem &file) const;

    OpenFolder m_folder;
    QString m_name;
    qint64 m_maxBytes;
    const ImageSeal *m_seal;
    FileSync m_sync;
    std::unique_ptr<OwnFile> m_lockFile;
    std::unique_ptr<FileLock> m_lock;
    QByteArray m_image;
    bool m_missing = false;
    HistoryProblem m_problem;
};
