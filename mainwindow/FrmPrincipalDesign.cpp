// The window as designed: every control, its place, text, font and colours.

#include "FrmPrincipal.h"

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

} // namespace

QLabel *FrmPrincipal::createLabel(QWidget *parent, const QRect &place, const QString &text, double points, bool opaque)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(PictureBox::placeInside(place));
    label->setFont(Artwork::uiFont(points));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(opaque);
    return label;
}

ImageButton *FrmPrincipal::createImage(QWidget *parent, const QRect &place, const QString &picture, bool hand)
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

void FrmPrincipal::createWindow()
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(windowCaption);
    setWindowIcon(Artwork::icon(QStringLiteral("quintrela")));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(clientWidth), px(clientHeight));
    setFont(Artwork::uiFont(windowPoints));
    setMouseTracking(true);

    // Created bottom first: later siblings stand over earlier ones.
    m_lblInfo = new QLabel(lblInfoText, this);
    m_lblInfo->setObjectName(QStringLiteral("lblInfo"));
    m_lblInfo->setGeometry(lblInfoRect);
    m_lblInfo->setAutoFillBackground(true);
    m_lblInfo->setTextFormat(Qt::PlainText);
    m_lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    createBannerAndStores();
    m_picEntrada = createBar(this, "picEntrada", picEntradaRect, pink);
    m_imgFigCalendario = createBar(this, "imgFigCalendario", imgFigCalendarioRect, pink);
    m_picLegenda = createBar(this, "picLegenda", picLegendaRect, pink);
    m_picPrevinir = createBar(this, "picPrevinir", picPrevinirRect, pink);
    createInputBar();
    createCalendarArea();
    createLegendBar();
    createNoticeBar();
    // Covered by the notice until the first consultation: hidden meanwhile
    // (see eventFilter), so that nothing reports it as showing.
    m_picLegenda->hide();
}

void FrmPrincipal::createBannerAndStores()
{
    for (int i = 0; i < 4; ++i) {
        m_picRosto[i] = createBar(this, "picRosto", picRostoRect(i), palette().color(QPalette::Button));
        auto *face = new QLabel(m_picRosto[i]);
        // Never shown, only printed: the designed 32 x 32 faces.
        face->setPixmap(Artwork::picture(QStringLiteral("rosto%1").arg(i), 1.0));
        face->setGeometry(PictureBox::placeInside(QRect(0, 0, 32, 32)));
        m_picRosto[i]->hide();
    }
    // Picture stores beyond the right edge, never seen.
    static const char *stores[] = {"publicidade", "publicidade2"};
    for (int i = 0; i < 2; ++i) {
        m_imgPub[i] = new QLabel(this);
        m_imgPub[i]->setObjectName(QStringLiteral("imgPub"));
        const QPixmap pixmap = Artwork::picture(QString::fromLatin1(stores[i]));
        m_imgPub[i]->setPixmap(pixmap);
        m_imgPub[i]->setGeometry(QRect(imgPubRect[i].topLeft(), pixmap.deviceIndependentSize().toSize()));
    }

    auto *banner = new PictureBox(this);
    banner->setObjectName(QStringLiteral("imgPublicitario"));
    banner->setGeometry(imgPublicitarioRect);
    banner->setBackground(palette().color(QPalette::Button));
    banner->setCursor(Artwork::handCursor());
    // The picture fills the inside of the border exactly (468 x 60).
    m_imgPublicitario = new ImageButton(banner);
    m_imgPublicitario->setObjectName(QStringLiteral("imgPublicitarioPicture"));
    m_imgPublicitario->setGeometry(banner->contentsRect());
    m_imgPublicitario->setCursor(Artwork::handCursor());
}

void FrmPrincipal::createInputBar()
{
    QWidget *bar = m_picEntrada;
    for (int i = 0; i < int(lblLabelCaptions.size()); ++i) {
        if (!lblLabelCaptions[i].text)
            continue;
        m_lblLabel[i] = createLabel(bar, lblLabelCaptions[i].place, QString::fromUtf8(lblLabelCaptions[i].text), windowPoints, false);
        m_lblLabel[i]->setObjectName(QStringLiteral("lblLabel"));
        setTextColour(m_lblLabel[i], captionText);
    }
    m_lblShowDias = createLabel(bar, lblShowDiasRect, lblShowDiasText, diasPoints, false);
    m_lblShowDias->setObjectName(QStringLiteral("lblShowDias"));
    setTextColour(m_lblShowDias, captionText);

    m_cmbNome = new QComboBox(bar);
    m_cmbNome->setObjectName(QStringLiteral("cmbNome"));
    m_cmbNome->setEditable(true);
    m_cmbNome->setInsertPolicy(QComboBox::NoInsert); // the list holds the file's names only
    m_cmbNome->setGeometry(PictureBox::placeInside(cmbNomeRect));
    m_cmbNome->setFont(Artwork::uiFont(fieldPoints));
    m_cmbNome->setMaxVisibleItems(16);
    m_cmbNome->setCompleter(nullptr);

    m_txtUltima = new QLineEdit(txtUltimaDesignText, bar);
    m_txtUltima->setObjectName(QStringLiteral("txtUltima"));
    m_txtUltima->setGeometry(PictureBox::placeInside(txtUltimaRect));
    m_txtUltima->setFont(Artwork::uiFont(fieldPoints));
    m_txtUltima->setMaxLength(txtUltimaMaxLength);

    m_txtPeriodo = new QLineEdit(txtPeriodoDesignText, bar);
    m_txtPeriodo->setObjectName(QStringLiteral("txtPeriodo"));
    m_txtPeriodo->setGeometry(PictureBox::placeInside(txtPeriodoRect));
    m_txtPeriodo->setFont(Artwork::uiFont(fieldPoints));
    m_txtPeriodo->setMaxLength(txtPeriodoMaxLength);

    m_imgCalcular = createImage(bar, imgCalcularRect, QStringLiteral("calcular"), false);
    m_imgCalcular->setObjectName(QStringLiteral("imgCalcular"));
    m_imgImprimir = createImage(bar, imgImprimirRect, QStringLiteral("imprimir"), false);
    m_imgImprimir->setObjectName(QStringLiteral("imgImprimir"));

    setTabOrder(m_cmbNome, m_txtUltima);
    setTabOrder(m_txtUltima, m_txtPeriodo);
}

