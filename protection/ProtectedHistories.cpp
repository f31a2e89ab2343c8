#include "ProtectedHistories.h"

#include "OpenFolder.h"
#include "OwnFile.h"
#include "DateText.h"
#include "UserRecordsFile.h"
#include "WholeFileSave.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

constexpr int nameDigits = 32;

QString newFileName()
{
    QString name;
    for (int i = 0; i < nameDigits; ++i)
        name += QChar::fromLatin1("0123456789abcdef"[QRandomGenerator::system()->bounded(16)]);
    return name;
}

} // namespace

ProtectedHistories::ProtectedHistories(QString folder, SealedImage::Limits limits)
    : m_folder(std::move(folder)), m_limits(limits)
{
}

bool ProtectedHistories::isProtectedFileName(const QString &file)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{32}$"));
    return pattern.match(file).hasMatch();
}

bool ProtectedHistories::gone(const QString &file) const
{
    if (!isProtectedFileName(file))
        return true;
    const OpenFolder folder(m_folder, OpenFolder::Use::Read);
    if (!folder.isOpen())
        return folder.missing();
    return OwnFile(folder, file, OwnFile::Access::Read).missing();
}

ProtectedHistories::Opened ProtectedHistories::open(const QString &name, const QString &passphrase) const
{
    const OpenFolder folder(m_folder, OpenFolder::Use::Read);
    if (!folder.isOpen()) {
        // No folder: no protected history, told as any wrong name is.
        if (folder.missing())
            return {{HistoryProblem::Cause::WrongKey, {}, {}, 0}, {}, {}};
        return {{HistoryProblem::Cause::File, m_folder, folder.problem(), 0}, {}, {}};
    }
    bool newer = false;
    const QStringList files = QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &file : files) {
        if (!isProtectedFileName(file))
            continue;
        QByteArray bytes;
        {
            OwnFile own(folder, file, OwnFile::Access::Read);
            if (!own.isOpen() || own.size() > HistoryStore::maxBytes + SealedImage::headerSize + 16
                || !own.readAt(0, SealedImage::headerSize + 16, bytes))
                continue;
        }
        if (SealedImage::check(bytes) == SealedImage::Header::Newer)
            newer = true;
        std::shared_ptr<const SealedImage> seal = SealedImage::forFile(bytes, passphrase, name);
        if (!seal)
            continue;
        Opened opened{{}, file, seal};
        // Opened whole, not only its header: her key, her name, not one bit changed.
        const HistoryStore::Starts read = opened.store(m_folder).starts(name);
        if (read.problem.cause == HistoryProblem::Cause::WrongKey)
            continue;
        opened.problem = read.problem;
        return opened;
    }
    return {{newer ? HistoryProblem::Cause::Newer : HistoryProblem::Cause::WrongKey, {}, {}, 0}, {}, {}};
}

ProtectedHistories::Opened ProtectedHistories::create(const QString &name, const QString &passphrase) const
{
    std::shared_ptr<const SealedImage> seal = SealedImage::create(passphrase, name, m_limits);
    if (!seal)
        return {{HistoryProblem::Cause::Other, m_folder, {}, 0}, {}, {}};
    return {{}, newFileName(), seal};
}

namespace {

HistoryProblem recordsProblem(const FileProblem &file)
{
    return {HistoryProblem::Cause::File, file.path, file, 0};
}

// Her record in quintrela.dat, as a consultation keeps it in her history.
struct Record
{
    QDate start;
    int length = 0;
};

} // namespace

ProtectedHistories::Opened ProtectedHistories::protect(const QString &name, const QString &passphrase) const
{
    const HistoryStore open(m_folder);
    const UserRecordsFile records(UserRecordsFile::inFolder(m_folder));
    const UserRecordsFile::ReadResult read = records.readAll();
    if (!read.ok)
        return {recordsProblem(read.problem), {}, {}};
    Record record;
    for (const UserRecord &stored : read.records) {
        if (stored.matches(name))
            record = {DateText::readDate(stored.Ultima), int(DateText::leadingNumber(stored.Periodo))};
    }
    const HistoryStore::Whole hers = open.everything(name);
    if (!hers.problem.ok())
        return {hers.problem, {}, {}};

    Opened made = create(name, passphrase);
    if (!made.ok())
        return made;
    const HistoryStore sealed = made.store(m_folder);
    // Written even with nothing to hold: her file is there to open.
    if (const HistoryProblem added = sealed.addEverything(name, hers.everything))
        return {added, {}, {}};
    // Her record as her last consultation: what she typed most recently.
    if (record.start.isValid()) {
        const int length = record.length >= 16 && record.length <= 40 ? record.length : 0;
        if (const HistoryProblem kept = sealed.recordConsultation(name, record.start, length, {}, 0))
            return {kept, {}, {}};
    }
    if (const HistoryProblem erased = open.erase(name))
        return {erased, made.file, made.seal};
    if (const UserRecordsFile::Removed removed = records.remove(name); !removed.ok)
        return {recordsProblem(removed.problem), made.file, made.seal};
    return made;
}

HistoryProblem ProtectedHistories::unprotect(const Opened &opened, const QString &name) const
{
    const HistoryStore sealed = opened.store(m_folder);
    const HistoryStore::Whole hers = sealed.everything(name);
    if (!hers.problem.ok())
        return hers.problem;
    const HistoryStore::Consulted consulted = sealed.lastConsultation(name);
    if (!consulted.problem.ok())
        return consulted.problem;
    if (const HistoryProblem added = HistoryStore(m_folder).addEverything(name, hers.everything))
        return added;
    if (consulted.start.isValid()) {
        const QString length = consulted.length ? QString::number(consulted.length) : QString();
        const UserRecordsFile::SaveResult saved = UserRecordsFile(UserRecordsFile::inFolder(m_folder))
                                                      .SaveUserRecord(name, DateText::formatDdMmYyyy(consulted.start),
                                                                      length, [] { return true; });
        if (saved.status == UserRecordsFile::SaveStatus::Failed)
            return recordsProblem(saved.problem);
    }
    return remove(opened);
}

ProtectedHistories::Opened ProtectedHistories::changePassphrase(const Opened &opened, const QString &name,
                                                                const QString &passphrase) const
{
    const HistoryStore::Whole read = opened.store(m_folder).everything(name);
    if (!read.problem.ok())
        return {read.problem, {}, {}};
    Opened renewed = create(name, passphrase);
    if (!renewed.ok())
        return renewed;
    if (const HistoryProblem added = renewed.store(m_folder).addEverything(name, read.everything))
        return {added, {}, {}};
    if (const HistoryProblem removed = remove(opened))
        return {removed, {}, {}};
    return renewed;
}

HistoryProblem ProtectedHistories::remove(const Opened &opened) const
{
    const OpenFolder folder(m_folder, OpenFolder::Use::Write);
    if (const FileProblem problem = folder.isOpen() ? removeOwnFile(folder, opened.file) : folder.problem())
        return {HistoryProblem::Cause::File, folder.filePath(opened.file), problem, 0};
    return {};
}
