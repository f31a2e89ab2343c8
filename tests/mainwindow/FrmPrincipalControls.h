#pragma once
// The main window's controls as a test reaches them: by their design names
// (and a control array's "index"), as a screen reader or a UI tool would.

#include "ImageButton.h"
#include "PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>


class FrmPrincipalControls
{
public:
    explicit FrmPrincipalControls(const QWidget &window) : m_window(window) {}

    QComboBox *cmbNome() const { return one<QComboBox>("cmbNome"); }
    QLineEdit *txtUltima() const { return one<QLineEdit>("txtUltima"); }
    QLineEdit *txtPeriodo() const { return one<QLineEdit>("txtPeriodo"); }
    ImageButton *imgCalcular() const { return one<ImageButton>("imgCalcular"); }
    ImageButton *imgImprimir() const { return one<ImageButton>("imgImprimir"); }
    ImageButton *imgGoLeft() const { return one<ImageButton>("imgGoLeft"); }
    ImageButton *imgGoRight() const { return one<ImageButton>("imgGoRight"); }
    ImageButton *imgQuintrela() const { return one<ImageButton>("imgQuintrela"); }
    ImageButton *imgQuintrela1() const { return one<ImageButton>("imgQuintrela1"); }
    ImageButton *imgPublicitario() const { return one<ImageButton>("imgPublicitarioPicture"); }
    QLabel *lblMes() const { return one<QLabel>("lblMes"); }
    QLabel *lblShowDias() const { return one<QLabel>("lblShowDias"); }
    QLabel *lblSexoSafe() const { return one<QLabel>("lblSexoSafe"); }
    QLabel *lblInfo() const { return one<QLabel>("lblInfo"); }
    PictureBox *picEntrada() const { return one<PictureBox>("picEntrada"); }
    PictureBox *imgFigCalendario() const { return one<PictureBox>("imgFigCalendario"); }
    PictureBox *picLegenda() const { return one<PictureBox>("picLegenda"); }
    PictureBox *picPrevinir() const { return one<PictureBox>("picPrevinir"); }

    QLabel *imgPub(int index) const { return indexed<QLabel>("imgPub", index); }
    QLabel *lblDia(int index) const { return indexed<QLabel>("lblDia", index); }
    QLabel *lblSemana(int index) const { return indexed<QLabel>("lblSemana", index); }
    QLabel *lblLabel(int index) const { return indexed<QLabel>("lblLabel", index); }
    QLabel *lblInfoLegenda(int index) const { return indexed<QLabel>("lblInfoLegenda", index); }
    PictureBox *picRosto(int index) const { return indexed<PictureBox>("picRosto", index); }
    PictureBox *legendBox(int index) const { return indexed<PictureBox>({}, index); }

private:
    template <typename T> T *one(const char *name) const
    {
        const QList<T *> found = m_window.findChildren<T *>(QString::fromLatin1(name));
        if (found.size() != 1)
            qFatal("%lld controls named %s", qlonglong(found.size()), name);
        return found.first();
    }

    // The legend's boxes have a name each: any name, by index.
    template <typename T> T *indexed(const char *name, int index) const
    {
        const QList<T *> all = name ? m_window.findChildren<T *>(QString::fromLatin1(name)) : m_window.findChildren<T *>();
        for (T *control : all) {
            const QVariant at = control->property("index");
            const bool isLegend = name || control->parentWidget()->objectName() == QLatin1String("picLegenda");
            if (isLegend && at.isValid() && at.toInt() == index)
                return control;
        }
        qFatal("no %s of index %d", name ? name : "legend box", index);
    }

    const QWidget &m_window;
};

inline FrmPrincipalControls ui(const QWidget &window)
{
    return FrmPrincipalControls(window);
}
