#include "FileProblem.h"

#include <QDir>

#include <cerrno>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

// What the file layer can meet beyond the causes above, in her words.
QString systemWords(int error)
{
    switch (error) {
    case ENAMETOOLONG:
        return QStringLiteral("o nome ou o caminho é longo demais");
    case EIO:
        return QStringLiteral("erro de leitura ou gravação no disco");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("há arquivos abertos demais");
    case ENOMEM:
        return QStringLiteral("falta memória");
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return QStringLiteral("o arquivo está em uso por outro programa");
    case EAGAIN:
        return QStringLiteral("o arquivo está ocupado; tente de novo");
    case EINVAL:
        return QStringLiteral("o nome ou a operação não é aceito por este disco");
    case EEXIST:
        return QStringLiteral("já existe um arquivo com este nome");
    case EXDEV:
        return QStringLiteral("o arquivo está em outro disco");
    case EOVERFLOW:
        return QStringLiteral("o arquivo é grande demais");
#ifdef ESTALE
    case ESTALE:
        return QStringLiteral("a pasta de rede não está mais disponível");
#endif
    case ETIMEDOUT:
        return QStringLiteral("o disco demorou demais para responder");
    case ENOTEMPTY:
        return QStringLiteral("a pasta não está vazia");
    case EBADF:
        return QStringLiteral("o arquivo foi fechado antes da hora");
    default:
        return QStringLiteral("erro número %1").arg(error);
    }
}

} // namespace

FileProblem FileProblem::fromErrno(int error, const QString &path, Use use)
{
    FileProblem p;
    p.path = path;
    p.reading = use == Use::Read;
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
        p.cause = Cause::FolderMissing;
        break;
    case ENOTDIR:
        p.cause = Cause::FileInTheWay;
        break;
    case ELOOP:
        p.cause = Cause::LinkedFile;
        break;
    case EISDIR:
    case ENXIO:
    case ENODEV:
        p.cause = Cause::NotAFile;
        break;
    default:
        p.cause = Cause::Other;
        p.detail = systemWords(error);
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
        return reading ? QStringLiteral("Você não tem permissão para ler %1.").arg(where)
                       : QStringLiteral("Você não tem permissão para gravar em %1.").arg(where);
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
                              "o programa não usa pastas que sejam atalhos.")
            .arg(where);
    case Cause::NotAFile:
        return QStringLiteral("%1 não é um arquivo comum.").arg(where);
    case Cause::NotAFolder:
        return QStringLiteral("%1 não é uma pasta.").arg(where);
    case Cause::FileInTheWay:
        return QStringLiteral("No caminho de %1 há um arquivo onde deveria haver uma pasta.").arg(where);
    case Cause::OpenElsewhere:
        return QStringLiteral("O arquivo %1 está aberto em outro programa. Feche-o e tente de novo.").arg(where);
    case Cause::TooLarge:
        return QStringLiteral("O arquivo %1 é grande demais para ser um arquivo de dados da Quintrela. Para proteger "
                              "os seus dados, o programa não o lê nem grava nele.")
            .arg(where);
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
