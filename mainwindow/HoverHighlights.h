#pragma once
// The thin border that lights up the four picture buttons under the mouse,
// turned on by each button and off by the controls around it.

#include <QObject>

class FrmPrincipalUi;
class QWidget;

class HoverHighlights
{
public:
    HoverHighlights(QWidget *window, const FrmPrincipalUi &ui);
    // Every control that reacts to the mouse passing over it, and the
    // containers a move over a control without reaction reaches, report
    // their moves to the filter.
    void watch(QObject *filter) const;
    // The mouse is over this control now.
    void movedOver(QWidget *control) const;

private:
    QWidget *m_window;
    const FrmPrincipalUi &m_ui;
};
