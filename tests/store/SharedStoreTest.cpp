#include "store/RegKey.h"
#include "store/RegistryLocation.h"
#include "support/TempRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const CRegKey PLAYERS(HKEY_LOCAL_MACHINE, "Players");
const QByteArray HEADER = "Windows Registry Editor Version 5.00\n";

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& strPath, const QByteArray& data)
{
    QFile file(strPath);
    file.open(QIODevice::WriteOnly);
    file.write(data);
}

ino_t Inode(const QString& strPath)
{
    struct stat info {
    };
    lstat(QFile::encodeName(strPath).constData(), &info);
    return info.st_ino;
}

// The shared folder as an install makes it, owned by this process's user and group.
class CSharedFolderTest : public testing::Test
{
protected:
    CSharedFolderTest()
    {
        m_dir.mkdir("shared");
        WriteAll(Store(), HEADER);
        WriteAll(Backup(), {});
        QFile::setPermissions(Store(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                           QFile::WriteGroup | QFile::ReadOther);
        QFile::setPermissions(Backup(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                            QFile::WriteGroup);
    }

    QString Folder() const { return m_reg.Dir() + "/shared"; }
    QString Store() const { return Folder() + "/Kelvara.reg"; }
    QString Backup() const { return Folder() + "/Kelvara.reg.bak"; }
    QString Victim() const { return m_reg.Dir() + "/victim"; }
    void Share() { SetSharedStore(Folder(), geteuid(), getegid()); }
    bool IsShared() const { return RegistryLocation(HKEY_LOCAL_MACHINE).pShared != nullptr; }

    TempRegistry m_reg;
    QDir m_dir{m_reg.Dir()};
};

} // namespace

// Guards against the shared file being replaced (it would then belong to the last writer, and
// keep a mode that writer chose) or anything being made beside it, such as a lock file.
TEST_F(CSharedFolderTest, WritesInPlaceAndMakesNothingBesideTheStore)
{
    Share();
    ASSERT_TRUE(IsShared());
    const ino_t nInode = Inode(Store());
    for (const char* pszName : {"Anna", "Bob", "Cy"})
        EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, QString("Players\\") + pszName).SetInt("Dict", 1));
    QStringList names;
    EXPECT_EQ(PLAYERS.EnumSubKeys(&names), 3);
    EXPECT_EQ(Inode(Store()), nInode);
    EXPECT_EQ(QFileInfo(Store()).permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                  QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther);
    EXPECT_EQ(QDir(Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"Kelvara.reg", "Kelvara.reg.bak"}));
    EXPECT_TRUE(ReadAll(Store()).contains("\n; Kelvara table, generation 3, "));
}

// Guards against following a symlink, or trusting a file of someone else's, a second name of
// another file, a FIFO or a world-writable file: nothing is read or written through them, and
// the machine root keeps a file of its own instead, quietly.
TEST_F(CSharedFolderTest, RefusesWhatAnInstallDidNotMake)
{
    WriteAll(Victim(), "[HKEY_LOCAL_MACHINE\\Software\\Torvane\\Kelvara\\Players\\Eve]\n");
    QFile::remove(Store());
    QFile::link(Victim(), Store());
    Share();
    EXPECT_FALSE(IsShared());
    PLAYERS.SetInt("x", 1);
    EXPECT_EQ(PLAYERS.EnumSubKeys(), 0);

    QFile::remove(Store());
    link(QFile::encodeName(Victim()).constData(), QFile::encodeName(Store()).constData());
    Share();
    EXPECT_FALSE(IsShared());

    QFile::remove(Store());
    mkfifo(QFile::encodeName(Store()).constData(), 0664);
    Share();
    EXPECT_FALSE(IsShared());

    QFile::remove(Store());
    WriteAll(Store(), HEADER);
    QFile::setPermissions(Store(), QFileInfo(Store()).permissions() | QFile::WriteOther);
    Share();
    EXPECT_FALSE(IsShared());
    QFile::setPermissions(Store(), QFile::ReadOwner | QFile::WriteOwner);
    SetSharedStore(Folder(), geteuid() + 1, getegid());
    EXPECT_FALSE(IsShared());
    m_dir.rename("shared", "real");
    QFile::link(m_reg.Dir() + "/real", Folder());
    Share();
    EXPECT_FALSE(IsShared());
    EXPECT_EQ(ReadAll(Victim()),
              "[HKEY_LOCAL_MACHINE\\Software\\Torvane\\Kelvara\\Players\\Eve]\n");
    EXPECT_TRUE(QFile::exists(m_reg.MachineFile()));
}

// Guards against losing what a person wrote that cannot be read, keeping it where a user could
// have pointed a symlink, or writing through a symlink put in place while the game runs.
TEST_F(CSharedFolderTest, KeepsADamagedFileInItsBackupAndNeverWritesThroughASymlink)
{
    const QByteArray damaged =
        HEADER + "[HKEY_LOCAL_MACHINE\\Software\\Torvane\\Kelvara\\Players\\Anna]\nbad line\n";
    WriteAll(Store(), damaged);
    Share();
    const ino_t nBackupInode = Inode(Backup());
    EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Bob").SetInt("Dict", 1));
    EXPECT_EQ(ReadAll(Backup()), damaged);
    EXPECT_EQ(Inode(Backup()), nBackupInode);
    EXPECT_EQ(PLAYERS.EnumSubKeys(), 2);

    WriteAll(Victim(), "secret\n");
    m_dir.rename("shared/Kelvara.reg", "kept.reg");
    QFile::link(Victim(), Store());
    EXPECT_FALSE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Cy").SetInt("Dict", 1));
    EXPECT_EQ(PLAYERS.EnumSubKeys(), 3); // the game goes on with what it has
    QFile::remove(Store());
    m_dir.rename("kept.reg", "shared/Kelvara.reg");
    WriteAll(Store(), damaged);
    QFile::remove(Backup());
    QFile::link(Victim(), Backup());
    EXPECT_FALSE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Dee").SetInt("Dict", 1));
    EXPECT_EQ(ReadAll(Victim()), "secret\n");
    EXPECT_EQ(ReadAll(Store()), damaged);
}
