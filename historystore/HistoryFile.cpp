#include "HistoryFile.h"

#include "RollbackJournal.h"
#include "WholeFileSave.h"

#include <utility>

namespace {

OpenFolder::Use folderUse(HistoryFile::Use use)
{
    return use == HistoryFile::Use::Write ? OpenFolder::Use::Write : OpenFolder::Use::Read;
}

OwnFile::Access fileAccess(HistoryFile::Use use)
{
    return use == HistoryFile::Use::Write ? OwnFile::Access::Write : OwnFile::Access::Read;
}

} // namespace

HistoryFile::HistoryFile(const QString &folder, const QString &name, Use use, qint64 maxBytes, const ImageSeal *seal,
                         FileSync sync)
    : m_folder(folder, folderUse(use)), m_name(name), m_maxBytes(maxBytes), m_seal(seal), m_sync(std::move(sync))
{
    if (!m_folder.isOpen()) {
        m_missing = m_folder.missing();
        if (!m_missing)
            m_problem = told(m_folder.problemFor(path()));
        return;
    }
    // Read under the lock too: on Windows a file open for reading cannot be
    // replaced, and a reader must never meet half of another's change.
    m_lockFile = std::make_unique<OwnFile>(m_folder, lockName, fileAccess(use));
    if (m_lockFile->isOpen()) {
        m_lock = std::make_unique<FileLock>(*m_lockFile, use == Use::Write ? FileLock::Kind::Exclusive : FileLock::Kind::Shared);
    } else if (!m_lockFile->missing()) {
        m_problem = told(m_lockFile->problem());
        return;
    }
    if (!read(maxBytes))
        return;
    if (m_seal) {
        QByteArray sealed;
        std::swap(sealed, m_image);
        m_missing = sealed.isEmpty() && m_problem.ok();
        if (!m_missing)
            m_problem = m_seal->open(sealed, m_image);
        return;
    }
    // An empty file is one the previous release made and never wrote: no history yet.
    m_missing = m_image.isEmpty();
    readJournal(use);
}

// Only read, even to write: the file is only ever replaced, never written
// in. Closed before anything replaces it (Windows refuses to replace a file
// held open).
bool HistoryFile::read(qint64 maxBytes)
{
    OwnFile file(m_folder, m_name, OwnFile::Access::Read);
    if (!file.isOpen()) {
        if (!file.missing())
            m_problem = told(file.problem());
        return file.missing();
    }
    // Far larger than any history of hers: not read, not written.
    const qint64 size = file.size();
    if (size > maxBytes) {
        m_problem = {HistoryProblem::Cause::TooLarge, path(), {}, 0};
        return false;
    }
    if (size < 0 || !file.readAll(m_image)) {
        m_problem = told(file.problem());
        return false;
    }
    return true;
}

HistoryFile::~HistoryFile()
{
    if (m_seal)
        m_seal->wipe(m_image);
}

// The previous release's journal: its pages put back in memory, and, when
// writing, the file saved whole as that release would have left it before
// the journal goes, so that a kill in between replays it on the same pages.
bool HistoryFile::readJournal(Use use)
{
    QByteArray pages;
    {
        // Closed before the journal is removed: Windows keeps a file held open.
        OwnFile journal(m_folder, journalName, OwnFile::Access::Read);
        if (!journal.isOpen()) {
            if (!journal.missing())
                m_problem = told(journal.problem());
            return journal.missing();
        }
        const qint64 size = journal.size();
        if (size > m_maxBytes) {
            m_problem = {HistoryProblem::Cause::TooLarge, m_folder.filePath(journalName), {}, 0};
            return false;
        }
        if (size < 0 || !journal.readAll(pages)) {
            m_problem = told(journal.problem());
            return false;
        }
    }
    const bool undone = !m_image.isEmpty() && RollbackJournal::undo(m_image, pages);
    if (use != Use::Write)
        return true;
    if (undone) {
        if (const FileProblem saved = saveWholeFile(m_folder, m_name, m_image, m_sync)) {
            m_problem = told(saved);
            return false;
        }
    }
    if (const FileProblem removed = removeOwnFile(m_folder, journalName)) {
        m_problem = told(removed);
        return false;
    }
    return true;
}

HistoryProblem HistoryFile::save(const QByteArray &image)
{
    if (!m_problem.ok())
        return m_problem;
    const QByteArray bytes = m_seal ? m_seal->seal(image) : image;
    if (bytes.isEmpty())
        return {HistoryProblem::Cause::Other, path(), {}, 0};
    if (const FileProblem saved = saveWholeFile(m_folder, m_name, bytes, m_sync))
        return told(saved);
    // What was read is done with: only the new image stands for her history.
    if (m_seal)
        m_seal->wipe(m_image);
    m_image.clear();
    m_missing = false;
    return {};
}

HistoryProblem HistoryFile::told(const FileProblem &file) const
{
    return {HistoryProblem::Cause::File, file.path.isEmpty() ? path() : file.path, file, 0};
}
