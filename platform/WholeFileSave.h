#pragma once
// A file she asked for (a PDF, a calendar export) written whole or not at
// all: made beside its final name for her eyes only, pushed to the disk,
// then put in place in one step. Killed midway, the older file stays. A
// link, or a file of someone else's, standing at the name is refused.

#include "FileSync.h"

#include <QByteArrayView>
#include <QString>

FileProblem saveWholeFile(const QString &path, QByteArrayView bytes, const FileSync &sync = syncToDisk);

class OpenFolder;
// The same in a folder already open (hers), by its handle alone.
FileProblem saveWholeFile(const OpenFolder &folder, const QString &name, QByteArrayView bytes,
                          const FileSync &sync = syncToDisk);
// A file of hers in that folder removed; none there is no failure. Whatever
// else stands at the name (a link, a folder, another's file) is left, and told.
FileProblem removeOwnFile(const OpenFolder &folder, const QString &name);
