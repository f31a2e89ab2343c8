// Every cause the system gives is told in Portuguese, for what it is,
// whatever the locale the program runs under.

#include "FileProblem.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstring>

TEST(FileProblemTest, CausesAreToldForWhatTheyAre)
{
    using C = FileProblem::Cause;
    using U = FileProblem::Use;
    const struct
    {
        int error;
        U use;
        C cause;
        const char *told;
    } cases[] = {
        {ENOTDIR, U::Write, C::FileInTheWay, "No caminho de /d/f há um arquivo onde deveria haver uma pasta."},
        {EACCES, U::Read, C::NoPermission, "Você não tem permissão para ler /d/f."},
        {EACCES, U::Write, C::NoPermission, "Você não tem permissão para gravar em /d/f."},
        {ENOENT, U::Read, C::FolderMissing, "A pasta de /d/f não existe."},
        {ENAMETOOLONG, U::Write, C::Other, "O sistema informou: o nome ou o caminho é longo demais (/d/f)."},
        {EIO, U::Read, C::Other, "O sistema informou: erro de leitura ou gravação no disco (/d/f)."},
        {ENXIO, U::Read, C::NotAFile, "/d/f não é um arquivo comum."},
        {4095, U::Write, C::Other, "O sistema informou: erro número 4095 (/d/f)."},
    };
    for (const auto &c : cases) {
        const FileProblem p = FileProblem::fromErrno(c.error, "/d/f", c.use);
        EXPECT_EQ(p.cause, c.cause) << c.error;
        EXPECT_EQ(p.sentence(), QString::fromUtf8(c.told)) << c.error;
    }
}

TEST(FileProblemTest, NoSystemSentenceInTheCLibrarysLanguage)
{
    std::setlocale(LC_ALL, "C");
    for (int error = 1; error < 134; ++error) {
        const QString told = FileProblem::fromErrno(error, "/d/f").sentence();
        EXPECT_FALSE(told.contains(QString::fromLocal8Bit(std::strerror(error)))) << qPrintable(told);
    }
    std::setlocale(LC_ALL, "");
}
