// Hover highlights of the four picture buttons, and the web links.

#include "FrmPrincipal.h"

#include "DateText.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

enum class Border { Keep, On, Off };

struct HoverRow
{
    Border calcular = Border::Keep;
    Border imprimir = Border::Keep;
    Border quintrela = Border::Keep;
    Border quintrela1 = Border::Keep;
};

void apply(ImageButton *image, Border border)
{
    if (border != Border::Keep)
        image->setBorderStyle(border == Border::On ? 1 : 0);
}

// The advertiser's link works from this day on.
const QDate advertisingStart(2001, 3, 10);

} // namespace

void FrmPrincipal::watchMouseMoves()
{
    // Every control that reacts to the mouse passing over it, and the
    // containers a move over a control without reaction reaches.
    QList<QWidget *> watched = {this, m_picEntrada, m_imgFigCalendario, m_picLegenda, m_picPrevinir,
                                m_imgPublicitario, m_imgPublicitario->parentWidget(), m_imgCalcular,
                                m_imgImprimir, m_imgQuintrela, m_imgQuintrela1, m_txtUltima, m_txtPeriodo,
                                m_imgGoLeft, m_imgGoRight, m_lblMes, m_lblSexoSafe};
    for (QLabel *cell : m_lblDia)
        watched.append(cell);
    for (QLabel *text : m_lblInfoLegenda)
        watched.append(text);
    for (QWidget *w : watched) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void FrmPrincipal::mouseMovedOver(QWidget *control)
{
    constexpr Border on = Border::On, off = Border::Off, keep = Border::Keep;
    HoverRow row;
    if (control == m_imgCalcular)
        row = {on, off, keep, keep};
    else if (control == m_imgImprimir)
        row = {off, on, keep, keep};
    else if (control == m_imgQuintrela)
        row = {keep, keep, on, keep};
    else if (control == m_imgQuintrela1)
        row = {keep, keep, keep, on};
    else if (control == this)
        row = {keep, keep, off, off};
    else if (control == m_picEntrada || control == m_txtUltima || control == m_txtPeriodo || control == m_imgGoLeft
             || control == m_imgGoRight || control == m_lblMes)
        row = {off, off, keep, keep};
    else if (std::find(m_lblDia.begin(), m_lblDia.end(), control) != m_lblDia.end())
        row = {off, off, off, off};
    else if (control == m_imgFigCalendario || control == m_lblSexoSafe
             || std::find(m_lblInfoLegenda.begin(), m_lblInfoLegenda.end(), control) != m_lblInfoLegenda.end())
        row = {keep, keep, off, off};
    else if (control == m_imgPublicitario || control == m_imgPublicitario->parentWidget())
        row = {keep, keep, off, keep};
    else
        return; // no reaction over any other control
    apply(m_imgCalcular, row.calcular);
    apply(m_imgImprimir, row.imprimir);
    apply(m_imgQuintrela, row.quintrela);
    apply(m_imgQuintrela1, row.quintrela1);
}

void FrmPrincipal::imgQuintrelaClick()
{
    m_services.openUrl(QUrl(MainWindowDesign::productAddress));
}

void FrmPrincipal::imgPublicitarioClick()
{
    if (DateText::daysBetween(m_services.today(), advertisingStart) > 0)
        return;
    m_services.openUrl(QUrl(MainWindowDesign::makerAddress));
}
