// The shared store's file rules (in place, refusals, backup) in one process, without an install.
#include "StoreTestFiles.h"
#include "store/RegKey.h"
#include "store/RegistryLocation.h"
#include "support/TempRegistry.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const CRegKey PLAYERS(HKEY_LOCAL_MACHINE, "Players");
const QByteArray HEADER = "Windows Registry Editor Version 5.00\n";

// A path as the system calls take it, for the length of the call.
struct Path {
    explicit Path(const QString& strPath) : m_path(QFile::encodeName(strPath)) {}
    operator const char*() const { return m_path.constData(); }
    QByteArray m_path;
};

struct stat Stat(const QString& strPath)
{
    struct stat info {
    };
    lstat(Path(strPath), &info);
    return info;
}

// The shared folder as an install makes it, for this process's user and group.
struct CSharedFolderTest : testing::Test {
    CSharedFolderTest()
    {
        QDir(m_reg.Dir()).mkdir("shared");
        WriteAll(Store(), HEADER);
        WriteAll(Backup(), {});
        chmod(Path(Store()), 0664);
        chmod(Path(Backup()), 0660);
    }

    QString Folder() const { return m_reg.Dir() + "/shared"; }
    QString Store() const { return Folder() + "/Kelvara.reg"; }
    QString Backup() const { return Folder() + "/Kelvara.reg.bak"; }
    QString Victim() const { return m_reg.Dir() + "/victim"; }
    void RemoveStore() const { QFile::remove(Store()); }
    void Share() { SetSharedStore(Folder(), m_uidOwner, getegid()); }
    bool IsShared() const { return RegistryLocation(HKEY_LOCAL_MACHINE).pShared != nullptr; }

    TempRegistry m_reg;
    uid_t m_uidOwner = geteuid();
};

} // namespace

// Guards against the shared file replaced (then the last writer's) or anything made beside it.
TEST_F(CSharedFolderTest, WritesInPlaceAndMakesNothingBesideTheStore)
{
    Share();
    ASSERT_TRUE(IsShared());
    const struct stat installed = Stat(Store());
    for (const char* pszName : {"Anna", "Bob", "Cy"})
        EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, QString("Players\\") + pszName).SetInt("Dict", 1));
    EXPECT_EQ(PLAYERS.EnumSubKeys(), 3);
    EXPECT_EQ(Stat(Store()).st_ino, installed.st_ino);
    EXPECT_EQ(Stat(Store()).st_mode, installed.st_mode);
    EXPECT_EQ(QDir(Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"Kelvara.reg", "Kelvara.reg.bak"}));
    EXPECT_TRUE(ReadAll(Store()).contains("\n; Kelvara table, generation 3, "));
}

// Guards against any user, who may open the store to read it, holding up every write.
TEST_F(CSharedFolderTest, AReadersLockOnTheStoreHoldsUpNoWrite)
{
    Share();
    const int fd = open(Path(Store()), O_RDONLY);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Anna").SetInt("Dict", 1));
    close(fd);
}

// Guards against a store too big to read taking every copy down, or being copied whole.
TEST_F(CSharedFolderTest, AHugeStoreIsDamagedAndOnlyItsStartKept)
{
    QFile(Store()).resize(qint64(40) << 30); // sparse
    Share();
    EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Anna").SetInt("Dict", 1));
    EXPECT_EQ(QFileInfo(Backup()).size(), 16 << 20);
    EXPECT_EQ(PLAYERS.EnumSubKeys(), 1);
}

// Guards against a table at the last generation stopping every later write.
TEST_F(CSharedFolderTest, AWriteAfterTheLastGenerationLands)
{
    const QByteArray body = "\n[HKEY_LOCAL_MACHINE\\Software\\Torvane\\Kelvara\\Players\\Anna]\n";
    QByteArray last = "18446744073709551615 " + QByteArray::number(body.size());
    const QByteArray hash = QCryptographicHash::hash(last + '\n' + body, QCryptographicHash::Sha256);
    WriteAll(Store(), HEADER + "; Kelvara table, generation " + last.replace(' ', ", ") + " bytes, sha256 " +
                          hash.toHex().first(16) + '\n' + body);
    Share();
    EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Bob").SetInt("Dict", 1));
    EXPECT_EQ(PLAYERS.EnumSubKeys(), 2);
}

