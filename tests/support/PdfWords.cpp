#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <cmath>

namespace {
constexpr double mmPerPoint = 25.4 / 72.0;
}

QList<PdfWord> PdfPage::find(const QString &text) const
{
    QList<PdfWord> found;
    for (const PdfWord &w : words)
        if (w.text == text)
            found.append(w);
    return found;
}

QString PdfPage::lineStartingWith(const QString &text) const
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i].text != text.section(u' ', 0, 0))
            continue;
        QString line = words[i].text;
        for (qsizetype j = i + 1; j < words.size() && std::abs(words[j].yMin - words[i].yMin) < 0.5; ++j)
            line += u' ' + words[j].text;
        if (line.startsWith(text))
            return line;
    }
    return {};
}

PdfPage readPdfPage(const QString &path)
{
    PdfPage page;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                                  QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return page;
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QRegularExpression pageTag(QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    if (const auto m = pageTag.match(html); m.hasMatch()) {
        page.width = m.captured(1).toDouble() * mmPerPoint;
        page.height = m.captured(2).toDouble() * mmPerPoint;
    }
    const QRegularExpression wordTag(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = wordTag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        page.words.append({QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(),
                           m.captured(1).toDouble() * mmPerPoint, m.captured(2).toDouble() * mmPerPoint,
                           m.captured(3).toDouble() * mmPerPoint, m.captured(4).toDouble() * mmPerPoint});
    }
    return page;
}
