#include "SpoolerWatch.h"

#include <QString>
#include <QtGlobal>

#include <windows.h>

namespace {

// A message handler is a plain function: what it saw is kept here, for the
// one print under way.
bool refused = false;
bool cancelled = false;
QtMessageHandler passedOn = nullptr;

void watch(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // First, before anything here makes a call that may change it: the
    // engine's failing call left its reason, which Qt's own log line leaves
    // in place (measured under Wine).
    const DWORD reason = GetLastError();
    // Some of the engine's lines drop the Q ("Win32PrintEngine::newPage").
    if ((type == QtWarningMsg || type == QtCriticalMsg) && message.contains(QLatin1String("Win32PrintEngine::"))
        && message.contains(QLatin1String(" failed"))) {
        if (message.startsWith(QLatin1String("QWin32PrintEngine::begin: StartDoc failed")) && reason == ERROR_CANCELLED)
            cancelled = true;
        else
            refused = true;
    }
    if (passedOn)
        passedOn(type, context, message);
}

} // namespace

SpoolerWatch::SpoolerWatch()
{
    refused = cancelled = false;
    passedOn = qInstallMessageHandler(watch);
}

SpoolerWatch::~SpoolerWatch()
{
    qInstallMessageHandler(passedOn);
}

SpoolerWatch::Seen SpoolerWatch::seen() const
{
    // Once she cancelled, the engine's later failures follow from it.
    if (cancelled)
        return Seen::Cancelled;
    return refused ? Seen::Refused : Seen::Nothing;
}
