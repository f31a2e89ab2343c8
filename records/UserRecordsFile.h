#pragma once
// "quintrela.dat": the remembered users, one 132-byte record each, in the
// order they were first saved. Records are updated in place and new ones
// appended; only a name she protects leaves it (the records after hers move
// up, each byte for byte).

#include "FileSync.h"
#include "UserRecord.h"

#include <QList>
#include <QStringList>
#include <QString>

#include <functional>

class UserRecordsFile
{
public:
    // Far more than any real file holds (132 bytes each, 13.2 MB): a larger
    // file is refused, unread and unwritten, as no file of hers.
    static constexpr qint64 maxRecords = 100000;

    explicit UserRecordsFile(QString path, FileSync sync = syncToDisk);
    static QString inFolder(const QString &folder);

    struct ReadResult
    {
        bool ok = true;
        FileProblem problem;
        QList<UserRecord> records; // every complete record, in file order
    };

    // Reads every complete record; a missing file is created empty. On a
    // failure (a file too large among them) nothing is returned.
    ReadResult readAll() const;

    struct NamesResult
    {
        bool ok = true;
        FileProblem problem;
        QStringList names; // the name of every complete record, without surrounding blanks
    };
    NamesResult readNames() const;

    // The complete records held by a file's bytes; an incomplete tail is left out.
    static QList<UserRecord> records(QByteArrayView bytes);

    enum class SaveStatus { Updated, Added, NotAdded, Failed };
    struct SaveResult
    {
        SaveStatus status = SaveStatus::Failed;
        FileProblem problem; // why it failed
    };

    // Rewrites every record of the name, or, when there is none, asks
    // (askToAdd) and appends one on yes. A save is on the disk before it is
    // reported as done, and only ever written in a folder and a file that
    // are hers (see OwnFolder, OwnFile). The file is locked against other
    // copies of the program while it is scanned and written, but not while
    // the question is on screen: after a yes it is scanned again.
    SaveResult SaveUserRecord(const QString &name, const QString &date, const QString &cycleLength,
                              const std::function<bool()> &askToAdd) const;

    // Every record of the name taken out, the others kept byte for byte and
    // in order, under the lock and synced; ok, with how many went.
    struct Removed
    {
        bool ok = true;
        FileProblem problem;
        int removed = 0;
    };
    Removed remove(const QString &name) const;

private:
    QString m_path;
    FileSync m_sync;
};
