#pragma once
// The protected histories of a data folder: each in a file of its own, named
// by 32 random hexadecimal digits, so that neither her name nor the program
// shows in the folder. A name and passphrase find their file by opening:
// each file is tried in turn (its own salt and limits), so a wrong name and
// a wrong passphrase are one and the same answer.

#include "HistoryStore.h"
#include "SealedImage.h"

#include <QString>

#include <memory>

class ProtectedHistories
{
public:
    explicit ProtectedHistories(QString folder, SealedImage::Limits limits = SealedImage::chosenLimits);

    static bool isProtectedFileName(const QString &file);
    // That protected file is no longer in the folder (not merely unreadable now).
    bool gone(const QString &file) const;

    struct Opened
    {
        HistoryProblem problem;
        QString file;
        std::shared_ptr<const SealedImage> seal;
        bool ok() const { return problem.ok() && seal != nullptr; }
        // Her history in it, sealed: read and changed as any other.
        HistoryStore store(const QString &folder) const { return HistoryStore(folder, file, seal); }
    };
    // Her file, opened by her name and passphrase; WrongKey when none is hers.
    Opened open(const QString &name, const QString &passphrase) const;
    // A new file for her (written at its first save).
    Opened create(const QString &name, const QString &passphrase) const;
    // Her name protected: her history and her record (the date and cycle
    // length quintrela.dat held) sealed in a new file first, then taken out
    // of historico.db and quintrela.dat, whose other records stay byte for
    // byte. Killed midway, she has them twice, never none.
    Opened protect(const QString &name, const QString &passphrase) const;
    // Back in the open files, then her sealed file removed.
    HistoryProblem unprotect(const Opened &opened, const QString &name) const;

    // Her history under a new passphrase, in a new file, then the old one
    // removed: killed midway, one of the two opens whole.
    Opened changePassphrase(const Opened &opened, const QString &name, const QString &passphrase) const;
    // Her file removed: without the key nothing of hers is left to read.
    HistoryProblem remove(const Opened &opened) const;

    const QString &folder() const { return m_folder; }

private:
    QString m_folder;
    SealedImage::Limits m_limits;
};
