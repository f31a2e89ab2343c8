#include "HistoryProblem.h"

#include <QDir>

QString HistoryProblem::sentence() const
{
    const QString where = QDir::toNativeSeparators(path);
    switch (cause) {
    case Cause::None:
        return {};
    case Cause::File:
        return file.sentence();
    case Cause::Damaged:
        return QStringLiteral("O arquivo do histórico %1 está danificado. A Quintrela não o altera nem o apaga: "
                              "guarde uma cópia dele, ou apague-o para começar um histórico novo.")
            .arg(where);
    case Cause::Foreign:
        return QStringLiteral("O arquivo %1 não é um histórico da Quintrela. A Quintrela não o altera nem o apaga.")
            .arg(where);
    case Cause::Newer:
        return QStringLiteral("O histórico %1 foi gravado por uma versão mais nova da Quintrela. Para não "
                              "estragá-lo, esta versão não o lê nem grava nele.")
            .arg(where);
    case Cause::TooLarge:
        return QStringLiteral("O arquivo %1 é grande demais para ser um histórico da Quintrela. A Quintrela não o lê, "
                              "não o altera nem o apaga.")
            .arg(where);
    case Cause::OpenElsewhere:
        return QStringLiteral("Estes dados protegidos já estão abertos em outra Quintrela neste computador. Bloqueie-os "
                              "lá (Ctrl+L) ou feche aquela janela, e tente de novo.");
    case Cause::WrongKey:
        return QStringLiteral("O nome ou a senha não conferem. Confira os dois e tente de novo.");
    case Cause::Other:
        return QStringLiteral("O histórico %1 não pôde ser usado (erro número %2 do SQLite).").arg(where).arg(code);
    }
    return {};
}
