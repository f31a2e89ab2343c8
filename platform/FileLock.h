#pragma once
// Holds a lock on an open file for one scan-and-write, so that two copies
// of the program never interleave their records.

#include "OwnFile.h"

class FileLock
{
public:
    enum class Kind {
        Shared,
        Exclusive,
        ExclusiveIfFree, // never waits: held() tells whether it was free
    };
    // Waits for the lock; a file system without locks goes on unlocked.
    FileLock(const OwnFile &file, Kind kind);
    bool held() const { return m_fd >= 0; }
    // Not free: another holds it (not a file system without locks).
    bool busy() const { return m_busy; }
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    int m_fd = -1;
    bool m_busy = false;
};
