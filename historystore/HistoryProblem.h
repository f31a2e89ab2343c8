#pragma once
// Why her history could not be read or kept, in words she can act on. The
// calendar goes on working whatever this says.

#include "FileProblem.h"

#include <QString>

struct HistoryProblem
{
    enum class Cause {
        None,
        File,    // the file or its folder: see `file`
        Damaged, // not a database, or one with broken pages: left as it is
        Foreign, // a database, but not a history of this program
        Newer,   // written by a newer version of the program
        TooLarge, // far larger than any history of hers: not read
        WrongKey, // protected, and not by this name and passphrase (or changed since)
        OpenElsewhere, // protected, and open in another copy of the program
        Other,   // SQLite's result code in `code`
    };

    Cause cause = Cause::None;
    QString path;
    FileProblem file;
    int code = 0;

    bool ok() const { return cause == Cause::None; }
    explicit operator bool() const { return !ok(); }

    // One or two Portuguese sentences; never SQLite's own (English) words.
    QString sentence() const;
};
