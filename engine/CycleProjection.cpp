#include "CycleProjection.h"

#include "DateText.h"
#include "MarkColors.h"
#include "fQuintrela.h"

using namespace MarkColors;

namespace {

void markAround(fQuintrela &state, const QDate &centre, qint32 centreColour, qint32 sideColour)
{
    state.SetMark(centre.addDays(-2), sideColour);
    state.SetMark(centre.addDays(-1), sideColour);
    state.SetMark(centre, centreColour);
    state.SetMark(centre.addDays(1), sideColour);
    state.SetMark(centre.addDays(2), sideColour);
}

} // namespace

QDate ProjectCycles(fQuintrela &state, const QDate &lastMenstruation, double cycleLength)
{
    state.ClearMarks();
    state.Projection.clear();
    if (!lastMenstruation.isValid())
        return {};

    const auto h = static_cast<qint16>(DateText::roundHalfEven(state.EndDateIsNext ? cycleLength : cycleLength + 1));
    markAround(state, lastMenstruation, markProxima, markMenosP);

    // The dates are kept as they are marked, so what leaves the program
    // (a calendar file) says day for day what the table says.
    QDate start = lastMenstruation;
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
