#pragma once
// Her protected data while it is open: the one name open at a time, locked
// again on her word, after some minutes without use, or when the program
// ends. Tries at a name and passphrase are throttled (see TryThrottle).

#include "ProtectedHistories.h"
#include "TryThrottle.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

class ProtectionSession : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::minutes defaultIdle{5};
    // What she may choose, kept in her sealed file.
    static constexpr int fewestIdleMinutes = 1;
    static constexpr int mostIdleMinutes = 120;
    static inline const QString idlePreference = QStringLiteral("bloqueio_minutos");

    explicit ProtectionSession(QString folder, SealedImage::Limits limits = SealedImage::chosenLimits,
                               QObject *parent = nullptr);
    ~ProtectionSession() override;

    // Her name protected with this passphrase, and left open.
    HistoryProblem protect(const QString &name, const QString &passphrase);
    // Her data opened; refused (WrongKey) while the throttle says to wait.
    HistoryProblem open(const QString &name, const QString &passphrase);
    // Her name back in the open files; nothing stays open.
    HistoryProblem unprotect();
    HistoryProblem changePassphrase(const QString &passphrase);
    // Her sealed file removed for good; nothing stays open.
    HistoryProblem eraseAll();
    void lock();

    bool isOpen() const { return m_opened.has_value(); }
    const QString &name() const { return m_name; }
    // Her sealed file's name while it is open.
    QString file() const { return m_opened ? m_opened->file : QString(); }
    const QString &folder() const { return m_histories.folder(); }
    std::optional<HistoryStore> store() const;
    // How long before the next try is taken (none while it is free).
    std::chrono::seconds waitLeft() const;

    // She used the program: the minutes without use start again.
    void touch();
    // Until she chooses her own minutes.
    void setIdleTime(std::chrono::milliseconds idle);
    // Her minutes without use before her data locks again, while it is open.
    int idleMinutes() const;
    HistoryProblem setIdleMinutes(int minutes);

signals:
    void opened(const QString &name);
    // About to lock: her data is still open.
    void closing();
    // Her data, still open, now in a new file (a new passphrase); told before opened().
    void renamed(const QString &from, const QString &to);
    void locked();

private:
    // Held while she has it open, so that a second copy is told.
    struct Holding;
    HistoryProblem keepOpen(const QString &name, ProtectedHistories::Opened opened);
    void letGo();
    std::unique_ptr<Holding> m_holding;

    ProtectedHistories m_histories;
    std::optional<ProtectedHistories::Opened> m_opened;
    QString m_name;
    TryThrottle m_throttle;
    QElapsedTimer m_sinceLastFailure;
    QTimer m_idle;
    std::chrono::milliseconds m_standardIdle = defaultIdle;
};
