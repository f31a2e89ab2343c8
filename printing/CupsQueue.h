#pragma once
// A printer queue of the CUPS scheduler, asked directly: Qt's own CUPS
// printing hands its job over without looking at the answer, so a queue that
// refuses jobs or is stopped lost the page without a word.

#include <QString>

class CupsQueue
{
public:
    explicit CupsQueue(QString name);

    // Why the queue would not print now (it refuses jobs, it is stopped, or
    // the scheduler does not know it); empty when it would.
    QString refusal() const;

    // Hands a PDF file to the queue as one job; false, with the scheduler's
    // reason, when it did not take it.
    bool submit(const QString &pdfPath, const QString &title, QString *error) const;

private:
    QString m_name;
};