void FrmPrincipal::createCalendarArea()
{
    PictureBox *area = m_imgFigCalendario;
    for (const Line &l : linha)
        area->addLine(QLine(px(l.x1), px(l.y1), px(l.x2), px(l.y2)), lineBlue, lineWidth);

    for (int i = 0; i < dayCellCount; ++i) {
        m_lblDia[i] = createLabel(area, lblDiaRect(i), QString(), dayPoints, true);
        m_lblDia[i]->setObjectName(QStringLiteral("lblDia"));
        // Said in words, as the items of a list the keyboard walks.
        AccessibleFactory::setRole(m_lblDia[i], QAccessible::ListItem);
        AccessibleFactory::saidInWords(m_lblDia[i]);
        m_lblDia[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setBackground(m_lblDia[i], pink);
    }
    m_imgGoLeft = createImage(area, imgGoLeftRect, QStringLiteral("seta_esquerda"), true);
    m_imgGoLeft->setObjectName(QStringLiteral("imgGoLeft"));
    m_imgGoRight = createImage(area, imgGoRightRect, QStringLiteral("seta_direita"), true);
    m_imgGoRight->setObjectName(QStringLiteral("imgGoRight"));

    m_lblMes = createLabel(area, lblMesRect, QString(), monthPoints, true);
    m_lblMes->setObjectName(QStringLiteral("lblMes"));
    m_lblMes->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackground(m_lblMes, pink);
    setTextColour(m_lblMes, captionBlue);

    for (int i = 0; i < 7; ++i) {
        m_lblSemana[i] = createLabel(area, lblSemanaRect(i), QString::fromUtf8(lblSemanaText[i]), dayPoints, true);
        m_lblSemana[i]->setObjectName(QStringLiteral("lblSemana"));
        m_lblSemana[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setBackground(m_lblSemana[i], pink);
        setTextColour(m_lblSemana[i], captionText);
    }
}

void FrmPrincipal::createLegendBar()
{
    for (int i = 0; i < int(legend.size()); ++i) {
        const LegendEntry &entry = legend[i];
        m_legendBox[i] = new PictureBox(m_picLegenda);
        m_legendBox[i]->setObjectName(QString::fromLatin1(entry.box));
        m_legendBox[i]->setGeometry(PictureBox::placeInside(entry.boxPlace));
        m_legendBox[i]->setBackground(palette().color(QPalette::Button));
        m_lblInfoLegenda[i] = createLabel(m_picLegenda, entry.labelPlace, QString::fromUtf8(entry.text), entry.points, false);
        m_lblInfoLegenda[i]->setObjectName(QStringLiteral("lblInfoLegenda"));
        setTextColour(m_lblInfoLegenda[i], captionText);
        m_legendBox[i]->setVisible(entry.shown);
        m_lblInfoLegenda[i]->setVisible(entry.shown);
    }
    m_imgQuintrela1 = createImage(m_picLegenda, imgQuintrelaRect, QStringLiteral("quintrela_banner"), true);
    m_imgQuintrela1->setObjectName(QStringLiteral("imgQuintrela1"));
}

void FrmPrincipal::createNoticeBar()
{
    m_imgQuintrela = createImage(m_picPrevinir, imgQuintrelaRect, QStringLiteral("quintrela_banner"), true);
    m_imgQuintrela->setObjectName(QStringLiteral("imgQuintrela"));

    m_lblSexoSafe = createLabel(m_picPrevinir, lblSexoSafeRect, lblSexoSafeText, windowPoints, true);
    m_lblSexoSafe->setObjectName(QStringLiteral("lblSexoSafe"));
    m_lblSexoSafe->setFont(Artwork::uiFont(windowPoints, true));
    m_lblSexoSafe->setWordWrap(true);
    m_lblSexoSafe->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackground(m_lblSexoSafe, pink);
    setTextColour(m_lblSexoSafe, captionBlue);
}
