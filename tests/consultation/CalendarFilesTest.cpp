#include "CalendarFiles.h"

#include "ConsultationTexts.h"
#include "CycleProjection.h"
#include "fQuintrela.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ConsultationTexts;

TEST(CalendarFilesTest, WhatSheIsToldOfAPrintAndOfAPdf)
{
    using Status = PrintOutcome::Status;
    const struct
    {
        PrintOutcome outcome;
        QString told;
    } prints[] = {
        {{Status::Printed, {}}, {}},
        {{Status::Cancelled, {}}, {}},
        {{Status::NoPrinter, {}}, noPrinter},
        {{Status::Stopped, {}}, printerFailed.arg(printerStopped)},
        {{Status::Failed, {}}, printerFailed.arg(printerLostPage)},
        {{Status::Failed, "sem papel"}, printerFailed.arg(printerSaid.arg("sem papel"))},
    };
    for (const auto &p : prints)
        EXPECT_EQ(CalendarFiles::printFailure(p.outcome), p.told) << int(p.outcome.status);

    fQuintrela state;
    state.setShownMonth(QDate(2001, 3, 1));
    const CalendarFiles files(state);
    EXPECT_TRUE(files.suggestedPdfPath().endsWith("/Quintrela 2001-03.pdf"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("mês.pdf");
    const CalendarFiles::Saved undrawn = files.savePdf(pdf, {});
    ASSERT_TRUE(undrawn.failure);
    EXPECT_TRUE(undrawn.failure->text.contains(pageNotDrawn));
    EXPECT_FALSE(QFile::exists(pdf));
    const CalendarFiles::Saved saved = files.savePdf(pdf, "%PDF-1.4");
    EXPECT_FALSE(saved.failure);
    EXPECT_EQ(saved.sentence, pdfSaved.arg(pdf));
}

TEST(CalendarFilesTest, ACalendarIsExportedOnlyAfterAConsultation)
{
    fQuintrela state;
    const CalendarFiles files(state);
    ASSERT_TRUE(files.nothingToExport());
    EXPECT_EQ(files.nothingToExport()->kind, Consultation::Message::Kind::Information);
    state.CurrentName = "Maria/Ana";
    ProjectCycles(state, QDate(2001, 3, 1), 28);
    EXPECT_FALSE(files.nothingToExport());
    EXPECT_TRUE(files.suggestedExportPath().endsWith("/Quintrela Maria-Ana.ics"));
    QTemporaryDir dir;
    const CalendarFiles::Saved nowhere = files.exportTo(dir.filePath("no/such/folder/a.ics"), QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(nowhere.failure);
    EXPECT_TRUE(nowhere.failure->text.startsWith(exportFailed.left(20)));
}
