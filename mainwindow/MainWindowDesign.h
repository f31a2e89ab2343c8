#pragma once
// Texts, colours and places of the main window. Places are in twips
// (15 to a pixel), measured inside the container's border.

#include "BgrColour.h"
#include "SharedTexts.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>

namespace MainWindowDesign {

constexpr int twipsPerPixel = 15;
constexpr int px(int twips) { return twips / twipsPerPixel; }
constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// A picture box's sunken border; its children are placed inside it.
constexpr int pictureBorder = 2;


inline const QColor pink = fromBgr(0x00FFC0FF);
inline const QColor lineBlue = fromBgr(0x00FF0000);
inline const QColor captionBlue = fromBgr(0x00FF0000);
// The captions on the pink bars: the button text of the light desktop the
// window was designed on, fixed, so that no desktop palette can put light
// text on the pink.
inline const QColor captionText = fromBgr(0x00000000);

// The product's page and the maker's page.
inline const QString productAddress = QStringLiteral("https://quintrela.com.br");
inline const QString makerAddress = QStringLiteral("https://agendinha.com.br");
inline const QString windowCaption = QStringLiteral("Quintrela Eletrônica (") + productAddress + u')';

// The window
constexpr int clientWidth = 7350;
constexpr int clientHeight = 6900;

// Direct children of the window
constexpr QRect picEntradaRect = rect(0, 0, 7350, 780);
constexpr QRect imgFigCalendarioRect = rect(0, 810, 7350, 4245);
constexpr QRect picLegendaRect = rect(0, 5085, 7350, 690);
constexpr QRect picPrevinirRect = rect(0, 5085, 7350, 690);
constexpr QRect imgPublicitarioRect = rect(135, 5940, 7080, 960);
constexpr QRect lblInfoRect = rect(45, 5760, 3120, 240);
constexpr QRect imgPubRect[2] = {rect(7425, 90, 7020, 900), rect(7425, 1035, 7020, 900)};
constexpr QRect picRostoRect(int index) { return rect(3510 + 540 * index, 5805, 540, 540); }
inline const QString lblInfoText = QStringLiteral("Espaço Publicitário:");

// Input bar
constexpr QRect cmbNomeRect = rect(45, 270, 3660, 360);
constexpr QRect txtUltimaRect = rect(3735, 270, 1455, 375);
constexpr QRect txtPeriodoRect = rect(5265, 270, 375, 375);
constexpr QRect lblShowDiasRect = rect(5670, 270, 465, 240);
constexpr QRect imgCalcularRect = rect(6165, 225, 480, 480);
constexpr QRect imgImprimirRect = rect(6795, 225, 480, 480);
constexpr int txtUltimaMaxLength = 10;
constexpr int txtPeriodoMaxLength = 2;
inline const QString txtUltimaDesignText = QStringLiteral("20/12/2000");
inline const QString txtPeriodoDesignText = QStringLiteral("28");
inline const QString lblShowDiasText = QStringLiteral("dias");

struct Caption
{
    QRect place;
    const char *text; // UTF-8
};
// lblLabel 0 to 5 (index 4 does not exist)
constexpr std::array<Caption, 6> lblLabelCaptions{{
    {rect(45, 45, 1860, 240), "Digite o seu nome abaixo:"},
    {rect(5265, 45, 735, 240), "Período:"},
    {rect(6120, 45, 645, 240), "Calcular"},
    {rect(3735, 45, 1455, 240), "Última Menstruação:"},
    {QRect(), nullptr},
    // Designed at Left 6750, where its last letter ran under the bar's
    // border; three pixels further left it is whole.
    {rect(6705, 45, 600, 240), "Imprimir"},
}};

// Calendar area
constexpr int dayCellCount = 42;
constexpr std::array<int, 7> lblDiaLeft{135, 1170, 2250, 3285, 4320, 5400, 6435};
constexpr std::array<int, 7> lblSemanaLeft{135, 1185, 2235, 3285, 4335, 5385, 6435};
constexpr QRect lblDiaRect(int index)
{
    return rect(lblDiaLeft[index % 7], 1140 + 495 * (index / 7), 690, 420);
}
constexpr QRect lblSemanaRect(int index) { return rect(lblSemanaLeft[index], 630, 690, 420); }
constexpr std::array<const char *, 7> lblSemanaText{"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sáb"};
constexpr QRect lblMesRect = rect(810, 45, 5730, 420);
constexpr QRect imgGoLeftRect = rect(45, 45, 480, 480);
constexpr QRect imgGoRightRect = rect(6795, 45, 480, 480);
struct Line
{
    int x1, y1, x2, y2; // twips
};
constexpr std::array<Line, 3> linha{{{-45, 4140, 7785, 4140}, {0, 1080, 7830, 1080}, {0, 585, 7830, 585}}};
constexpr int lineWidth = 2; // pixels

// Legend bar
struct LegendEntry
{
    const char *box;
    QRect boxPlace;
    qint32 colour;
    QRect labelPlace;
    const char *text;
    double points;
    bool shown;
    const char *colourName; // read out for the box
};
constexpr std::array<LegendEntry, 6> legend{{
    {"picProxima", rect(45, 90, 195, 195), 0xFF0000, rect(270, 90, 1725, 240), "Próximas Menstruações", 8.25, true, "azul"},
    {"picMenosP", rect(45, 360, 195, 195), 0xFF8080, rect(270, 360, 1680, 240), "Dias menos perigosos", 8.25, true, "azul-claro"},
    {"picMaisP", rect(1980, 360, 195, 195), 0x8080FF, rect(2205, 360, 1500, 240), "Dias mais perigosos", 8.25, true, "vermelho-claro"},
    {"picApice", rect(1980, 90, 195, 195), 0x0000FF, rect(2205, 90, 1455, 240), "Ápice da Ovulação", 8.25, true, "vermelho"},
    {"picBlack", rect(4950, 45, 240, 240), 0x000000, rect(5220, 45, 2085, 240), "Dias de risco razoável", 9.75, false, "preto"},
    {"picHoje", rect(4950, 360, 240, 240), 0x0080FF, rect(5220, 360, 2085, 240), "Data de hoje", 9.75, false, "laranja"},
}};
constexpr QRect imgQuintrelaRect = rect(3735, 90, 3495, 450);

// Notice bar
constexpr QRect lblSexoSafeRect = rect(45, 0, 3570, 600);
inline const QString &lblSexoSafeText = SharedTexts::lblSexoSafeText;

// Fonts, in points
constexpr double windowPoints = 8.25;
constexpr double fieldPoints = 9.75;
constexpr double diasPoints = 12;
constexpr double dayPoints = 13.5;
constexpr double monthPoints = 18;

} // namespace MainWindowDesign
