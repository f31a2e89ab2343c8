#include "MainWindowFixture.h"
#include "FrmPrincipalControls.h"

#include "ImageButton.h"

#include <QComboBox>
#include <QLineEdit>

void MainWindowFixture::consult(const QString &name, const QString &date, const QString &cycle)
{
    type(ui(*window).cmbNome()->lineEdit(), name);
    type(ui(*window).txtUltima(), date);
    type(ui(*window).txtPeriodo(), cycle);
    QTest::mouseClick(ui(*window).imgCalcular(), Qt::LeftButton);
}
