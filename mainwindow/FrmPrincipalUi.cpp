// The window as designed: every control, its place, text, font and colours.

#include "FrmPrincipalUi.h"

#include "AccessibleFactory.h"
#include "Artwork.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace MainWindowDesign;

namespace {

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

PictureBox *createBar(QWidget *parent, const char *name, const QRect &place, const QColor &colour)
{
    auto *box = new PictureBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setBackground(colour);
    return box;
}

// A control of an array: its design name, and its place in the array as the
// property "index".
void setIndexed(QWidget *control, const char *name, int index)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setProperty("index", index);
}

} // namespace

QLabel *FrmPrincipalUi::createLabel(QWidget *parent, const QRect &place, const QString &text, double points, bool opaque)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(PictureBox::placeInside(place));
    label->setFont(Artwork::uiFont(points));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(opaque);
    return label;
}

ImageButton *FrmPrincipalUi::createImage(QWidget *parent, const QRect &place, const QString &picture, bool hand)
{
    auto *image = new ImageButton(parent);
    const QPixmap pixmap = Artwork::picture(picture);
    image->setPixmap(pixmap);
    // An image is exactly the size of its picture.
    image->setGeometry(QRect(PictureBox::placeInside(place).topLeft(), pixmap.deviceIndependentSize().toSize()));
    if (hand)
        image->setCursor(Artwork::handCursor());
    return image;
}

void FrmPrincipalUi::setupUi(QWidget *window)
{
    window->setObjectName(QStringLiteral("frmPrincipal"));
    window->setWindowTitle(windowCaption);
    window->setWindowIcon(Artwork::icon(QStringLiteral("quintrela")));
    window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(px(clientWidth), px(clientHeight));
    window->setFont(Artwork::uiFont(windowPoints));
    window->setMouseTracking(true);

    // Created bottom first: later siblings stand over earlier ones.
    lblInfo = new QLabel(lblInfoText, window);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setGeometry(lblInfoRect);
    lblInfo->setAutoFillBackground(true);
    lblInfo->setTextFormat(Qt::PlainText);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    createBannerAndStores(window);
    picEntrada = createBar(window, "picEntrada", picEntradaRect, pink);
    imgFigCalendario = createBar(window, "imgFigCalendario", imgFigCalendarioRect, pink);
    picLegenda = createBar(window, "picLegenda", picLegendaRect, pink);
    picPrevinir = createBar(window, "picPrevinir", picPrevinirRect, pink);
    createInputBar();
    createCalendarArea();
    createLegendBar(window);
    createNoticeBar();
    // Covered by the notice until the first consultation: hidden meanwhile
    // (FrmPrincipal shows it as the notice goes), so that nothing reports
    // it as showing.
    picLegenda->hide();
    describe(window);
}

void FrmPrincipalUi::createBannerAndStores(QWidget *window)
{
    for (int i = 0; i < 4; ++i) {
        picRosto[i] = createBar(window, "picRosto", picRostoRect(i), window->palette().color(QPalette::Button));
        setIndexed(picRosto[i], "picRosto", i);
        auto *face = new QLabel(picRosto[i]);
        // Never shown, only printed: the designed 32 x 32 faces.
        face->setPixmap(Artwork::picture(QStringLiteral("rosto%1").arg(i), 1.0));
        face->setGeometry(PictureBox::placeInside(QRect(0, 0, 32, 32)));
        picRosto[i]->hide();
    }
    // Picture stores beyond the right edge, never seen.
    static const char *stores[] = {"publicidade", "publicidade2"};
    for (int i = 0; i < 2; ++i) {
        imgPub[i] = new QLabel(window);
        setIndexed(imgPub[i], "imgPub", i);
        const QPixmap pixmap = Artwork::picture(QString::fromLatin1(stores[i]));
        imgPub[i]->setPixmap(pixmap);
        imgPub[i]->setGeometry(QRect(imgPubRect[i].topLeft(), pixmap.deviceIndependentSize().toSize()));
    }

    auto *banner = new PictureBox(window);
    banner->setObjectName(QStringLiteral("imgPublicitario"));
    banner->setGeometry(imgPublicitarioRect);
    banner->setBackground(window->palette().color(QPalette::Button));
    banner->setCursor(Artwork::handCursor());
    // The picture fills the inside of the border exactly (468 x 60).
    imgPublicitario = new ImageButton(banner);
    imgPublicitario->setObjectName(QStringLiteral("imgPublicitarioPicture"));
    imgPublicitario->setGeometry(banner->contentsRect());
    imgPublicitario->setCursor(Artwork::handCursor());
}

