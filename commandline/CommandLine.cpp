#include "CommandLine.h"

#include <cstdio>

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
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
                         && std::fflush(stdout) == 0;
    return written ? 0 : 1;
}

} // namespace CommandLine
