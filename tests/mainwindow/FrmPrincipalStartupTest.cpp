#include "DateText.h"
#include "FrmPrincipalControls.h"
#include "ImageButton.h"
#include "MainWindowFixture.h"
#include "MarkColors.h"
#include "PictureBox.h"
#include "UserRecord.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {
class FrmPrincipalStartupTest : public MainWindowFixture
{
};
} // namespace

TEST_F(FrmPrincipalStartupTest, SettingsValueIsReadAndWrittenBackUnchanged)
{
    const std::tuple<QByteArray, bool, QByteArray> cases[] = {
        {QByteArray(), false, QByteArray("\x00\x00", 2)},
        {QByteArray("", 0), false, QByteArray("\x00\x00", 2)},
        {QByteArray("\xFF\xFF", 2), true, QByteArray("\xFF\xFF", 2)},
        {QByteArray("\x01\x00", 2), true, QByteArray("\x01\x00", 2)},
        {QByteArray("\x00\x00xyz", 5), false, QByteArray("\x00\x00xyz", 5)}};
    for (const auto &[before, endIsNext, after] : cases) {
        QFile::remove(settingsPath());
        if (!before.isNull())
            writeBytes(settingsPath(), before);
        state = std::make_unique<fQuintrela>();
        open();
        EXPECT_EQ(state->EndDateIsNext, endIsNext) << before.toHex().constData();
        EXPECT_EQ(readBytes(settingsPath()), after);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmPrincipalStartupTest, UnreadableSettingsAreToldOnceAndTakenAsZero)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("qtrconf.dat"));
    state->EndDateIsNext = true;
    FrmPrincipal &w = open();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Erro:");
    EXPECT_TRUE(messages[0].text.contains("qtrconf.dat"));
    EXPECT_FALSE(state->EndDateIsNext);
    EXPECT_EQ(ui(w).lblMes()->text(), "Dezembro de 2026"); // the program goes on
}

TEST_F(FrmPrincipalStartupTest, LegendBannerTodayAndNames)
{
    writeBytes(recordsPath(), UserRecord{" Ana ", "27", "02/02/2002"}.encode()
                                  + UserRecord{"Bia", "30", "03/03/2003"}.encode()
                                  + UserRecord{"Ana", "28", "04/04/2004"}.encode() + QByteArray("tail"));
    FrmPrincipal &w = open();
    const QColor colours[] = {QColor(0, 0, 255), QColor(128, 128, 255), QColor(255, 128, 128),
                              QColor(255, 0, 0), QColor(0, 0, 0), QColor(255, 128, 0)};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ui(w).legendBox(i)->background(), colours[i]) << i;
    EXPECT_FALSE(ui(w).legendBox(4)->isVisible());
    EXPECT_FALSE(ui(w).lblInfoLegenda(5)->isVisible());
    EXPECT_EQ(ui(w).imgPublicitario()->pixmap().toImage(), ui(w).imgPub(0)->pixmap().toImage());
    EXPECT_EQ(ui(w).txtUltima()->text(), "07/12/2026");
    EXPECT_EQ(ui(w).txtPeriodo()->text(), "28");
    EXPECT_EQ(state->ShownMonth, 12);
    EXPECT_EQ(state->DayMarks.at(7, 12, 2026), MarkColors::markHoje);
    // File order, duplicates kept, no name picked.
    ASSERT_EQ(ui(w).cmbNome()->count(), 3);
    EXPECT_EQ(ui(w).cmbNome()->itemText(0), "Ana");
    EXPECT_EQ(ui(w).cmbNome()->itemText(1), "Bia");
    EXPECT_EQ(ui(w).cmbNome()->itemText(2), "Ana");
    EXPECT_TRUE(ui(w).cmbNome()->currentText().isEmpty());
}

TEST_F(FrmPrincipalStartupTest, TodayOutsideTheTableGetsNoMarkAndNoCrash)
{
    for (const QDate day : {QDate(2090, 6, 1), QDate(1975, 1, 1)}) {
        today = day;
        state = std::make_unique<fQuintrela>();
        FrmPrincipal &w = open();
        EXPECT_EQ(ui(w).txtUltima()->text(), DateText::formatDdMmYyyy(day));
        EXPECT_EQ(ui(w).lblMes()->text(), DateText::monthCaption(day));
        for (qint32 cell : state->DayMarks.cells())
            ASSERT_EQ(cell, 0);
    }
}
