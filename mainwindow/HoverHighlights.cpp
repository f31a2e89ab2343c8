#include "HoverHighlights.h"

#include "FrmPrincipalUi.h"
#include "ImageButton.h"
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

} // namespace

HoverHighlights::HoverHighlights(QWidget *window, const FrmPrincipalUi &ui) : m_window(window), m_ui(ui) {}

void HoverHighlights::watch(QObject *filter) const
{
    // Every control that reacts to the mouse passing over it, and the
    // containers a move over a control without reaction reaches.
    QList<QWidget *> watched = {m_window, m_ui.picEntrada, m_ui.imgFigCalendario, m_ui.picLegenda, m_ui.picPrevinir,
                                m_ui.imgPublicitario, m_ui.imgPublicitario->parentWidget(), m_ui.imgCalcular,
                                m_ui.imgImprimir, m_ui.imgQuintrela, m_ui.imgQuintrela1, m_ui.txtUltima, m_ui.txtPeriodo,
                                m_ui.imgGoLeft, m_ui.imgGoRight, m_ui.lblMes, m_ui.lblSexoSafe};
    for (QLabel *cell : m_ui.lblDia)
        watched.append(cell);
    for (QLabel *text : m_ui.lblInfoLegenda)
        watched.append(text);
    for (QWidget *w : watched) {
        w->setMouseTracking(true);
        w->installEventFilter(filter);
    }
}

void HoverHighlights::movedOver(QWidget *control) const
{
    constexpr Border on = Border::On, off = Border::Off, keep = Border::Keep;
    HoverRow row;
    if (control == m_ui.imgCalcular)
        row = {on, off, keep, keep};
    else if (control == m_ui.imgImprimir)
        row = {off, on, keep, keep};
    else if (control == m_ui.imgQuintrela)
        row = {keep, keep, on, keep};
    else if (control == m_ui.imgQuintrela1)
        row = {keep, keep, keep, on};
    else if (control == m_window)
        row = {keep, keep, off, off};
    else if (control == m_ui.picEntrada || control == m_ui.txtUltima || control == m_ui.txtPeriodo || control == m_ui.imgGoLeft
             || control == m_ui.imgGoRight || control == m_ui.lblMes)
        row = {off, off, keep, keep};
    else if (std::find(m_ui.lblDia.begin(), m_ui.lblDia.end(), control) != m_ui.lblDia.end())
        row = {off, off, off, off};
    else if (control == m_ui.imgFigCalendario || control == m_ui.lblSexoSafe
             || std::find(m_ui.lblInfoLegenda.begin(), m_ui.lblInfoLegenda.end(), control) != m_ui.lblInfoLegenda.end())
        row = {keep, keep, off, off};
    else if (control == m_ui.imgPublicitario || control == m_ui.imgPublicitario->parentWidget())
        row = {keep, keep, off, keep};
    else
        return; // no reaction over any other control
    apply(m_ui.imgCalcular, row.calcular);
    apply(m_ui.imgImprimir, row.imprimir);
    apply(m_ui.imgQuintrela, row.quintrela);
    apply(m_ui.imgQuintrela1, row.quintrela1);
}
