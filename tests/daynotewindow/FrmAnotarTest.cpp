#include "FrmAnotar.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 7), started(2026, 11, 20), noted(2026, 12, 1);

FrmAnotar::Book bookOf()
{
    return {[](const QDate &day) {
                DayNote note;
                note.day = day;
                if (day == noted) {
                    note.flow = DayNote::Flow::Leve;
                    note.symptoms = {QString::fromUtf8("acne"), QString::fromUtf8("enxaqueca")};
                    note.note = QString::fromUtf8("já passou");
                }
                return note;
            },
            [](const QDate &day) { return day == started; }, {QString::fromUtf8("tontura")}};
}

} // namespace

// Every field is reached by its Alt key, as its label says.
TEST(FrmAnotarTest, EachFieldHasItsAltKey)
{
    FrmAnotar dialog(noted, today, bookOf());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const struct
    {
        char key;
        const char *field;
    } keys[] = {{'f', "rdoFluxo2"}, {'o', "rdoDor0"}, {'h', "txtHumor"}, {'s', "txtNota"},
                {'t', "txtOutroSintoma"}, {'d', "txtDia"}, {'m', "chkComecou"}, {'c', "chkSintoma0"},
                {'b', "chkSintoma1"}, {'r', "chkSintoma8"}};
    for (const auto &k : keys) {
        SCOPED_TRACE(k.field);
        QTest::keyClick(QApplication::focusWidget(), k.key, Qt::AltModifier);
        QWidget *focused = QApplication::focusWidget();
        while (focused && focused->objectName().isEmpty())
            focused = focused->parentWidget(); // the date field's own line edit
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), k.field);
    }
}

// The day chosen brings its note; a start stays one; her own symptoms come
// back as boxes; a note pasted past its limit is cut there.
TEST(FrmAnotarTest, TheDayChosenBringsItsNoteAndTheLimitsHold)
{
    FrmAnotar dialog(noted, today, bookOf());
    auto *day = dialog.findChild<QLineEdit *>("txtDia");
    const auto typeDay = [day](const QString &text) {
        day->selectAll();
        QTest::keyClicks(day, text);
    };
    auto *start = dialog.findChild<QCheckBox *>("chkComecou");
    auto *note = dialog.findChild<QPlainTextEdit *>("txtNota");
    EXPECT_EQ(dialog.note().symptoms, (QStringList{"acne", "enxaqueca"}));
    EXPECT_EQ(dialog.note().note, QString::fromUtf8("já passou"));
    EXPECT_EQ(day->text(), "01/12/2026");

    typeDay("20/11/2026");
    EXPECT_TRUE(start->isChecked());
    EXPECT_FALSE(start->isEnabled());
    EXPECT_FALSE(dialog.started()) << "a start already kept is added again";
    EXPECT_TRUE(dialog.note().isEmpty());

    // A day to come, or no day at all, is not saved: the note stays with the day shown.
    for (const char *wrong : {"08/12/2026", "31/11/2026", "ontem"}) {
        typeDay(wrong);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << wrong;
        EXPECT_EQ(dialog.note().day, started) << wrong;
    }
    typeDay("07/12/2026");
    EXPECT_FALSE(start->isChecked());
    start->setChecked(true);
    EXPECT_TRUE(dialog.started());
    bool offered = false;
    for (QCheckBox *box : dialog.findChildren<QCheckBox *>()) {
        if (box->text() == "tontura") {
            offered = true;
            box->setChecked(true);
        }
    }
    EXPECT_TRUE(offered);
    dialog.findChild<QLineEdit *>("txtOutroSintoma")->setText("  calor  ");
    note->setPlainText(QString(1200, u'x'));
    EXPECT_EQ(note->toPlainText().size(), DayNote::maxNoteChars);
    EXPECT_EQ(dialog.findChild<QLabel *>("lblCaracteres")->text(), "1000 de 1000 caracteres");
    EXPECT_EQ(dialog.note().symptoms, (QStringList{"tontura", "calor"}));
    EXPECT_EQ(dialog.note().day, today);
}
