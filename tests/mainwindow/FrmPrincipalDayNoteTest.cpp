#include "FrmPrincipalControls.h"
#include "MainWindowFixture.h"

#include "HistoryStore.h"

#include <QCheckBox>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class FrmPrincipalDayNoteTest : public MainWindowFixture
{
protected:
    QLabel *cellOf(const QString &said)
    {
        for (int i = 0; i < 42; ++i) {
            if (ui(*window).lblDia(i)->toolTip().startsWith(said))
                return ui(*window).lblDia(i);
        }
        return nullptr;
    }
    // The note dialog filled, once it shows, and saved.
    void answerNote(int flow, const QString &symptom, const QString &note)
    {
        QTimer::singleShot(0, [=] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QRadioButton *>(QStringLiteral("rdoFluxo%1").arg(flow))->setChecked(true);
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
                box->setChecked(box->text().remove('&') == symptom);
            dialog->findChild<QPlainTextEdit *>("txtNota")->setPlainText(note);
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                if (button->isDefault())
                    button->click();
        });
    }
};

} // namespace

// Enter on a day opens its note; once saved, the day shows a fold in its
// corner, says the note after its own words, and keeps its number, colour
// and place; emptied, the note and the fold go. Nothing is noted without a
// consulted name, nor on a day still to come.
TEST_F(FrmPrincipalDayNoteTest, ADayNotedIsFoldedAndSaidWithItsWords)
{
    FrmPrincipal &w = open();
    w.noteDay(today);
    ASSERT_EQ(messages.size(), 1u) << "noted with no name";
    consult("Maria", "02/11/2026", "28");
    const QString day = QString::fromUtf8("segunda-feira, 2 de novembro de 2026: última menstruação informada");
    QLabel *cell = cellOf(day);
    ASSERT_NE(cell, nullptr);
    const QColor colour = cell->palette().color(QPalette::WindowText);
    const QRect place = cell->geometry();
    auto *fold = cell->findChild<QWidget *>("marcaAnotacao");
    ASSERT_NE(fold, nullptr);
    EXPECT_FALSE(fold->isVisible());

    cell->setFocus();
    answerNote(3, QString::fromUtf8("cólica"), QString::fromUtf8("cólica forte de manhã"));
    QTest::keyClick(cell, Qt::Key_Return);
    cell = cellOf(day);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->toolTip(), day + QString::fromUtf8(". Anotado: fluxo moderado, cólica, 'cólica forte de manhã'"));
    EXPECT_EQ(cell->accessibleName(), cell->toolTip());
    EXPECT_TRUE(cell->findChild<QWidget *>("marcaAnotacao")->isVisible());
    EXPECT_EQ(cell->text(), "02");
    EXPECT_EQ(cell->palette().color(QPalette::WindowText), colour);
    EXPECT_EQ(cell->geometry(), place);
    EXPECT_FALSE(cell->findChild<QWidget *>("marcaAnotacao")->geometry().intersects(
        cell->fontMetrics().boundingRect(cell->rect(), int(cell->alignment()), cell->text())));
    const HistoryStore::Days kept = HistoryStore(dir.path()).days("Maria");
    ASSERT_EQ(kept.notes.size(), 1);
    EXPECT_EQ(kept.notes[0].day, QDate(2026, 11, 2));

    answerNote(0, {}, {});
    w.noteDay(QDate(2026, 11, 2));
    EXPECT_EQ(cellOf(day)->toolTip(), day);
    EXPECT_FALSE(cellOf(day)->findChild<QWidget *>("marcaAnotacao")->isVisible());
    EXPECT_TRUE(HistoryStore(dir.path()).days("Maria").notes.isEmpty());

    const size_t told = messages.size();
    w.noteDay(today.addDays(1));
    EXPECT_EQ(messages.size(), told + 1) << "a day to come was noted";
}

// "Incluir anotações ao imprimir" adds a page of the month's notes to the
// printed month (here kept as a PDF, Ctrl+S); off, the month is one page.
TEST_F(FrmPrincipalDayNoteTest, HerNotesArePrintedOnlyWhenSheAsks)
{
    FrmPrincipal &w = open();
    consult("Maria", "02/11/2026", "28");
    answerNote(4, QString::fromUtf8("cólica"), QString::fromUtf8("dia difícil"));
    w.noteDay(QDate(2026, 11, 3));
    QAction *include = nullptr;
    for (QAction *action : w.findChild<QMenu *>()->actions())
        if (action->text() == QString::fromUtf8("Incluir anotações ao imprimir"))
            include = action;
    ASSERT_NE(include, nullptr);
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on ? "with her notes" : "without");
        include->setChecked(on);
        savePath = dir.filePath(on ? "com.pdf" : "sem.pdf");
        w.savePdf();
        QProcess text;
        text.start("pdftotext", {savePath, "-"});
        if (!text.waitForStarted())
            GTEST_SKIP() << "no pdftotext";
        ASSERT_TRUE(text.waitForFinished());
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_EQ(words.contains(QString::fromUtf8("Dia 3: fluxo intenso, cólica, 'dia difícil'")), on) << words.toStdString();
        EXPECT_EQ(words.count(u'\f'), on ? 2 : 1);
    }
}
