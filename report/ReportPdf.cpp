#include "ReportPdf.h"

#include "Artwork.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Draws down the page, turning it when the next block would not fit.
class Pages
{
public:
    Pages(QPdfWriter &writer, QPainter &painter) : m_writer(writer), m_painter(painter)
    {
        m_width = painter.viewport().width();
        m_height = painter.viewport().height();
    }

    void heading(const QString &text, double points)
    {
        QFont font(QString::fromLatin1(Artwork::uiFamily));
        font.setPointSizeF(points);
        font.setBold(true);
        paragraph(text, font, 0);
        m_y += lineHeight(font) / 3;
    }
    void text(const QString &text, int indent = 0)
    {
        paragraph(text, body(), indent);
    }
    void gap() { m_y += lineHeight(body()) / 2; }

    // Columns at fractions of the width, one row.
    void row(const QStringList &cells, const QList<double> &at, bool bold = false)
    {
        QFont font = body();
        font.setBold(bold);
        m_painter.setFont(font);
        const double h = lineHeight(font);
        room(h);
        for (qsizetype i = 0; i < cells.size(); ++i)
            m_painter.drawText(QPointF(m_width * at[i], m_y + QFontMetricsF(font, m_painter.device()).ascent()), cells[i]);
        m_y += h;
    }

    void chart(const QList<DoctorReport::Bar> &bars, double mean)
    {
        if (bars.isEmpty())
            return;
        const double height = m_height * 0.22;
        room(height + lineHeight(body()) * 2);
        int longest = 0, shortest = 1000;
        for (const auto &bar : bars) {
            longest = std::max(longest, bar.length);
            shortest = std::min(shortest, bar.length);
        }
        // From 10 days below her shortest to her longest: her differences show.
        const int floor = std::max(0, shortest - 10);
        const double scale = height / std::max(1, longest - floor);
        const double slot = m_width / std::max<qsizetype>(bars.size(), 6);
        QFont small = body();
        small.setPointSizeF(7.5);
        m_painter.setFont(small);
        const QFontMetricsF metrics(small, m_painter.device());
        const double base = m_y + height;
        for (qsizetype i = 0; i < bars.size(); ++i) {
            const auto &bar = bars[i];
            const QRectF box(slot * i + slot * 0.2, base - (bar.length - floor) * scale, slot * 0.6,
                             (bar.length - floor) * scale);
            m_painter.setPen(QPen(Qt::black, 0));
            m_painter.setBrush(bar.counted ? QBrush(QColor(0xFF, 0x80, 0x80)) : QBrush(Qt::black, Qt::BDiagPattern));
            m_painter.drawRect(box);
            const QString length = QString::number(bar.length);
            m_painter.drawText(QPointF(box.center().x() - metrics.horizontalAdvance(length) / 2, box.top() - metrics.descent()),
                               length);
            m_painter.drawText(QPointF(box.center().x() - metrics.horizontalAdvance(bar.label) / 2, base + metrics.ascent()),
                               bar.label);
        }
        m_painter.drawLine(QPointF(0, base), QPointF(m_width, base));
        double below = base + metrics.height() * 1.5;
        if (mean > 0) {
            const double y = base - (mean - floor) * scale;
            m_painter.setPen(QPen(Qt::blue, 0, Qt::DashLine));
            m_painter.drawLine(QPointF(0, y), QPointF(m_width, y));
            // Named under the chart, where no bar's figure is.
            const QString label = QStringLiteral("- - média: %1 dias").arg(CycleStatistics::days(mean));
            m_painter.setPen(Qt::blue);
            m_painter.drawText(QPointF(m_width - metrics.horizontalAdvance(label), below + metrics.ascent()), label);
            m_painter.setPen(Qt::black);
            below += metrics.height();
        }
        m_y = below + metrics.height() * 0.5;
    }

    bool ok() const { return m_ok; }

private:
    static QFont body()
    {
        QFont font(QString::fromLatin1(Artwork::uiFamily));
        font.setPointSizeF(10);
        return font;
    }
    double lineHeight(const QFont &font) const { return QFontMetricsF(font, m_painter.device()).lineSpacing(); }

    void paragraph(const QString &text, const QFont &font, int indent)
    {
        m_painter.setFont(font);
        const double left = indent * lineHeight(font);
        const QRectF bounds(left, 0, m_width - left, 1e9);
        const QRectF needed = m_painter.boundingRect(bounds, Qt::TextWordWrap, text);
        room(needed.height());
        m_painter.drawText(QRectF(left, m_y, m_width - left, needed.height()), Qt::TextWordWrap, text);
        m_y += needed.height();
    }

    void room(double height)
    {
        if (m_y + height <= m_height || m_y == 0)
            return;
        m_ok = m_writer.newPage() && m_ok;
        m_y = 0;
    }

    QPdfWriter &m_writer;
    QPainter &m_painter;
    double m_width = 0, m_height = 0, m_y = 0;
    bool m_ok = true;
};

} // namespace

QByteArray reportPdf(const DoctorReport &report)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    bool drawn = false;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                         QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("Quintrela"));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        Pages pages(writer, painter);
        pages.heading(report.title, 16);
        if (!report.nameLine.isEmpty())
            pages.text(report.nameLine);
        pages.text(report.madeOn);
        pages.gap();
        pages.heading(QStringLiteral("Resumo"), 12);
        for (const QString &sentence : report.summary)
            pages.text(sentence);
        pages.gap();
        pages.heading(QStringLiteral("Últimos ciclos"), 12);
        const QList<double> columns{0, 0.3, 0.5};
        pages.row({QStringLiteral("Início da menstruação"), QStringLiteral("Ciclo"), QStringLiteral("Observação")},
                  columns, true);
        for (const auto &cycle : report.cycles)
            pages.row({cycle.start, cycle.length, cycle.note}, columns);
        pages.gap();
        if (!report.bars.isEmpty()) {
            pages.heading(QStringLiteral("Duração dos ciclos (dias)"), 12);
            pages.chart(report.bars, report.mean);
        }
        pages.heading(QStringLiteral("Ciclos fora das contas por escolha"), 12);
        if (report.leftOut.isEmpty())
            pages.text(QStringLiteral("Nenhum."));
        for (const QString &line : report.leftOut)
            pages.text(line);
        pages.gap();
        pages.heading(QStringLiteral("Anotações dos últimos %1 meses").arg(DoctorReport::monthsOfNotes), 12);
        if (report.notes.isEmpty())
            pages.text(QStringLiteral("Nenhuma anotação."));
        for (const auto &[day, words] : report.notes)
            pages.text(day + QStringLiteral(": ") + words);
        drawn = painter.end() && pages.ok();
    }
    buffer.close();
    return drawn ? bytes : QByteArray();
}
