// Her files on Windows: links and junctions, other names of the same file,
// the folders the program makes and where an installed copy keeps them.

#include "HistoryStore.h"
#include "OwnFile.h"
#include "OwnFolder.h"
#include "SettingsFile.h"
#include "TestSupport.h"
#include "WholeFileSave.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

#include <cstdio>
#include <functional>

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

using Cause = FileProblem::Cause;

namespace {

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

class WindowsFilesTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString at(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    // A symbolic link, only if the system really made one (Wine says it did
    // and makes none).
    bool symlink(const QString &link, const QString &target, bool folder)
    {
        const DWORD flags = (folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
        return CreateSymbolicLinkW(native(link).c_str(), native(target).c_str(), flags)
            && GetFileAttributesW(native(link).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

} // namespace

TEST_F(WindowsFilesTest, AnotherNameOrALinkIsNeverWrittenThrough)
{
    const QString target = at("elsewhere.dat");
    TestSupport::writeBytes(target, "hers");
    const QString hard = at("hard.dat");
    ASSERT_TRUE(CreateHardLinkW(native(hard).c_str(), native(target).c_str(), nullptr));
    struct Case {
        QString path;
        Cause cause;
    };
    std::vector<Case> cases{{hard, Cause::HardLinkedFile}};
    if (const QString link = at("link.dat"); symlink(link, target, false))
        cases.push_back({link, Cause::LinkedFile});
    for (const auto &c : cases) {
        OwnFile file(c.path, OwnFile::Access::Write);
        EXPECT_FALSE(file.isOpen()) << qPrintable(c.path);
        EXPECT_EQ(file.problem().cause, c.cause) << qPrintable(c.path);
        EXPECT_EQ(saveWholeFile(c.path, "page").cause, c.cause) << qPrintable(c.path);
    }
    EXPECT_EQ(TestSupport::readBytes(target), "hers");
    // Reading one of two names is harmless.
    EXPECT_TRUE(OwnFile(hard, OwnFile::Access::Read).isOpen());
}

TEST_F(WindowsFilesTest, ALinkedFolderIsRefusedAndAMissingOneIsMade)
{
    const QString made = at("a/b/Quintrela");
    EXPECT_TRUE(OwnFolder::prepare(made).ok());
    EXPECT_TRUE(QFileInfo(made).isDir());
    TestSupport::writeBytes(at("plain"), "x");
    EXPECT_EQ(OwnFolder::prepare(at("plain")).cause, Cause::NotAFolder);

    // Under Wine, a link the build planted on the host (Wine shows those).
    QString link = qEnvironmentVariable("QUINTRELA_PLANTED_FOLDER_LINK");
    if (link.isEmpty()) {
        link = at("linked");
        if (!symlink(link, made, true))
            GTEST_SKIP() << "this system makes no symbolic links";
    }
    EXPECT_EQ(OwnFolder::prepare(link).cause, Cause::LinkedFolder);
    EXPECT_EQ(SettingsFile(SettingsFile::inFolder(link)).readWithWriteBack().problem.cause, Cause::LinkedFolder);
}

TEST_F(WindowsFilesTest, AWholeFileReplacesTheOldOneAndLeavesNothingBehind)
{
    const QString path = at("maio.pdf");
    TestSupport::writeBytes(path, "old page");
    ASSERT_TRUE(saveWholeFile(path, "new page").ok());
    EXPECT_EQ(TestSupport::readBytes(path), "new page");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"maio.pdf"});
    EXPECT_EQ(saveWholeFile(at("missing/maio.pdf"), "page").cause, Cause::FolderMissing);

    // A save killed midway left its temporary file an hour ago: the next save
    // removes it, and leaves a fresh one (a save at work) and any other file.
    const auto plant = [&](const char *name, int secondsAgo) {
        TestSupport::writeBytes(at(name), "half a page");
        const HANDLE file = CreateFileW(native(at(name)).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        FILETIME now {};
        GetSystemTimeAsFileTime(&now);
        ULARGE_INTEGER t {};
        t.LowPart = now.dwLowDateTime;
        t.HighPart = now.dwHighDateTime;
        t.QuadPart -= quint64(secondsAgo) * 10000000;
        const FILETIME then {t.LowPart, t.HighPart};
        SetFileTime(file, nullptr, nullptr, &then);
        CloseHandle(file);
    };
    plant(".quintrela-0badf00d", 3600);
    plant(".quintrela-1234abcd", 0);
    plant(".quintrela-x", 3600);
    ASSERT_TRUE(saveWholeFile(path, "third page").ok());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{".quintrela-1234abcd", ".quintrela-x", "maio.pdf"}));
}

namespace {

// The file's access list as Windows tells it (SDDL), read back by name.
QString accessList(const QString &path)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(native(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                              nullptr, nullptr, &descriptor)
        != ERROR_SUCCESS)
        return QStringLiteral("unreadable");
    wchar_t *text = nullptr;
    ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text,
                                                         nullptr);
    const QString list = text ? QString::fromWCharArray(text) : QString();
    LocalFree(text);
    LocalFree(descriptor);
    return list;
}

} // namespace

