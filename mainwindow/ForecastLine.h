#pragma once
// Under the window's own area, after a consultation of a name with history:
// what her history makes likely, as a link into Histórico; the month of the
// next start when the one shown has gone by; and her fertile days marked or
// not. The window grows by this line while it has something to say.

#include "Consultation.h"

#include <QLabel>

class ForecastLine : public QLabel
{
    Q_OBJECT
public:
    explicit ForecastLine(QWidget *window);

    void setForecast(const std::optional<Consultation::Forecast> &forecast);
    // Its height at the window's width, 0 while it says nothing.
    int neededHeight() const;

    // The colour of the mark on her fertile days: in no colour of the legend.
    static QColor markColour();

signals:
    void historyAsked();
    void monthAsked(const QDate &month);
    void fertileAsked(bool shown);

private:
    void follow(const QString &link);
    std::optional<Consultation::Forecast> m_forecast;
};
