// The window in words: names, descriptions and tooltips of the controls,
// the captions that name the fields, the Tab chain and the reading order.

#include "FrmPrincipalUi.h"

#include "AccessibleFactory.h"
#include "Announcer.h"
#include "CurrentItemTeller.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "MainWindowTexts.h"
#include "PictureBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void FrmPrincipalUi::describe(QWidget *window)
{
    using namespace MainWindowTexts;
    // First: a container's reading order must be known before anything asks
    // it for its children.
    announcer = new Announcer(imgFigCalendario);
    setReadingOrder(window);

    const std::tuple<QWidget *, QString, QString> named[] = {
        {imgCalcular, calcularName, calcularDescription},
        {imgImprimir, imprimirName, imprimirDescription},
        {imgGoLeft, goLeftName, goLeftDescription},
        {imgGoRight, goRightName, goRightDescription},
        {imgQuintrela, productName, productDescription},
        {imgQuintrela1, productName, productDescription},
        {imgPublicitario, bannerName, bannerDescription},
    };
    for (const auto &[widget, name, description] : named) {
        widget->setAccessibleName(name);
        widget->setAccessibleDescription(description);
        widget->setToolTip(description);
    }

    // The captions name their fields; a screen reader reads them on focus.
    lblLabel[0]->setBuddy(cmbNome);
    lblLabel[3]->setBuddy(txtUltima);
    lblLabel[1]->setBuddy(txtPeriodo);
    lblLabel[2]->setBuddy(imgCalcular);
    lblLabel[5]->setBuddy(imgImprimir);
    // The name list, as it drops down, says the name it stands on.
    new CurrentItemTeller(cmbNome->view());
    txtUltima->setAccessibleDescription(dateFieldDescription);
    txtPeriodo->setAccessibleDescription(cycleFieldDescription);
    // Heard when the window opens; the title bar keeps the web address.
    window->setAccessibleName(windowSpokenName);
    // Each legend entry is one object: the coloured box, named by its caption.
    for (int i = 0; i < int(MainWindowDesign::legend.size()); ++i) {
        const QString text = QString::fromUtf8(MainWindowDesign::legend[i].text);
        AccessibleFactory::setRole(legendBox[i], QAccessible::Graphic);
        legendBox[i]->setAccessibleName(text);
        legendBox[i]->setAccessibleDescription(QString::fromUtf8(MainWindowDesign::legend[i].colourName));
        legendBox[i]->setToolTip(text);
    }
    imgFigCalendario->setAccessibleName(calendarName);
    imgFigCalendario->setToolTip(calendarKeys);

    // After the three fields, the picture buttons in the order they stand.
    QWidget *chain[] = {txtPeriodo, imgCalcular, imgImprimir, imgGoLeft, imgGoRight,
                        imgQuintrela, imgQuintrela1, imgPublicitario};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void FrmPrincipalUi::setReadingOrder(QWidget *window)
{
    using AccessibleFactory::setReadingOrder;
    // Top to bottom, left to right; the pictures never seen are left out.
    setReadingOrder(window, {picEntrada, imgFigCalendario, picLegenda, picPrevinir, lblInfo,
                           imgPublicitario->parentWidget()});
    setReadingOrder(picEntrada, {lblLabel[0], cmbNome, lblLabel[3], txtUltima, lblLabel[1], txtPeriodo,
                                   lblShowDias, lblLabel[2], imgCalcular, lblLabel[5], imgImprimir});
    QList<QWidget *> calendar = {lblMes, imgGoLeft, imgGoRight};
    calendar.append(QList<QWidget *>(lblSemana.begin(), lblSemana.end()));
    calendar.append(QList<QWidget *>(lblDia.begin(), lblDia.end()));
    calendar.append(announcer);
    setReadingOrder(imgFigCalendario, calendar);
    QList<QWidget *> legend;
    for (int i : {0, 3, 1, 2})
        legend << legendBox[i];
    legend << imgQuintrela1;
    setReadingOrder(picLegenda, legend);
    setReadingOrder(picPrevinir, {lblSexoSafe, imgQuintrela});
    setReadingOrder(imgPublicitario->parentWidget(), {imgPublicitario});
}