TEST_F(WindowsFilesTest, HerFilesAreHersAloneInAFolderEveryoneMayRead)
{
    // A portable folder as unpacked on a family computer: every account may
    // read what is made in it.
    const QString shared = at("Quintrela");
    PSECURITY_DESCRIPTOR open = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;OICI;FA;;;WD)", SDDL_REVISION_1, &open, nullptr));
    SECURITY_ATTRIBUTES attributes{sizeof attributes, open, FALSE};
    ASSERT_TRUE(CreateDirectoryW(native(shared).c_str(), &attributes));
    LocalFree(open);
    const QString plain = shared + "/plain.dat";
    TestSupport::writeBytes(plain, "made by another program");
    ASSERT_TRUE(accessList(plain).contains(";;;WD)")) << qPrintable(accessList(plain)); // the folder's rights reach it

    const struct
    {
        const char *what;
        QString path;
        std::function<bool(const QString &)> write;
    } writers[] = {
        {"the records", shared + "/quintrela.dat",
         [](const QString &p) { return OwnFile(p, OwnFile::Access::Write).isOpen(); }},
        {"the setting", shared + "/qtrconf.dat",
         [](const QString &p) { return SettingsFile(p).write(SettingsFile::valueEndIsNext); }},
        {"an export", shared + "/Quintrela Maria.ics", [](const QString &p) { return saveWholeFile(p, "agenda").ok(); }},
        // Saved whole each time: a new file in place of the old one.
        {"her history", shared + "/historico.db",
         [&](const QString &) { return HistoryStore(shared).add("Maria", {QDate(2026, 11, 2)}).problem.ok(); }},
        {"her history's lock", shared + "/historico.lock", [](const QString &) { return true; }},
        {"one of hers found open to all", plain,
         [](const QString &p) { return OwnFile(p, OwnFile::Access::Write).isOpen(); }},
    };
    // Twice: made, then found and written again (a second start, a second
    // consultation), when her list is set on the file she already has.
    for (int round = 1; round <= 2; ++round) {
        for (const auto &w : writers) {
            ASSERT_TRUE(w.write(w.path)) << w.what;
            const QString list = accessList(w.path);
            EXPECT_FALSE(list.contains(";;;WD)")) << round << ' ' << w.what << ": " << qPrintable(list);
            EXPECT_FALSE(list.contains(";;;BU)") || list.contains(";;;AU)")) << w.what << ": " << qPrintable(list);
            EXPECT_TRUE(list.contains(";;;SY)")) << w.what << ": " << qPrintable(list);
        }
    }
    EXPECT_EQ(TestSupport::readBytes(plain), "made by another program");
}

TEST_F(WindowsFilesTest, ALongPathWorksAndAFileHeldOpenIsToldSo)
{
    // Past 260 characters: her files and her pages are kept there too.
    QString deep = dir.path();
    while (deep.size() < 300)
        deep += QStringLiteral("/pasta-com-um-nome-longo");
    ASSERT_TRUE(OwnFolder::prepare(deep).ok()) << qPrintable(deep);
    const QString records = deep + "/quintrela.dat";
    {
        OwnFile file(records, OwnFile::Access::Write);
        ASSERT_TRUE(file.isOpen()) << qPrintable(file.problem().sentence());
        ASSERT_TRUE(file.writeAt(0, "Maria"));
    }
    QByteArray read;
    OwnFile again(records, OwnFile::Access::Read);
    ASSERT_TRUE(again.isOpen() && again.readAll(read));
    EXPECT_EQ(read, "Maria");
    EXPECT_TRUE(saveWholeFile(deep + "/maio.pdf", "page").ok());

    // A page open in a viewer that shares nothing: its own cause, not "no permission".
    const QString pdf = at("aberto.pdf");
    TestSupport::writeBytes(pdf, "older page");
    const HANDLE viewer = CreateFileW(native(pdf).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(viewer, INVALID_HANDLE_VALUE);
    const FileProblem held = saveWholeFile(pdf, "newer page");
    CloseHandle(viewer);
    EXPECT_EQ(held.cause, Cause::OpenElsewhere) << qPrintable(held.sentence());
    EXPECT_TRUE(held.sentence().contains(QString::fromUtf8("aberto em outro programa"))) << qPrintable(held.sentence());
    EXPECT_EQ(TestSupport::readBytes(pdf), "older page");
}

TEST_F(WindowsFilesTest, AFolderOfAnotherAccountIsNeverUsed)
{
    // Under Wine a folder's owner is its Unix owner: the build planted one
    // of another user's (QUINTRELA_FOREIGN_FOLDER).
    const QString foreign = qEnvironmentVariable("QUINTRELA_FOREIGN_FOLDER");
    if (foreign.isEmpty())
        GTEST_SKIP() << "no folder of another account to try";
    EXPECT_EQ(SettingsFile(SettingsFile::inFolder(foreign)).write(SettingsFile::valueEndIsNext) ? Cause::None
                                                                                                 : Cause::ForeignFolder,
              Cause::ForeignFolder);
    EXPECT_EQ(OwnFile(foreign + "/quintrela.dat", OwnFile::Access::Read).problem().cause, Cause::ForeignFolder);
    EXPECT_FALSE(QFileInfo::exists(foreign + "/qtrconf.dat"));
}

TEST(WindowsDataPlace, AnInstalledProgramKeepsHerFilesInHerAppData)
{
    const QString home = OwnFolder::userDataHome();
    EXPECT_TRUE(QDir::isAbsolutePath(home)) << qPrintable(home);
    EXPECT_TRUE(home.endsWith(QStringLiteral("AppData/Roaming"), Qt::CaseInsensitive)) << qPrintable(home);

    const struct {
        const char *folder;
        bool system;
    } cases[] = {
        {"C:/Program Files/Quintrela", true},
        {"c:/program files/Quintrela", true},
        {"C:\\Program Files\\Quintrela", true},
        {"C:/Program Files (x86)/Quintrela", true},
        {"C:/Program Files", true},
        {"C:/Program FilesX/Quintrela", false},
        {"C:/users/ana/Downloads/Quintrela", false},
        {"E:/Quintrela", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OwnFolder::isSystemProgramFolder(QDir::fromNativeSeparators(QString::fromLatin1(c.folder))), c.system)
            << c.folder;
}
