#include "NameKey.h"

#include "DateText.h"
#include "UserRecord.h"

namespace NameKey {

QString of(const QString &storedName)
{
    return DateText::trimBlanks(storedName.left(UserRecord::nomeWidth)).toUpper();
}

QString ofTyped(const QString &typedName)
{
    // What the field kept of a long name lost its trailing blanks when read.
    if (typedName.size() > UserRecord::nomeWidth)
        return of(typedName);
    return typedName.toUpper();
}

} // namespace NameKey
