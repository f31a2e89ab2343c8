#include "SaveLocation.h"

#include <QDir>
#include <QStandardPaths>

namespace SaveLocation {

QString suggested(const QString &fileName)
{
    // Qt names a Documents folder even where there is none, and a dialog
    // asked to start in a missing folder starts in the current one.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder(!documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath());
    return folder.filePath(fileName);
}

QString fileNameFor(const QString &text)
{
    QString name = text;
    for (QChar &c : name) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            c = u'-';
    }
    return name.trimmed();
}

} // namespace SaveLocation
