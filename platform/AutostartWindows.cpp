#include "Autostart.h"

#include <QDir>
#include <QSettings>

#include <cerrno>

namespace {

const QString runKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString valueName = QStringLiteral("Lembrete da Quintrela");

FileProblem problemOf(const QSettings &run)
{
    if (run.status() == QSettings::NoError)
        return {};
    return FileProblem::fromErrno(EACCES, Autostart::location());
}

} // namespace

namespace Autostart {

QString location()
{
    return runKey + u'\\' + valueName;
}

FileProblem install(const QString &program)
{
    // Her own hive: no other account writes there, and it holds no links.
    QSettings run(runKey, QSettings::NativeFormat);
    run.setValue(valueName, u'"' + QDir::toNativeSeparators(program) + QStringLiteral("\" ") + argument);
    run.sync();
    return problemOf(run);
}

FileProblem remove()
{
    QSettings run(runKey, QSettings::NativeFormat);
    run.remove(valueName);
    run.sync();
    return problemOf(run);
}

bool installed()
{
    return QSettings(runKey, QSettings::NativeFormat).contains(valueName);
}

} // namespace Autostart
