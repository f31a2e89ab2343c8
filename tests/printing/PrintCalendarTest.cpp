#include "CycleProjection.h"
#include "MarkColors.h"
#include "PrintCalendar.h"
#include "RecordingPrinter.h"
#include "fQuintrela.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

using namespace MarkColors;

namespace {

constexpr double R[7] = {35.41, 69.12, 102.83, 136.54, 170.25, 203.96, 237.7};
constexpr double T[6] = {30.3, 55.3, 80.3, 105.3, 130.3, 155.3};

FacePictures makeFaces()
{
    FacePictures faces;
    for (int i = 0; i < 4; ++i) {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(qRgb(10 * i, 0, 0));
        faces[i] = QPixmap::fromImage(image);
    }
    return faces;
}

class PrintCalendarTest : public ::testing::Test
{
protected:
    std::unique_ptr<fQuintrela> state = std::make_unique<fQuintrela>();
    FacePictures faces = makeFaces();
    RecordingPrinter printer;

    bool print(const QString &month, const QString &year)
    {
        return PrintCalendar(*state, faces, "https://quintrela.com.br", QDate(year.toInt(), month.toInt(), 1), printer);
    }

    // The day number printed in a cell, by its right and top anchors.
    const PrintedText *dayAt(int cell) const
    {
        for (const PrintedText &t : printer.texts) {
            if (t.size == 14 && !t.bold && t.text.size() == 2 && t.text[0].isDigit()
                && std::abs(t.x + 0.2 * 14 * 2 - R[cell % 7]) < 1e-9 && std::abs(t.y - T[cell / 7]) < 1e-9)
                return &t;
        }
        return nullptr;
    }
};

} // namespace

TEST_F(PrintCalendarTest, FrameGridAndSetUpBeforeDrawing)
{
    ASSERT_TRUE(print("3", "2026"));
    EXPECT_TRUE(printer.landscape);
    EXPECT_DOUBLE_EQ(printer.lineWidth, 0.2);
    EXPECT_EQ(printer.jobTitle, QString::fromUtf8("Quintrela – Março de 2026"));
    EXPECT_FALSE(printer.drawnBeforeSetup);
    EXPECT_EQ(printer.ends, 1);
    ASSERT_EQ(printer.lines.size(), 1 + 7 + 6);
    const DrawnLine &frame = printer.lines[0];
    EXPECT_TRUE(frame.rectangle);
    EXPECT_EQ(std::make_tuple(frame.x1, frame.y1, frame.x2, frame.y2), std::make_tuple(2.0, 2.0, 238.0, 180.0));
    const double rows[] = {20, 30, 55, 80, 105, 130, 155};
    for (int i = 0; i < 7; ++i) {
        const DrawnLine &l = printer.lines[1 + i];
        EXPECT_EQ(std::make_tuple(l.x1, l.y1, l.x2, l.y2), std::make_tuple(2.0, rows[i], 238.0, rows[i])) << i;
    }
    for (int j = 1; j <= 6; ++j) {
        const DrawnLine &l = printer.lines[7 + j];
        EXPECT_NEAR(l.x1, 2 + 33.71 * j, 1e-9);
        EXPECT_EQ(l.x1, l.x2);
        EXPECT_EQ(std::make_pair(l.y1, l.y2), std::make_pair(20.0, 180.0));
    }
    for (const DrawnLine &l : printer.lines)
        EXPECT_EQ(l.colour, 0);
}

