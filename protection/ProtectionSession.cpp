#include "ProtectionSession.h"

#include "DateText.h"
#include "FileLock.h"
#include "OpenFolder.h"
#include "OwnFile.h"
#include "WholeFileSave.h"

struct ProtectionSession::Holding
{
    Holding(const QString &folder, const QString &name)
        : m_folder(folder, OpenFolder::Use::Write), m_name(name),
          m_file(std::make_unique<OwnFile>(m_folder, name, OwnFile::Access::Write)),
          m_lock(std::make_unique<FileLock>(*m_file, FileLock::Kind::ExclusiveIfFree))
    {
    }
    ~Holding()
    {
        const bool held = m_lock->held();
        // Let go and closed first: Windows removes no file held open.
        m_lock.reset();
        m_file.reset();
        if (held)
            removeOwnFile(m_folder, m_name);
    }
    bool busy() const { return m_lock->busy(); }

    OpenFolder m_folder;
    QString m_name;
    std::unique_ptr<OwnFile> m_file;
    std::unique_ptr<FileLock> m_lock;
};

namespace {

// Beside her sealed file while she has it open; empty, hers alone.
QString openMarkOf(const QString &file)
{
    return file + QStringLiteral(".lock");
}

} // namespace

ProtectionSession::ProtectionSession(QString folder, SealedImage::Limits limits, QObject *parent)
    : QObject(parent), m_histories(std::move(folder), limits)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(defaultIdle);
    connect(&m_idle, &QTimer::timeout, this, &ProtectionSession::lock);
}

ProtectionSession::~ProtectionSession()
{
    // Her key is wiped as its memory is given back (SealedImage).
    m_opened.reset();
    letGo();
}

HistoryProblem ProtectionSession::keepOpen(const QString &name, ProtectedHistories::Opened opened)
{
    auto holding = std::make_unique<Holding>(m_histories.folder(), openMarkOf(opened.file));
    if (holding->busy())
        return {HistoryProblem::Cause::OpenElsewhere, {}, {}, 0};
    m_holding = std::move(holding);
    m_opened = std::move(opened);
    m_name = DateText::trimBlanks(name);
    // Her own minutes, once her file is open to say them.
    bool chosen = false;
    const int minutes = store()->preference(m_name, idlePreference).value.toInt(&chosen);
    if (chosen && minutes >= fewestIdleMinutes && minutes <= mostIdleMinutes)
        m_idle.setInterval(std::chrono::minutes(minutes));
    m_idle.start();
    emit this->opened(m_name);
    return {};
}

void ProtectionSession::letGo()
{
    m_holding.reset();
}

HistoryProblem ProtectionSession::protect(const QString &name, const QString &passphrase)
{
    lock();
    ProtectedHistories::Opened made = m_histories.protect(name, passphrase);
    if (!made.ok())
        return made.problem;
    return keepOpen(name, std::move(made));
}

std::chrono::seconds ProtectionSession::waitLeft() const
{
    const auto wait = m_throttle.waitBeforeNextTry();
    if (wait.count() == 0 || !m_sinceLastFailure.isValid())
        return std::chrono::seconds(0);
    const auto waited = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::milliseconds(m_sinceLastFailure.elapsed()));
    return waited >= wait ? std::chrono::seconds(0) : wait - waited;
}

HistoryProblem ProtectionSession::open(const QString &name, const QString &passphrase)
{
    lock();
    // Not even tried while she must wait: told as any wrong try is.
    if (waitLeft().count() > 0)
        return {HistoryProblem::Cause::WrongKey, {}, {}, 0};
    ProtectedHistories::Opened opened = m_histories.open(name, passphrase);
    if (!opened.ok()) {
        if (opened.problem.cause == HistoryProblem::Cause::WrongKey) {
            m_throttle.failed();
            m_sinceLastFailure.start();
        }
        return opened.problem;
    }
    m_throttle.succeeded();
    return keepOpen(name, std::move(opened));
}

HistoryProblem ProtectionSession::unprotect()
{
    if (!m_opened)
        return {};
    const HistoryProblem problem = m_histories.unprotect(*m_opened, m_name);
    if (problem.ok())
        lock();
    return problem;
}

HistoryProblem ProtectionSession::changePassphrase(const QString &passphrase)
{
    if (!m_opened)
        return {};
    ProtectedHistories::Opened renewed = m_histories.changePassphrase(*m_opened, m_name, passphrase);
    if (!renewed.ok())
        return renewed.problem;
    // Still open, under its new file: nothing leaves the screen.
    const QString name = m_name;
    const QString from = m_opened->file;
    m_opened.reset();
    letGo();
    emit renamed(from, renewed.file);
    return keepOpen(name, std::move(renewed));
}

HistoryProblem ProtectionSession::eraseAll()
{
    if (!m_opened)
        return {};
    const HistoryProblem problem = m_histories.remove(*m_opened);
    if (problem.ok())
        lock();
    return problem;
}

void ProtectionSession::lock()
{
    m_idle.stop();
    m_idle.setInterval(m_standardIdle);
    if (!m_opened)
        return;
    emit closing();
    m_opened.reset();
    m_name.clear();
    letGo();
    emit locked();
}

std::optional<HistoryStore> ProtectionSession::store() const
{
    if (!m_opened)
        return std::nullopt;
    return m_opened->store(m_histories.folder());
}

void ProtectionSession::touch()
{
    if (m_opened)
        m_idle.start();
}

void ProtectionSession::setIdleTime(std::chrono::milliseconds idle)
{
    m_standardIdle = idle;
    m_idle.setInterval(idle);
}

int ProtectionSession::idleMinutes() const
{
    return int(std::chrono::duration_cast<std::chrono::minutes>(m_idle.intervalAsDuration()).count());
}

HistoryProblem ProtectionSession::setIdleMinutes(int minutes)
{
    if (!m_opened || minutes < fewestIdleMinutes || minutes > mostIdleMinutes)
        return {HistoryProblem::Cause::Other, {}, {}, 0};
    if (const HistoryProblem problem = store()->setPreference(m_name, idlePreference, QString::number(minutes)))
        return problem;
    m_idle.setInterval(std::chrono::minutes(minutes));
    m_idle.start();
    return {};
}
