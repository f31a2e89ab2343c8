#pragma once
// The main window's controls, by their design names, made and placed as
// designed. The window owns one and wires it; nothing here decides anything.

#include <QRect>
#include <QString>

#include <array>

class Announcer;
class ImageButton;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

class FrmPrincipalUi
{
public:
    // Makes every control a child of the window, and the window's own frame.
    void setupUi(QWidget *window);

    PictureBox *picEntrada = nullptr;
    PictureBox *imgFigCalendario = nullptr;
    PictureBox *picLegenda = nullptr;
    PictureBox *picPrevinir = nullptr;
    ImageButton *imgPublicitario = nullptr;
    QLabel *lblInfo = nullptr;
    std::array<QLabel *, 2> imgPub{};
    std::array<PictureBox *, 4> picRosto{};

    QComboBox *cmbNome = nullptr;
    QLineEdit *txtUltima = nullptr;
    QLineEdit *txtPeriodo = nullptr;
    std::array<QLabel *, 6> lblLabel{};
    QLabel *lblShowDias = nullptr;
    ImageButton *imgCalcular = nullptr;
    ImageButton *imgImprimir = nullptr;

    QLabel *lblMes = nullptr;
    ImageButton *imgGoLeft = nullptr;
    ImageButton *imgGoRight = nullptr;
    std::array<QLabel *, 7> lblSemana{};
    std::array<QLabel *, 42> lblDia{};

    std::array<PictureBox *, 6> legendBox{};
    std::array<QLabel *, 6> lblInfoLegenda{};
    ImageButton *imgQuintrela1 = nullptr;

    ImageButton *imgQuintrela = nullptr;
    QLabel *lblSexoSafe = nullptr;

    // What a screen reader is told of the calendar as it changes.
    Announcer *announcer = nullptr;

private:
    void describe(QWidget *window);
    void setReadingOrder(QWidget *window);
    void createInputBar();
    void createCalendarArea();
    void createLegendBar(QWidget *window);
    void createNoticeBar();
    void createBannerAndStores(QWidget *window);
    static QLabel *createLabel(QWidget *parent, const QRect &place, const QString &text, double points, bool opaque);
    static ImageButton *createImage(QWidget *parent, const QRect &place, const QString &picture, bool hand);
};
