#pragma once
// A cycle she chose not to count: its start stays in her history and on the
// month, but her figures and estimates leave it out, and say why.

#include <QDate>
#include <QString>

enum class LeftOutReason { Gravidez = 1, Amamentacao, Doenca, Medicamento, Outro };

struct LeftOutCycle
{
    QDate start;
    LeftOutReason reason = LeftOutReason::Outro;
    bool operator==(const LeftOutCycle &) const = default;
};

namespace LeftOutCycles {

constexpr int firstReason = int(LeftOutReason::Gravidez);
constexpr int lastReason = int(LeftOutReason::Outro);

// "gravidez", "amamentação", "doença", "medicamento", "outro"
QString reasonWord(LeftOutReason reason);

} // namespace LeftOutCycles
