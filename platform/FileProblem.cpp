#include "FileProblem.h"

#include <QDir>

#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <unistd.h>
#endif

FileProblem FileProblem::fromErrno(int error, const QString &path)
{
    FileProblem p;
    p.path = path;
    switch (error) {
    case 0:
        p.path.clear();
        break;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        p.cause = Cause::NoSpace;
        break;
    case EACCES:
    case EPERM:
        p.cause = Cause::NoPermission;
        break;
    case EROFS:
        p.cause = Cause::ReadOnlyDisk;
        break;
    case ENOENT:
    case ENOTDIR:
        p.cause = Cause::FolderMissing;
        break;
    case ELOOP:
        p.cause = Cause::LinkedFile;
        break;
    case EISDIR:
        p.cause = Cause::NotAFile;
        break;
    default:
        p.cause = Cause::Other;
        p.detail = QString::fromLocal8Bit(std::strerror(error));
        break;
    }
    return p;
}

QString FileProblem::sentence() const
{
    const QString where = QDir::toNativeSeparators(path);
    switch (cause) {
    case Cause::None:
        return {};
    case Cause::NoSpace:
        return QStringLiteral("Não há espaço livre no disco onde fica %1.").arg(where);
    case Cause::NoPermission:
        return QStringLiteral("Você não tem permissão para gravar em %1.").arg(where);
    case Cause::ReadOnlyDisk:
        return QStringLiteral("O disco onde fica %1 é somente para leitura.").arg(where);
    case Cause::FolderMissing:
        return QStringLiteral("A pasta de %1 não existe.").arg(where);
    case Cause::LinkedFile:
        return QStringLiteral("O arquivo %1 é um atalho (link) para outro lugar. Para proteger os seus dados, "
                              "o programa não abre arquivos através de atalhos.")
            .arg(where);
    case Cause::LinkedFolder:
        return QStringLiteral("A pasta %1 é um atalho (link) para outro lugar. Para proteger os seus dados, "
                              "o programa não grava em pastas que sejam atalhos.")
            .arg(where);
    case Cause::NotAFile:
        return QStringLiteral("%1 não é um arquivo comum.").arg(where);
    case Cause::NotAFolder:
        return QStringLiteral("%1 não é uma pasta.").arg(where);
    case Cause::ForeignFile:
        return QStringLiteral("O arquivo %1 pertence a outro usuário.").arg(where);
    case Cause::ForeignFolder: {
        QString text = QStringLiteral("A pasta %1 pertence a outro usuário.").arg(where);
#ifndef _WIN32
        if (::geteuid() == 0)
            text += QStringLiteral(" O programa está sendo executado como administrador (sudo): execute-o com o "
                                   "seu próprio usuário, sem sudo.");
#endif
        return text;
    }
    case Cause::HardLinkedFile:
        return QStringLiteral("O arquivo %1 tem outros nomes (links) no disco. Para proteger os seus dados, o "
                              "programa não grava nele.")
            .arg(where);
    case Cause::FolderOpenToOthers:
        return QStringLiteral("A pasta %1 pode ser alterada por outros usuários. Para proteger os seus dados, o "
                              "programa não grava nela.")
            .arg(where);
    case Cause::Other:
        return QStringLiteral("O sistema informou: %1 (%2).").arg(detail, where);
    }
    return {};
}
