#include "CupsQueue.h"

#include <QFile>
#include <QLibrary>

#include <cups/cups.h>

namespace {

// The CUPS library, loaded the first time a page goes to a queue. Linked to
// the program, it and what it needs (GnuTLS, Kerberos, Avahi) cost every
// start a few milliseconds, for a command most starts never use.
struct Cups
{
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsPrintFile2) printFile2 = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;

    bool loaded() const { return getNamedDest && getOption && freeDests && printFile2 && lastErrorString; }
};

const Cups &cups()
{
    static const Cups library = [] {
        static QLibrary file(QStringLiteral("cups"), 2);
        Cups c;
        c.getNamedDest = reinterpret_cast<decltype(c.getNamedDest)>(file.resolve("cupsGetNamedDest"));
        c.getOption = reinterpret_cast<decltype(c.getOption)>(file.resolve("cupsGetOption"));
        c.freeDests = reinterpret_cast<decltype(c.freeDests)>(file.resolve("cupsFreeDests"));
        c.printFile2 = reinterpret_cast<decltype(c.printFile2)>(file.resolve("cupsPrintFile2"));
        c.lastErrorString = reinterpret_cast<decltype(c.lastErrorString)>(file.resolve("cupsLastErrorString"));
        return c;
    }();
    return library;
}

} // namespace

CupsQueue::CupsQueue(QString name)
    : m_name(std::move(name))
{
}

QString CupsQueue::refusal() const
{
    const Cups &c = cups();
    if (!c.loaded())
        return QStringLiteral("the CUPS library cannot be loaded");
    cups_dest_t *dest = c.getNamedDest(CUPS_HTTP_DEFAULT, m_name.toUtf8().constData(), nullptr);
    if (!dest)
        return QStringLiteral("unknown printer: ") + QString::fromUtf8(c.lastErrorString());
    QString why;
    const char *accepting = c.getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = c.getOption("printer-state", dest->num_options, dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        why = QStringLiteral("the printer refuses jobs");
    else if (state && qstrcmp(state, "5") == 0) // IPP_PSTATE_STOPPED
        why = QStringLiteral("the printer is stopped");
    c.freeDests(1, dest);
    return why;
}

bool CupsQueue::submit(const QString &pdfPath, const QString &title, QString *error) const
{
    const Cups &c = cups();
    if (!c.loaded()) {
        if (error)
            *error = QStringLiteral("the CUPS library cannot be loaded");
        return false;
    }
    const int job = c.printFile2(CUPS_HTTP_DEFAULT, m_name.toUtf8().constData(), QFile::encodeName(pdfPath).constData(),
                                 title.toUtf8().constData(), 0, nullptr);
    if (job == 0 && error)
        *error = QString::fromUtf8(c.lastErrorString());
    return job != 0;
}
