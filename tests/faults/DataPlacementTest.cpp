// Where both programs keep their files, beside them or in the user's data
// folder, and that they always agree on it.

#include "DataFolder.h"
#include "FrmPrincipalControls.h"
#include "FrmInicio.h"
#include "FrmPrincipal.h"
#include "OptionButton.h"
#include "TestSupport.h"
#include "UserRecord.h"
#include "fQuintrela.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using DataFolder::Placement;
using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

class DataPlacementTest : public ::testing::Test
{
protected:
    QTemporaryDir program; // the folder the programs stand in
    QTemporaryDir home;
    QByteArray savedData = qgetenv("XDG_DATA_HOME");

    void SetUp() override { qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data")); }
    void TearDown() override { qputenv("XDG_DATA_HOME", savedData); }

    QString userFolder() const { return home.path() + "/data/Quintrela"; }

    // qtrconfg saves the first option; Quintrela starts and makes a consultation.
    static bool runBoth(const QString &folder, QStringList *told)
    {
        FrmInicio settings(folder, [told](QWidget *, const QString &t, const QString &x) { *told << t + "|" + x; });
        settings.optUm()->setChecked(true);
        settings.cmdGo()->click();
        fQuintrela state;
        WindowServices s;
        s.message = [told](QWidget *, QMessageBox::Icon, const QString &t, const QString &x) { *told << t + "|" + x; };
        s.askYesNo = [](QWidget *, const QString &, const QString &) { return true; };
        s.askToDestroy = s.askYesNo;
        s.today = [] { return QDate(2026, 12, 7); };
        s.openUrl = [](const QUrl &) {};
        FrmPrincipal window(state, folder, s);
        ui(window).cmbNome()->setEditText("Maria");
        ui(window).txtUltima()->setText("01/03/2001");
        ui(window).txtPeriodo()->setText("28");
        window.imgCalcularClick();
        // The choice made in qtrconfg is the one Quintrela read: March 2001 as in the example.
        return state.EndDateIsNext && ui(window).lblMes()->text() == QString::fromUtf8("Março de 2001");
    }
};

} // namespace

TEST_F(DataPlacementTest, BothProgramsAgreeOnEitherPlace)
{
    const QByteArray maria = UserRecord{"Maria", "28", "01/03/2001"}.encode();
    for (Placement placement : {Placement::BesideProgram, Placement::UserData}) {
        const QString folder = DataFolder::folder(placement, program.path());
        const QString other = placement == Placement::UserData ? program.path() : userFolder();
        // A file in the other place is not the programs' file.
        QDir().mkpath(other);
        writeBytes(other + "/qtrconf.dat", QByteArray("\x00\x00", 2));
        writeBytes(other + "/quintrela.dat", QByteArray());
        QStringList told;
        EXPECT_TRUE(runBoth(folder, &told)) << int(placement);
        EXPECT_TRUE(told.isEmpty()) << qPrintable(told.join('\n'));
        EXPECT_EQ(readBytes(folder + "/qtrconf.dat"), QByteArray("\xFF\xFF", 2));
        EXPECT_EQ(readBytes(folder + "/quintrela.dat"), maria);
        EXPECT_EQ(readBytes(other + "/qtrconf.dat"), QByteArray("\x00\x00", 2));
        EXPECT_EQ(readBytes(other + "/quintrela.dat"), QByteArray());
        QFile::remove(folder + "/qtrconf.dat");
        QFile::remove(folder + "/quintrela.dat");
        QFile::remove(other + "/qtrconf.dat");
        QFile::remove(other + "/quintrela.dat");
    }
}

TEST_F(DataPlacementTest, AReadOnlyProgramFolderIsNoMatterForTheInstalledPrograms)
{
    // As a user runs the installed programs: their folder is not hers to write.
    TestSupport::openToEveryone(program.path());
    TestSupport::openToEveryone(home.path());
    QFile::setPermissions(program.path(), QFileDevice::Permissions(0x5555));
    const QString programFolder = program.path();
    const int code = TestSupport::runUnprivileged([&] {
        QStringList told;
        const QString folder = DataFolder::folder(Placement::UserData, programFolder);
        if (!runBoth(folder, &told) || !told.isEmpty())
            return 1;
        // Beside the programs, as a portable folder would keep them, both saves fail and are told.
        told.clear();
        runBoth(DataFolder::folder(Placement::BesideProgram, programFolder), &told);
        return told.size() == 2 && told[0].contains("qtrconf.dat") && told[1].contains(programFolder) ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(userFolder() + "/qtrconf.dat"), QByteArray("\xFF\xFF", 2));
    EXPECT_EQ(QFile(userFolder() + "/quintrela.dat").size(), 132);
    EXPECT_TRUE(QDir(program.path()).entryList(QDir::Files).isEmpty());
    QFile::setPermissions(program.path(), QFileDevice::Permissions(0x7700));
}
