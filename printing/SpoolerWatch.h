#pragma once
// What Qt 6.4's Windows print engine says of the spooler during one print.
// It tells a page or document the spooler refused (EndPage, EndDoc) only in
// its log ("QWin32PrintEngine::end: EndDoc failed", a critical message),
// then ends as if it had printed; a print-to-file printer whose file dialog
// she cancelled ("Microsoft Print to PDF") fails StartDoc the same way, with
// ERROR_CANCELLED. Those lines are all there is to go by: while a watch
// lives, every message is looked at, then passed on.

class SpoolerWatch
{
public:
    enum class Seen {
        Nothing,
        Refused,   // the spooler did not take the page or the document
        Cancelled, // she closed the printer's own file dialog
    };

    SpoolerWatch();
    ~SpoolerWatch();
    SpoolerWatch(const SpoolerWatch &) = delete;
    SpoolerWatch &operator=(const SpoolerWatch &) = delete;

    Seen seen() const;
};
