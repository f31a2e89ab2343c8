#include "MainWindowFixture.h"

#include "ImageButton.h"

#include <QComboBox>
#include <QLineEdit>

void MainWindowFixture::consult(const QString &name, const QString &date, const QString &cycle)
{
    type(window->cmbNome()->lineEdit(), name);
    type(window->txtUltima(), date);
    type(window->txtPeriodo(), cycle);
    QTest::mouseClick(window->imgCalcular(), Qt::LeftButton);
}
