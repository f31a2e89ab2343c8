#include "CommandLine.h"

#include "ParentConsole.h"

namespace CommandLine {

QString versionLine()
{
    return QStringLiteral("Quintrela " QUINTRELA_VERSION);
}

std::optional<int> answer(const QStringList &arguments, const QString &program, const QString &purpose)
{
    QString text;
    if (arguments.contains(QStringLiteral("--version")))
        text = versionLine() + u'\n';
    else if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h")))
        text = QStringLiteral("Uso: %1 [--help | --version]\n\n%2\n\n"
                              "  --help     mostra esta ajuda e termina\n"
                              "  --version  mostra a versão e termina\n")
                   .arg(program, purpose);
    else
        return std::nullopt;
    return ParentConsole::print(text) ? 0 : 1;
}

} // namespace CommandLine
