// The window on a scaled screen (run with QT_SCALE_FACTOR 1, 1.5 and 2):
// pictures drawn for the screen, and captions whole.

#include "Artwork.h"
#include "FrmPrincipalControls.h"
#include "ImageButton.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"

#include <QFontMetricsF>
#include <QLabel>

namespace {

class FrmPrincipalScaleTest : public MainWindowFixture
{
};

// True when every 2 x 2 block of the area is one colour: a picture blown up
// from one drawn at half the size.
bool blownUp(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p)
                return false;
        }
    return true;
}

} // namespace

TEST_F(FrmPrincipalScaleTest, ImprimirLiesWhollyInsideTheWindow)
{
    FrmPrincipal &w = open();
    QLabel *caption = ui(w).lblLabel(5);
    const QRectF ink = QFontMetricsF(caption->font()).boundingRect(caption->text());
    const double right = caption->mapTo(&w, QPoint(0, 0)).x() + ink.right();
    // Inside the input bar's border, which stands inside the window.
    const QRect inside = ui(w).picEntrada()->contentsRect().translated(ui(w).picEntrada()->pos());
    EXPECT_LE(right, inside.right() + 1.0) << "scale " << w.devicePixelRatioF();
    EXPECT_LE(ink.width(), caption->width());
}

TEST_F(FrmPrincipalScaleTest, PicturesAreDrawnForTheScreen)
{
    FrmPrincipal &w = open();
    const qreal ratio = w.devicePixelRatioF();
    const qreal expected = ratio > 1 ? 2.0 : 1.0;
    for (ImageButton *image : {ui(w).imgCalcular(), ui(w).imgImprimir(), ui(w).imgGoLeft(), ui(w).imgGoRight(), ui(w).imgQuintrela(),
                               ui(w).imgPublicitario()}) {
        EXPECT_EQ(image->pixmap().devicePixelRatio(), expected) << qPrintable(image->objectName());
        EXPECT_EQ(image->size(), image->pixmap().deviceIndependentSize().toSize());
    }
    EXPECT_EQ(Artwork::handCursor().pixmap().devicePixelRatio(), expected);
    if (ratio != 2.0)
        return;
    // On screen, a picture has detail finer than its designed pixels.
    const QImage shot = w.grab().toImage();
    for (ImageButton *image : {ui(w).imgCalcular(), ui(w).imgGoLeft(), ui(w).imgPublicitario()}) {
        const QRect place(image->mapTo(&w, QPoint(0, 0)) * 2, image->size() * 2);
        EXPECT_FALSE(blownUp(shot, place)) << qPrintable(image->objectName());
    }
    EXPECT_FALSE(blownUp(Artwork::handCursor().pixmap().toImage(), QRect(0, 0, 64, 64)));
}
