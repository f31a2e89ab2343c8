#include "CycleProjection.h"

#include "DateText.h"
#include "MarkColors.h"
#include "fQuintrela.h"

using namespace MarkColors;

namespace {

void markAround(fQuintrela &state, const QDate &centre, qint32 centreColour, qint32 sideColour)
{
    state.SetMark(DateText::defaultText(centre.addDays(-2)), sideColour);
    state.SetMark(DateText::defaultText(centre.addDays(-1)), sideColour);
    state.SetMark(DateText::defaultText(centre), centreColour);
    state.SetMark(DateText::defaultText(centre.addDays(1)), sideColour);
    state.SetMark(DateText::defaultText(centre.addDays(2)), sideColour);
}

} // namespace

QDate ProjectCycles(fQuintrela &state, const QString &lastMenstruation, const QString &cycleLength)
{
    state.ClearMarks();
    state.Projection.clear();

    const double v = DateText::leadingNumber(cycleLength);
    const auto h = static_cast<qint16>(DateText::roundHalfEven(state.EndDateIsNext ? v : v + 1));

    const QDate d0 = DateText::readDate(lastMenstruation);
    if (!d0.isValid())
        return {};

    state.SetMark(DateText::defaultText(d0.addDays(-2)), markMenosP);
    state.SetMark(DateText::defaultText(d0.addDays(-1)), markMenosP);
    state.SetMark(lastMenstruation, markProxima);
    state.SetMark(DateText::defaultText(d0.addDays(1)), markMenosP);
    state.SetMark(DateText::defaultText(d0.addDays(2)), markMenosP);

    // The dates are kept as they are marked, so what leaves the program
    // (a calendar file) says day for day what the table says.
    QDate start = d0;
    for (int i = 1; i <= 36; ++i) {
        const QDate next = DateText::addDays(start, h - 1);
        markAround(state, next, markProxima, markMenosP);
        const QDate peak = DateText::addDays(start, h / 2.0 - 1);
        markAround(state, peak, markApice, markMaisP);
        state.Projection.append({next, peak});
        start = next;
    }
    return state.Projection.first().start;
}
