#include "LeftOutCycle.h"

namespace LeftOutCycles {

QString reasonWord(LeftOutReason reason)
{
    switch (reason) {
    case LeftOutReason::Gravidez:
        return QStringLiteral("gravidez");
    case LeftOutReason::Amamentacao:
        return QStringLiteral("amamentação");
    case LeftOutReason::Doenca:
        return QStringLiteral("doença");
    case LeftOutReason::Medicamento:
        return QStringLiteral("medicamento");
    case LeftOutReason::Outro:
        break;
    }
    return QStringLiteral("outro");
}

} // namespace LeftOutCycles
