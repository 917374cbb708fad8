#include "RegKey.h"
#include "RegistryLocation.h"
#include "TempRegistry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{

const CRegKey SETTINGS(HKEY_CURRENT_USER, "Settings");
const QByteArray SECTION = "[HKEY_CURRENT_USER\\Software\\Torvane\\Kelvara\\Settings]\n";

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file as an editor saving a copy would.
void WriteAll(const QString& strPath, const QByteArray& data)
{
    QSaveFile file(strPath);
    file.open(QIODevice::WriteOnly);
    file.write(data);
    ASSERT_TRUE(file.commit());
}

bool ReadsDefault()
{
    bool bAutoStart = true;
    return !SETTINGS.GetBool("AutoStart", bAutoStart) && bAutoStart;
}

int g_nMessages = 0;

} // namespace

// A person must be able to read the file and change a value by hand; values of other
// types survive later writes unchanged.
TEST(StoreFile, ReadsAndEditsLikeARegistryExport)
{
    TempRegistry reg;
    SETTINGS.SetBool("AutoStart", true);
    SETTINGS.SetInt("ProgLang", -1);
    SETTINGS.SetString("LastPlayer", "An\"na\\");
    CRegKey(HKEY_CURRENT_USER, "Empty").SetInt("Gone", 1);
    CRegKey(HKEY_CURRENT_USER, "Empty").DeleteAllValues();
    QByteArray text = "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_CURRENT_USER\\Software]\n\n"
                      "[HKEY_CURRENT_USER\\Software\\Torvane]\n\n"
                      "[HKEY_CURRENT_USER\\Software\\Torvane\\Kelvara]\n\n" +
                      SECTION +
                      "\"AutoStart\"=dword:00000001\n"
                      "\"ProgLang\"=dword:ffffffff\n"
                      "\"LastPlayer\"=\"An\\\"na\\\\\"\n\n"
                      "[HKEY_CURRENT_USER\\Software\\Torvane\\Kelvara\\Empty]\n\n";
    EXPECT_EQ(ReadAll(reg.UserFile()), text);

    const QByteArray multi = "\"Multi\"=hex(7):61,00,00,00\n";
    WriteAll(reg.UserFile(),
             text.replace("\"AutoStart\"=dword:00000001\n", multi + "\"AutoStart\"=dword:0\n"));
    bool bAutoStart = true;
    EXPECT_TRUE(SETTINGS.GetBool("AutoStart", bAutoStart) && !bAutoStart);
    EXPECT_TRUE(SETTINGS.SetInt("ProgLang", 1) && ReadAll(reg.UserFile()).contains(multi));
    EXPECT_FALSE(QFile::exists(reg.UserFile() + ".bak"));
}

// Lines that cannot be read neither hide the good ones nor vanish at the next write.
TEST(StoreFile, DamagedFileKeepsGoodValuesAndABackup)
{
    TempRegistry reg;
    const QByteArray damaged = SECTION + "AutoStart = no\r\n\"ProgLang\"=dword:1\r\n" +
                               "[HKEY_LOCAL_MACHINE\\Software]\n\"folder\"=\"/opt\"\n" + SECTION +
                               "\"LastPlayer\"=\"Anna\"\n\"Bad\"=dword:123456789\n";
    WriteAll(reg.UserFile(), damaged);
    int nLang = -1;
    QString strPlayer;
    EXPECT_TRUE(SETTINGS.GetInt("ProgLang", nLang) && nLang == 1);
    EXPECT_TRUE(SETTINGS.GetString("LastPlayer", strPlayer) && strPlayer == "Anna");
    EXPECT_FALSE(QFile::exists(reg.UserFile() + ".bak"));

    EXPECT_TRUE(SETTINGS.SetBool("AutoStart", false));
    EXPECT_EQ(ReadAll(reg.UserFile() + ".bak"), damaged);
    EXPECT_EQ(SETTINGS.EnumValues(), 3);
    WriteAll(reg.UserFile() + ".bak", "older");
    EXPECT_TRUE(SETTINGS.SetBool("AutoStart", true));
    EXPECT_EQ(ReadAll(reg.UserFile() + ".bak"), "older");
}

// Missing, empty or garbage files read as empty; a store that cannot be read or written
// gives defaults and refuses writes; none of it prints anything.
TEST(StoreFile, BadFilesGiveDefaultsQuietly)
{
    TempRegistry reg;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++g_nMessages; });
    const QByteArray garbage("\x00\xff\xfe[\x01\n\"x\"=\xc3\n", 11);
    for (const QByteArray& content : {QByteArray(), garbage}) {
        WriteAll(reg.UserFile(), content);
        EXPECT_TRUE(ReadsDefault() && SETTINGS.SetBool("AutoStart", false));
    }
    EXPECT_EQ(ReadAll(reg.UserFile() + ".bak"), garbage);
    const QString strFolder = reg.Dir() + "/new/folder";
    SetRegistryFiles(strFolder + "/user.reg", reg.MachineFile());
    EXPECT_TRUE(SETTINGS.SetBool("AutoStart", false));

    QDir(reg.Dir()).mkdir("folder.reg");
    QStringList unreadable{reg.UserFile() + "/below-a-file.reg", reg.Dir() + "/folder.reg"};
    if (geteuid() != 0) { // permissions do not bind root
        QFile::setPermissions(strFolder, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(SETTINGS.SetBool("AutoStart", true));
        QFile::setPermissions(reg.UserFile(), {});
        unreadable << reg.UserFile();
    }
    for (const QString& strPath : unreadable) {
        SetRegistryFiles(strPath, reg.MachineFile());
        EXPECT_TRUE(ReadsDefault()) << qPrintable(strPath);
        EXPECT_FALSE(SETTINGS.SetBool("AutoStart", false));
    }
    QFile::setPermissions(strFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_nMessages, 0);
}