TEST_F(PrintCalendarTest, TitleHeadingAddressAndAdvice)
{
    state->CurrentName = "Maria";
    ASSERT_TRUE(print("3", "2026"));
    const PrintedText *title = printer.find(QString::fromUtf8("Março de 2026"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->size, 35);
    EXPECT_EQ(title->font, "Times New Roman");
    EXPECT_NEAR(title->x + 0.2 * 35 * double(title->text.size()), 235, 1e-9);
    EXPECT_NEAR(title->y, 2 + (18 - 0.4 * 35) / 2, 1e-9);

    const double hC = 0.4 * 10;
    const PrintedText *heading = printer.find(QString::fromUtf8("Calendário menstrual de Maria"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(std::make_tuple(heading->x, heading->y, heading->size, heading->bold), std::make_tuple(7.0, 4.0, 10.0, false));
    const PrintedText *slogan = printer.find(QString::fromUtf8("Obtenha o seu calendário menstrual de onde estiver!"));
    ASSERT_NE(slogan, nullptr);
    EXPECT_EQ(std::make_tuple(slogan->x, slogan->y, slogan->size), std::make_tuple(7.0, 4 + hC, 10.0));
    const PrintedText *address = printer.find("https://quintrela.com.br");
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(std::make_tuple(address->x, address->y, address->size, address->bold),
              std::make_tuple(7.0, 4 + 2 * hC, 14.0, true));
    const PrintedText *advice = printer.find(QString::fromUtf8(
        "* Ao fazer amor, use sempre camisinha. Somente a camisinha previne doenças além de evitar a gravidez."));
    ASSERT_NE(advice, nullptr);
    EXPECT_EQ(std::make_tuple(advice->x, advice->y, advice->size, advice->bold), std::make_tuple(3.0, 181.0, 12.0, false));
    // Only the address is bold.
    int bold = 0;
    for (const PrintedText &t : printer.texts)
        bold += t.bold;
    EXPECT_EQ(bold, 1);
}

TEST_F(PrintCalendarTest, WeekdayHeadingsAreCentredOverTheirColumns)
{
    ASSERT_TRUE(print("3", "2026"));
    const char *names[] = {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sáb"};
    const double anchors[] = {2, 36, 69, 103, 137, 171, 204};
    for (int c = 0; c < 7; ++c) {
        const PrintedText *t = printer.find(QString::fromUtf8(names[c]));
        ASSERT_NE(t, nullptr) << names[c];
        EXPECT_EQ(t->size, 20);
        EXPECT_NEAR(t->x, anchors[c] + (33.71 - 0.2 * 20 * 3) / 2, 1e-9);
        EXPECT_NEAR(t->y, 20 + (10 - 0.4 * 20) / 2, 1e-9);
    }
}

struct MonthPlacement
{
    const char *month;
    const char *year;
    int firstCell;
    int days;
};

class PrintCalendarMonths : public PrintCalendarTest, public ::testing::WithParamInterface<MonthPlacement>
{
};

TEST_P(PrintCalendarMonths, DayNumbersStandTopRightInTheirCells)
{
    const MonthPlacement c = GetParam();
    ASSERT_TRUE(print(c.month, c.year));
    for (int cell = 0; cell < 42; ++cell) {
        const PrintedText *day = dayAt(cell);
        const int d = cell - c.firstCell + 1;
        if (d >= 1 && d <= c.days) {
            ASSERT_NE(day, nullptr) << "cell " << cell;
            EXPECT_EQ(day->text.toInt(), d);
        } else {
            EXPECT_EQ(day, nullptr) << "cell " << cell;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Months, PrintCalendarMonths, ::testing::Values(
    MonthPlacement{"5", "2027", 6, 31}, MonthPlacement{"2", "2026", 0, 28},
    MonthPlacement{"02", "2024", 4, 29}, MonthPlacement{"1", "2027", 5, 31}));

TEST_F(PrintCalendarTest, MonthWithOrWithoutLeadingZeroPrintsTheSamePage)
{
    ASSERT_TRUE(print("3", "2026"));
    const auto first = printer.texts;
    printer = RecordingPrinter();
    ASSERT_TRUE(print("03", "2026"));
    ASSERT_EQ(printer.texts.size(), first.size());
    for (int i = 0; i < first.size(); ++i) {
        EXPECT_EQ(printer.texts[i].text, first[i].text);
        EXPECT_EQ(printer.texts[i].x, first[i].x);
        EXPECT_EQ(printer.texts[i].y, first[i].y);
    }
}

TEST_F(PrintCalendarTest, BeforeAnyConsultationNothingIsMarked)
{
    state->DayMarks.SetMark(QDate(2026, 12, 7), markHoje); // today prints as a plain day
    ASSERT_TRUE(print("12", "2026"));
    EXPECT_NE(printer.find(QString::fromUtf8("Calendário menstrual de ")), nullptr);
    EXPECT_TRUE(printer.pictures.isEmpty());
    for (const PrintedText &t : printer.texts)
        EXPECT_FALSE(t.text.startsWith('(')) << qPrintable(t.text);
}

TEST_F(PrintCalendarTest, MarkedDaysGetTheirFaceAndLegend)
{
    state->EndDateIsNext = true;
    ProjectCycles(*state, QDate(2001, 3, 1), 28);
    state->DayMarks.SetMark(QDate(2001, 3, 20), 0x123456); // an unknown value prints nothing
    ASSERT_TRUE(print("3", "2001"));
    struct Expected { int day; int face; const char *legend; };
    const Expected marked[] = {
        {1, 3, "(próxima menstruação)"}, {2, 2, "(dia de baixo risco)"}, {12, 0, "(dia de alto risco)"},
        {14, 1, "(ápice da ovulação)"}, {28, 3, "(próxima menstruação)"}, {30, 2, "(dia de baixo risco)"}};
    ASSERT_EQ(printer.pictures.size(), 13);
    for (const Expected &e : marked) {
        const int cell = 4 + e.day - 1; // March 2001 starts on a Thursday
        const double r = R[cell % 7], t = T[cell / 7];
        bool pictured = false;
        for (const DrawnPicture &p : printer.pictures) {
            if (std::abs(p.x - (r - 33.71 + 1)) < 1e-9 && std::abs(p.y - (t + 1)) < 1e-9) {
                pictured = true;
                EXPECT_EQ(p.key, faces[e.face].cacheKey()) << e.day;
                EXPECT_NEAR(p.w, 0.2 * 14 * 2 - 1, 1e-9);
                EXPECT_NEAR(p.h, 0.4 * 14 - 1, 1e-9);
            }
        }
        EXPECT_TRUE(pictured) << e.day;
        bool legend = false;
        for (const PrintedText &txt : printer.texts) {
            if (txt.text != QString::fromUtf8(e.legend) || std::abs(txt.y - (t + 24.4 - 0.4 * 8)) > 1e-9)
                continue;
            if (std::abs(txt.x - (r - 33.2 + (33.4 - 0.2 * 8 * double(txt.text.size())) / 2)) < 1e-9) {
                legend = true;
                EXPECT_EQ(txt.size, 8);
            }
        }
        EXPECT_TRUE(legend) << e.day;
    }
    // The size goes back to 14 for the next day's number.
    const PrintedText *day3 = dayAt(4 + 2);
    ASSERT_NE(day3, nullptr);
    EXPECT_EQ(day3->size, 14);
}

TEST(PrintedMarkTest, TableOfFacesAndLegends)
{
    EXPECT_EQ(printedMark(markApice).face, 1);
    EXPECT_EQ(printedMark(markMaisP).face, 0);
    EXPECT_EQ(printedMark(markProxima).face, 3);
    EXPECT_EQ(printedMark(markMenosP).face, 2);
    for (qint32 none : {0, markHoje, 0x123456, -1}) {
        EXPECT_EQ(printedMark(none).face, -1);
        EXPECT_TRUE(printedMark(none).legend.isEmpty());
    }
}

TEST_F(PrintCalendarTest, ALongNameIsCutShortOfTheTitle)
{
    // Measured as this printer measures: 2 mm a character at 10 points, the
    // title "Março de 2026" 91 mm wide at 35 points, so it begins at 144 mm.
    const double titleLeft = 235 - 0.2 * 35 * 13;
    const struct
    {
        int length;
        bool whole;
    } names[] = {{10, true}, {43, true}, {44, false}, {120, false}};
    for (const auto &n : names) {
        printer = RecordingPrinter();
        state->CurrentName = QString(n.length, u'M');
        ASSERT_TRUE(print("3", "2026"));
        const PrintedText *heading = nullptr;
        for (const PrintedText &t : printer.texts)
            if (t.text.startsWith(QString::fromUtf8("Calendário menstrual de ")))
                heading = &t;
        ASSERT_NE(heading, nullptr);
        const double end = heading->x + 0.2 * 10 * double(heading->text.size());
        EXPECT_LE(end, titleLeft - 3 + 1e-9) << n.length;
        if (n.whole) {
            EXPECT_EQ(heading->text, QString::fromUtf8("Calendário menstrual de ") + state->CurrentName);
        } else {
            EXPECT_TRUE(heading->text.endsWith(u'…')) << n.length;
            EXPECT_GT(end, titleLeft - 3 - 2) << n.length; // no more cut than needed
        }
    }
}

// Her notes, when asked for, follow on pages of their own: the month's page
// is drawn exactly as without them, and a long note is wrapped, never cut.
TEST_F(PrintCalendarTest, HerNotesFollowOnTheirOwnPage)
{
    ASSERT_TRUE(print("3", "2026"));
    const auto monthPage = printer.texts;
    EXPECT_EQ(printer.pages, 1);
    printer = RecordingPrinter();
    const QString longNote = QStringLiteral("Dia 2: ") + QString("palavra ").repeated(2000).trimmed();
    const QStringList notes{QString::fromUtf8("Dia 1: fluxo intenso, cólica"), longNote};
    ASSERT_TRUE(PrintCalendar(*state, faces, "https://quintrela.com.br", QDate(2026, 3, 1), printer, notes));
    ASSERT_GE(printer.texts.size(), monthPage.size());
    for (qsizetype i = 0; i < monthPage.size(); ++i)
        EXPECT_EQ(printer.texts[i].text, monthPage[i].text);
    EXPECT_GE(printer.pages, 3);
    QString onNotesPage;
    for (qsizetype i = monthPage.size(); i < printer.texts.size(); ++i)
        onNotesPage += printer.texts[i].text + u'\n';
    EXPECT_TRUE(onNotesPage.startsWith(QString::fromUtf8("Anotações de Março de 2026\nDia 1: fluxo intenso, cólica\n")));
    EXPECT_EQ(onNotesPage.count("palavra"), 2000) << "a long note was cut";
    EXPECT_EQ(printer.ends, 1);
}
