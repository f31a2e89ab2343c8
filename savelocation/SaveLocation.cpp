#include "SaveLocation.h"

#include <QDir>
#include <QStandardPaths>

namespace SaveLocation {

namespace {

// Most file systems take names of at most 255 bytes: a longer suggestion
// would leave the dialog's Save button greyed out with no word why.
constexpr qsizetype longestName = 255;

QString fitted(const QString &fileName)
{
    if (fileName.toUtf8().size() <= longestName)
        return fileName;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString suffix = dot > 0 ? fileName.mid(dot) : QString();
    QString base = fileName.left(dot > 0 ? dot : fileName.size());
    while (!base.isEmpty() && (base + suffix).toUtf8().size() > longestName) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    return base.trimmed() + suffix;
}

} // namespace

QString suggested(const QString &fileName)
{
    // Qt names a Documents folder even where there is none, and a dialog
    // asked to start in a missing folder starts in the current one.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder(!documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath());
    return folder.filePath(fitted(fileName));
}

QString fileNameFor(const QString &text)
{
    QString name = text;
    for (QChar &c : name) {
        // What no file name may hold on Windows, on every system alike.
        if (QStringView(u"/\\<>:\"|?*").contains(c) || c.category() == QChar::Other_Control)
            c = u'-';
    }
    return name.trimmed();
}

} // namespace SaveLocation
