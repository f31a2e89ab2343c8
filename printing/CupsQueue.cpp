#include "CupsQueue.h"

#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <memory>

namespace {

// The CUPS library, loaded the first time a page goes to a queue. Linked to
// the program, it and what it needs (GnuTLS, Kerberos, Avahi) cost every
// start a few milliseconds, for a command most starts never use.
struct Cups
{
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsCreateJob) createJob = nullptr;
    decltype(&cupsStartDocument) startDocument = nullptr;
    decltype(&cupsWriteRequestData) writeRequestData = nullptr;
    decltype(&cupsFinishDocument) finishDocument = nullptr;
    decltype(&cupsCancelJob2) cancelJob = nullptr;
    decltype(&cupsServer) server = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpClose) close = nullptr;

    bool loaded() const
    {
        return getNamedDest && getOption && freeDests && lastError && lastErrorString && createJob && startDocument
               && writeRequestData && finishDocument && cancelJob && server && port && encryption && connect && close;
    }
};

const Cups &cups()
{
    static const Cups library = [] {
        static QLibrary file(QStringLiteral("cups"), 2);
        Cups c;
        const auto resolve = [](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(file.resolve(name));
        };
        resolve(c.getNamedDest, "cupsGetNamedDest");
        resolve(c.getOption, "cupsGetOption");
        resolve(c.freeDests, "cupsFreeDests");
        resolve(c.lastError, "cupsLastError");
        resolve(c.lastErrorString, "cupsLastErrorString");
        resolve(c.createJob, "cupsCreateJob");
        resolve(c.startDocument, "cupsStartDocument");
        resolve(c.writeRequestData, "cupsWriteRequestData");
        resolve(c.finishDocument, "cupsFinishDocument");
        resolve(c.cancelJob, "cupsCancelJob2");
        resolve(c.server, "cupsServer");
        resolve(c.port, "ippPort");
        resolve(c.encryption, "cupsEncryption");
        resolve(c.connect, "httpConnect2");
        resolve(c.close, "httpClose");
        return c;
    }();
    return library;
}

struct DestFree
{
    void operator()(cups_dest_t *dest) const { cups().freeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestFree>;

// A scheduler that is down makes every question fail like a missing
// printer; only a connection tells them apart.
bool schedulerAnswers()
{
    const Cups &c = cups();
    http_t *http = c.connect(c.server(), c.port(), nullptr, AF_UNSPEC, c.encryption(), 1, 5000, nullptr);
    if (!http)
        return false;
    c.close(http);
    return true;
}

PrintOutcome serviceFailure(PrintOutcome::Status otherwise)
{
    const Cups &c = cups();
    const QString said = QString::fromUtf8(c.lastErrorString());
    if (c.lastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || !schedulerAnswers())
        return {PrintOutcome::Status::ServiceDown, said};
    return {otherwise, said};
}

PrintOutcome notLoaded()
{
    return {PrintOutcome::Status::ServiceDown, QStringLiteral("libcups.so.2")};
}

Dest find(const QString &name, const QString &instance)
{
    const QByteArray n = name.toUtf8();
    const QByteArray i = instance.toUtf8();
    return Dest(cups().getNamedDest(CUPS_HTTP_DEFAULT, name.isEmpty() ? nullptr : n.constData(),
                                    instance.isEmpty() ? nullptr : i.constData()));
}

} // namespace

CupsQueue::CupsQueue()
{
    if (!cups().loaded()) {
        m_found = notLoaded();
        return;
    }
    const Dest dest = find({}, {});
    if (!dest) {
        m_found = serviceFailure(PrintOutcome::Status::NoPrinter);
        return;
    }
    m_name = QString::fromUtf8(dest->name);
    if (dest->instance)
        m_instance = QString::fromUtf8(dest->instance);
}

PrintOutcome CupsQueue::ready() const
{
    if (!m_found.ok())
        return m_found;
    const Cups &c = cups();
    const Dest dest = find(m_name, m_instance);
    if (!dest)
        return serviceFailure(PrintOutcome::Status::Failed);
    const char *accepting = c.getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = c.getOption("printer-state", dest->num_options, dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        return {PrintOutcome::Status::Refused, {}};
    if (state && qstrcmp(state, "5") == 0) // IPP_PSTATE_STOPPED
        return {PrintOutcome::Status::Stopped, {}};
    return {};
}

QPageLayout CupsQueue::pageLayout() const
{
    const QString qtName = m_instance.isEmpty() ? m_name : m_name + u'/' + m_instance;
    const QPrinterInfo info = QPrinterInfo::printerInfo(qtName);
    const QPrinter printer = info.isNull() ? QPrinter(QPrinter::HighResolution)
                                           : QPrinter(info, QPrinter::HighResolution);
    return printer.pageLayout();
}

PrintOutcome CupsQueue::print(const QByteArray &pdf, const QString &title,
                              const std::function<bool(PrinterSurface &)> &) const
{
    if (!m_found.ok())
        return m_found;
    const Cups &c = cups();
    const Dest dest = find(m_name, m_instance);
    if (!dest)
        return serviceFailure(PrintOutcome::Status::Failed);
    // The instance's own options (paper, copies...) go with the job, as lp sends them.
    const QByteArray queue = m_name.toUtf8();
    const int job = c.createJob(CUPS_HTTP_DEFAULT, queue.constData(), title.toUtf8().constData(), dest->num_options,
                                dest->options);
    if (job == 0)
        return serviceFailure(PrintOutcome::Status::Failed);
    const auto cancel = [&] {
        const PrintOutcome failed = serviceFailure(PrintOutcome::Status::Failed);
        c.cancelJob(CUPS_HTTP_DEFAULT, queue.constData(), job, 0);
        return failed;
    };
    if (c.startDocument(CUPS_HTTP_DEFAULT, queue.constData(), job, title.toUtf8().constData(), CUPS_FORMAT_PDF, 1)
        != HTTP_STATUS_CONTINUE)
        return cancel();
    constexpr qsizetype chunk = 64 * 1024;
    for (qsizetype at = 0; at < pdf.size(); at += chunk) {
        if (c.writeRequestData(CUPS_HTTP_DEFAULT, pdf.constData() + at, size_t(std::min(chunk, pdf.size() - at)))
            != HTTP_STATUS_CONTINUE)
            return cancel();
    }
    // "successful-ok-ignored-or-substituted-attributes" and the like are
    // still successes: the job is queued.
    if (c.finishDocument(CUPS_HTTP_DEFAULT, queue.constData()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return cancel();
    return {};
}

std::unique_ptr<PrintQueue> defaultPrintQueue()
{
    return std::make_unique<CupsQueue>();
}
