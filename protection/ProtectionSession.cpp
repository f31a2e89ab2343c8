#include "ProtectionSession.h"

#include "DateText.h"

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
}

void ProtectionSession::keepOpen(const QString &name, ProtectedHistories::Opened opened)
{
    m_opened = std::move(opened);
    m_name = DateText::trimBlanks(name);
    m_idle.start();
    emit this->opened(m_name);
}

HistoryProblem ProtectionSession::protect(const QString &name, const QString &passphrase)
{
    lock();
    ProtectedHistories::Opened made = m_histories.protect(name, passphrase);
    if (!made.ok())
        return made.problem;
    keepOpen(name, std::move(made));
    return {};
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
    keepOpen(name, std::move(opened));
    return {};
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
    m_opened = std::move(renewed);
    return {};
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
    if (!m_opened)
        return;
    m_opened.reset();
    m_name.clear();
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
    m_idle.setInterval(idle);
}