// What an install did not make, set up in the shared folder.
struct Intrusion {
    const char* pszName;
    void (*setUp)(CSharedFolderTest& test);
};
void PrintTo(const Intrusion& intrusion, std::ostream* pOut)
{
    *pOut << intrusion.pszName;
}
struct RefusedTest : CSharedFolderTest, testing::WithParamInterface<Intrusion> {
};

// Guards against reading or writing through anything an install did not make.
TEST_P(RefusedTest, NothingIsReadOrWrittenThroughIt)
{
    const QByteArray victim = "[HKEY_LOCAL_MACHINE\\Software\\Torvane\\Kelvara\\Players\\Eve]\n";
    WriteAll(Victim(), victim);
    GetParam().setUp(*this);
    Share();
    EXPECT_FALSE(IsShared());
    EXPECT_EQ(PLAYERS.EnumSubKeys(), 0);
    EXPECT_TRUE(PLAYERS.SetInt("x", 1));
    EXPECT_TRUE(QFile::exists(m_reg.MachineFile()));
    EXPECT_EQ(ReadAll(Victim()), victim);
}

using T = CSharedFolderTest;
// clang-format off
INSTANTIATE_TEST_SUITE_P(SharedFolder, RefusedTest, testing::Values(
    Intrusion{"StoreSymlink", [](T& t) { t.RemoveStore(); QFile::link(t.Victim(), t.Store()); }},
    Intrusion{"StoreSecondName", [](T& t) { t.RemoveStore(); link(Path(t.Victim()), Path(t.Store())); }},
    Intrusion{"StoreFifo", [](T& t) { t.RemoveStore(); mkfifo(Path(t.Store()), 0664); }},
    Intrusion{"StoreWritableByOthers", [](T& t) { chmod(Path(t.Store()), 0666); }},
    Intrusion{"FolderWritableByOthers", [](T& t) { chmod(Path(t.Folder()), 0777); }},
    Intrusion{"FolderOfAnotherOwner", [](T& t) { t.m_uidOwner = geteuid() + 1; }},
    Intrusion{"FolderThroughASymlink", [](T& t) {
        QDir(t.m_reg.Dir()).rename("shared", "real");
        QFile::link(t.m_reg.Dir() + "/real", t.Folder()); }}),
    [](const testing::TestParamInfo<Intrusion>& info) { return info.param.pszName; });
// clang-format on

// Guards against a damaged file lost, or a backup or store written through a symlink.
TEST_F(CSharedFolderTest, KeepsADamagedFileInItsBackupAndNeverWritesThroughASymlink)
{
    const QByteArray damaged =
        HEADER + "[HKEY_LOCAL_MACHINE\\Software\\Torvane\\Kelvara\\Players\\Anna]\nbad line\n";
    WriteAll(Store(), damaged);
    Share();
    const ino_t nBackupInode = Stat(Backup()).st_ino;
    EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Bob").SetInt("Dict", 1));
    EXPECT_EQ(ReadAll(Backup()), damaged);
    EXPECT_EQ(Stat(Backup()).st_ino, nBackupInode);

    WriteAll(Victim(), "secret\n");
    QFile::rename(Store(), m_reg.Dir() + "/kept.reg");
    QFile::link(Victim(), Store());
    EXPECT_FALSE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Cy").SetInt("Dict", 1));
    EXPECT_EQ(PLAYERS.EnumSubKeys(), 3); // the game goes on with what it has
    QFile::remove(Store());
    QFile::rename(m_reg.Dir() + "/kept.reg", Store());
    WriteAll(Store(), damaged);
    QFile::remove(Backup());
    QFile::link(Victim(), Backup());
    EXPECT_FALSE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Dee").SetInt("Dict", 1));
    EXPECT_EQ(ReadAll(Victim()), "secret\n");
    EXPECT_EQ(ReadAll(Store()), damaged);
}
