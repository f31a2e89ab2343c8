#include "Autostart.h"

#include "OwnFile.h"
#include "OwnFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace {

QString configHome()
{
    // As the XDG base directories say: only an absolute $XDG_CONFIG_HOME counts.
    const QString given = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(given) ? given : OwnFolder::home() + QStringLiteral("/.config");
}

// A desktop entry's Exec argument: quoted, its reserved characters escaped.
QString quoted(const QString &program)
{
    QString escaped;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            escaped += u'\\';
        escaped += c;
    }
    // A backslash is itself escaped once more by the file's string rules.
    escaped.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    return u'"' + escaped + u'"';
}

} // namespace

namespace Autostart {

QString location()
{
    return configHome() + QStringLiteral("/autostart/br.com.quintrela.Lembretes.desktop");
}

FileProblem install(const QString &program)
{
    if (FileProblem problem = OwnFolder::prepare(QFileInfo(location()).path()))
        return problem;
    const QByteArray entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=Lembrete da Quintrela\n"
                                            "Exec=%1 %2\nNoDisplay=true\nX-GNOME-Autostart-enabled=true\n")
                                 .arg(quoted(program), argument)
                                 .toUtf8();
    OwnFile file(location(), OwnFile::Access::Write);
    if (!file.isOpen())
        return file.problem();
    if (!file.resize(0) || !file.writeAt(0, entry))
        return file.problem();
    return {};
}

FileProblem remove()
{
    const QFileInfo entry(location());
    if (!entry.exists() && !entry.isSymLink())
        return {};
    // Only a file of hers goes: a link or another's stays where it is.
    {
        OwnFile file(location(), OwnFile::Access::Write);
        if (!file.isOpen())
            return file.problem();
    }
    if (::unlink(QFile::encodeName(location()).constData()) != 0)
        return FileProblem::fromErrno(errno, location());
    return {};
}

bool installed()
{
    const QFileInfo entry(location());
    return entry.exists() || entry.isSymLink();
}

} // namespace Autostart
