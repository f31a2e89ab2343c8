// What Windows' spooler says of a print, as the program reads it: Qt's own
// log lines (raised here through Qt's own qErrnoWarning, with the reason the
// failing call leaves) and the printer's state.
#include "SpoolerWatch.h"
#include "WindowsPrintQueue.h"

#include <QString>

#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

TEST(WindowsSpoolerTest, ARefusalIsToldAndACancelledFileDialogIsNot)
{
    using Seen = SpoolerWatch::Seen;
    const struct
    {
        const char *what;
        DWORD reason;
        const char *lines[2];
        Seen seen;
    } cases[] = {
        {"the file dialog of Print to PDF cancelled", ERROR_CANCELLED,
         {"QWin32PrintEngine::begin: StartDoc failed, document \"Quintrela 2001-03\"",
          "QWin32PrintEngine::begin: StartPage failed, document \"Quintrela 2001-03\""},
         Seen::Cancelled},
        {"the document refused at its start", ERROR_ACCESS_DENIED,
         {"QWin32PrintEngine::begin: StartDoc failed, document \"Quintrela 2001-03\"", nullptr}, Seen::Refused},
        {"the document refused at its end", ERROR_INVALID_HANDLE, {"QWin32PrintEngine::end: EndDoc failed", nullptr},
         Seen::Refused},
        {"a second page refused", ERROR_INVALID_HANDLE, {"Win32PrintEngine::newPage: StartPage failed", nullptr},
         Seen::Refused},
        {"a cancel told by another call", ERROR_CANCELLED, {"QWin32PrintEngine::end: EndDoc failed", nullptr},
         Seen::Refused},
        {"nothing of the spooler", ERROR_CANCELLED, {"QPainter::begin: Paint device returned engine == 0", nullptr},
         Seen::Nothing},
    };
    for (const auto &c : cases) {
        const SpoolerWatch watch;
        for (const char *line : c.lines) {
            if (!line)
                continue;
            // As the engine does: the failing call, then the line built and logged.
            SetLastError(c.reason);
            qErrnoWarning("%s", QString::fromUtf8(line).toLocal8Bit().constData());
        }
        EXPECT_EQ(watch.seen(), c.seen) << c.what;
    }
}

TEST(WindowsSpoolerTest, OnlyAPausedFailedOrDeletedPrinterIsRefused)
{
    using Status = PrintOutcome::Status;
    const std::pair<DWORD, Status> states[] = {
        {0, Status::Printed},
        {PRINTER_STATUS_TONER_LOW, Status::Printed},
        {PRINTER_STATUS_PAPER_OUT, Status::Printed},
        {PRINTER_STATUS_OFFLINE, Status::Printed}, // the job waits in the queue, as Windows has it
        {PRINTER_STATUS_BUSY | PRINTER_STATUS_PRINTING, Status::Printed},
        {PRINTER_STATUS_PAUSED, Status::Stopped},
        {PRINTER_STATUS_ERROR, Status::Stopped},
        {PRINTER_STATUS_PENDING_DELETION, Status::Stopped},
        {PRINTER_STATUS_TONER_LOW | PRINTER_STATUS_PAUSED, Status::Stopped},
    };
    for (const auto &[state, status] : states)
        EXPECT_EQ(WindowsPrintQueue::statusOf(state), status) << std::hex << state;
}
