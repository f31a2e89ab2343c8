#pragma once
// Why a file or folder holding her data could not be used, in words she can
// act on. Every save and print failure carries one to its message.

#include <QString>

struct FileProblem
{
    enum class Cause {
        None,
        NoSpace,            // the disk (or her quota) is full
        NoPermission,       // the system refused: rights of the file or folder
        ReadOnlyDisk,
        FolderMissing,
        LinkedFile,         // a symbolic link (or junction) stands where her file should
        LinkedFolder,
        NotAFile,           // a folder, a device, a pipe...
        NotAFolder,
        FileInTheWay,       // a file stands where a folder of the path should be
        TooLarge,           // far larger than any file of hers could be
        OpenElsewhere,      // another program holds it open (a PDF viewer on Windows)
        ForeignFile,        // belongs to another user
        ForeignFolder,
        HardLinkedFile,     // the same file has other names elsewhere
        FolderOpenToOthers, // others may write in the folder
        Other,              // the system's own words in `detail`
    };

    Cause cause = Cause::None;
    QString path;   // the file or folder spoken of
    QString detail; // the system's reason, for Other
    bool reading = false; // refused while reading, not writing


    bool ok() const { return cause == Cause::None; }
    explicit operator bool() const { return !ok(); }

    enum class Use { Write, Read };
    // The system's error code as a cause; what it cannot name is told in
    // Portuguese words, never the C library's (English under most locales).
    static FileProblem fromErrno(int error, const QString &path, Use use = Use::Write);

    // One or two Portuguese sentences naming the place and the cause.
    QString sentence() const;
};