void FrmPrincipalUi::createInputBar()
{
    QWidget *bar = picEntrada;
    for (int i = 0; i < int(lblLabelCaptions.size()); ++i) {
        if (!lblLabelCaptions[i].text)
            continue;
        lblLabel[i] = createLabel(bar, lblLabelCaptions[i].place, QString::fromUtf8(lblLabelCaptions[i].text), windowPoints, false);
        setIndexed(lblLabel[i], "lblLabel", i);
        setTextColour(lblLabel[i], captionText);
    }
    lblShowDias = createLabel(bar, lblShowDiasRect, lblShowDiasText, diasPoints, false);
    lblShowDias->setObjectName(QStringLiteral("lblShowDias"));
    setTextColour(lblShowDias, captionText);

    cmbNome = new QComboBox(bar);
    cmbNome->setObjectName(QStringLiteral("cmbNome"));
    cmbNome->setEditable(true);
    cmbNome->setInsertPolicy(QComboBox::NoInsert); // the list holds the file's names only
    cmbNome->setGeometry(PictureBox::placeInside(cmbNomeRect));
    cmbNome->setFont(Artwork::uiFont(fieldPoints));
    cmbNome->setMaxVisibleItems(16);
    cmbNome->setCompleter(nullptr);

    txtUltima = new QLineEdit(txtUltimaDesignText, bar);
    txtUltima->setObjectName(QStringLiteral("txtUltima"));
    txtUltima->setGeometry(PictureBox::placeInside(txtUltimaRect));
    txtUltima->setFont(Artwork::uiFont(fieldPoints));
    txtUltima->setMaxLength(txtUltimaMaxLength);

    txtPeriodo = new QLineEdit(txtPeriodoDesignText, bar);
    txtPeriodo->setObjectName(QStringLiteral("txtPeriodo"));
    txtPeriodo->setGeometry(PictureBox::placeInside(txtPeriodoRect));
    txtPeriodo->setFont(Artwork::uiFont(fieldPoints));
    txtPeriodo->setMaxLength(txtPeriodoMaxLength);

    imgCalcular = createImage(bar, imgCalcularRect, QStringLiteral("calcular"), false);
    imgCalcular->setObjectName(QStringLiteral("imgCalcular"));
    imgImprimir = createImage(bar, imgImprimirRect, QStringLiteral("imprimir"), false);
    imgImprimir->setObjectName(QStringLiteral("imgImprimir"));

    QWidget::setTabOrder(cmbNome, txtUltima);
    QWidget::setTabOrder(txtUltima, txtPeriodo);
}

void FrmPrincipalUi::createCalendarArea()
{
    PictureBox *area = imgFigCalendario;
    for (const Line &l : linha)
        area->addLine(QLine(px(l.x1), px(l.y1), px(l.x2), px(l.y2)), lineBlue, lineWidth);

    for (int i = 0; i < dayCellCount; ++i) {
        lblDia[i] = createLabel(area, lblDiaRect(i), QString(), dayPoints, true);
        setIndexed(lblDia[i], "lblDia", i);
        // Said in words, as the items of a list the keyboard walks.
        AccessibleFactory::setRole(lblDia[i], QAccessible::ListItem);
        AccessibleFactory::saidInWords(lblDia[i]);
        lblDia[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setBackground(lblDia[i], pink);
    }
    imgGoLeft = createImage(area, imgGoLeftRect, QStringLiteral("seta_esquerda"), true);
    imgGoLeft->setObjectName(QStringLiteral("imgGoLeft"));
    imgGoRight = createImage(area, imgGoRightRect, QStringLiteral("seta_direita"), true);
    imgGoRight->setObjectName(QStringLiteral("imgGoRight"));

    lblMes = createLabel(area, lblMesRect, QString(), monthPoints, true);
    lblMes->setObjectName(QStringLiteral("lblMes"));
    lblMes->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackground(lblMes, pink);
    setTextColour(lblMes, captionBlue);

    for (int i = 0; i < 7; ++i) {
        lblSemana[i] = createLabel(area, lblSemanaRect(i), QString::fromUtf8(lblSemanaText[i]), dayPoints, true);
        setIndexed(lblSemana[i], "lblSemana", i);
        lblSemana[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setBackground(lblSemana[i], pink);
        setTextColour(lblSemana[i], captionText);
    }
}

void FrmPrincipalUi::createLegendBar(QWidget *window)
{
    for (int i = 0; i < int(legend.size()); ++i) {
        const LegendEntry &entry = legend[i];
        legendBox[i] = new PictureBox(picLegenda);
        setIndexed(legendBox[i], entry.box, i);
        legendBox[i]->setGeometry(PictureBox::placeInside(entry.boxPlace));
        legendBox[i]->setBackground(window->palette().color(QPalette::Button));
        lblInfoLegenda[i] = createLabel(picLegenda, entry.labelPlace, QString::fromUtf8(entry.text), entry.points, false);
        setIndexed(lblInfoLegenda[i], "lblInfoLegenda", i);
        setTextColour(lblInfoLegenda[i], captionText);
        legendBox[i]->setVisible(entry.shown);
        lblInfoLegenda[i]->setVisible(entry.shown);
    }
    imgQuintrela1 = createImage(picLegenda, imgQuintrelaRect, QStringLiteral("quintrela_banner"), true);
    imgQuintrela1->setObjectName(QStringLiteral("imgQuintrela1"));
}

void FrmPrincipalUi::createNoticeBar()
{
    imgQuintrela = createImage(picPrevinir, imgQuintrelaRect, QStringLiteral("quintrela_banner"), true);
    imgQuintrela->setObjectName(QStringLiteral("imgQuintrela"));

    lblSexoSafe = createLabel(picPrevinir, lblSexoSafeRect, lblSexoSafeText, windowPoints, true);
    lblSexoSafe->setObjectName(QStringLiteral("lblSexoSafe"));
    lblSexoSafe->setFont(Artwork::uiFont(windowPoints, true));
    lblSexoSafe->setWordWrap(true);
    lblSexoSafe->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackground(lblSexoSafe, pink);
    setTextColour(lblSexoSafe, captionBlue);
}
