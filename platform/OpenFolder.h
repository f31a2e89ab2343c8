#pragma once
// A folder holding her files, opened once and then used only through its
// handle: her files in it are opened, made, renamed and synced relative to
// it, so a link swapped in above it afterwards carries nothing elsewhere.
//
// The path is walked from the root one folder at a time, never following a
// link on the way unless it stands in a folder that only its owner (her or
// the system) can change, and is owned by one of them: a link that another
// account could have put or replaced is refused. A folder above that others
// may write is made harmless rather than refused: nothing is looked up
// through it again once her folder is open, and her folder itself must be
// hers (and, for her data, closed to others' writes).

#include "FileProblem.h"

#include <QString>

#ifdef _WIN32
using NativeFolderHandle = void *; // HANDLE
#else
using NativeFolderHandle = int;
#endif

class OpenFolder
{
public:
    enum class Use {
        Read,     // her data folder, to read: hers (or the system's), never a link
        Write,    // her data folder, to write: hers alone, made for her when missing
        SaveHere, // a folder she picked for a PDF or an export: any she may write in
    };

    OpenFolder(const QString &path, Use use);
    ~OpenFolder();
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;

    bool isOpen() const;
    // A folder that is not there, when reading: nothing of hers is in it.
    bool missing() const { return m_missing; }
    const FileProblem &problem() const { return m_problem; }
    // The same, told of a file in it: a missing folder is "the folder of <file>".
    FileProblem problemFor(const QString &file) const
    {
        FileProblem told = m_problem;
        if (told.cause == FileProblem::Cause::FolderMissing)
            told.path = file;
        return told;
    }
    NativeFolderHandle handle() const { return m_handle; }
    // The folder as it was asked for, clean and absolute.
    const QString &path() const { return m_path; }
    QString filePath(const QString &name) const { return m_path + u'/' + name; }

private:
    QString m_path;
    NativeFolderHandle m_handle {};
    bool m_missing = false;
    FileProblem m_problem;
};
