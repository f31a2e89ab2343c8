#pragma once
// "qtrconf.dat": the end-of-period choice shared by Quintrela and qtrconfg.
// A little-endian signed 16-bit value at offset 0; further bytes are never
// touched. Missing or empty reads as 0; one byte is taken as the low byte.

#include "FileSync.h"

#include <QString>

class SettingsFile
{
public:
    static constexpr qint16 valueEndIsNext = -1; // FF FF
    static constexpr qint16 valueDayAfter = 0;   // 00 00

    enum class Status {
        Ok,
        NotWritable, // value read (or the file is missing), but it cannot be written here
        Unreadable,  // the file exists and cannot be read: the value is 0
    };

    struct ReadResult
    {
        qint16 value = 0;
        Status status = Status::Ok;
        FileProblem problem; // why, for a message
    };

    explicit SettingsFile(QString path, FileSync sync = syncToDisk);
    static QString inFolder(const QString &folder);

    // Reads the value, and writes it back unchanged when the file is
    // missing or shorter than a value, so it exists after the first start.
    // Both this and write() hold the file's lock, so a start never undoes a
    // choice saved at the same moment.
    ReadResult readWithWriteBack() const;
    // Writes the value at offset 0 and onto the disk; false (and the
    // cause) when it could not.
    bool write(qint16 value, FileProblem *problem = nullptr) const;

private:
    QString m_path;
    FileSync m_sync;
};
