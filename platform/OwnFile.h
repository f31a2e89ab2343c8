#pragma once
// A file that holds her data, opened only if it is really hers: through her
// folder's handle (see OpenFolder), never through a link, only a plain file,
// for reading hers or the system's, and for writing only one she owns that
// has no other name. A file it makes is for her eyes only, whatever the
// umask; one of hers found open to others is narrowed.

#include "FileProblem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <limits>

class OpenFolder;

class OwnFile
{
public:
    enum class Access {
        Read,  // an existing file; missing() tells when there is none
        Write, // read and write, made when missing
    };

    OwnFile(const QString &path, Access access);
    // A file of a folder already open: nothing is looked up by path again.
    OwnFile(const OpenFolder &folder, const QString &name, Access access);
    ~OwnFile();
    OwnFile(const OwnFile &) = delete;
    OwnFile &operator=(const OwnFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    bool missing() const { return m_missing; }
    // Why it did not open, or why the last operation failed.
    const FileProblem &problem() const { return m_problem; }
    int handle() const { return m_fd; }

    bool readAll(QByteArray &bytes) { return readAt(0, std::numeric_limits<qint64>::max(), bytes); }
    // At most size bytes from offset; fewer at the end of the file.
    bool readAt(qint64 offset, qint64 size, QByteArray &bytes);
    bool writeAt(qint64 offset, QByteArrayView bytes);
    bool resize(qint64 size);
    // The file's length, or -1 (and the cause) when it cannot be told.
    qint64 size();
    // Marks the file as larger than any of hers could be; always false.
    bool refuseAsTooLarge()
    {
        m_problem = {FileProblem::Cause::TooLarge, m_path, {}, m_reading};
        return false;
    }

private:
    void open(const OpenFolder &folder, const QString &name, Access access);
    bool fail(int error);

    QString m_path;
    int m_fd = -1;
    bool m_missing = false;
    bool m_reading = false;
    FileProblem m_problem;
};
