// The store file as a person and a full disk meet it: format, damage, edits, leftovers.
#include "StoreTestFiles.h"
#include "store/RegKey.h"
#include "store/RegistryLocation.h"
#include "support/TempRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

static const CRegKey SETTINGS(HKEY_CURRENT_USER, "Settings");
static const QByteArray SECTION = "[HKEY_CURRENT_USER\\Software\\Torvane\\Kelvara\\Settings]\n";

// Guards against a file a person cannot read or edit by hand, or that loses unknown values.
TEST(StoreFile, ReadsAndEditsLikeARegistryExport)
{
    TempRegistry reg;
    SETTINGS.SetBool("AutoStart", true);
    SETTINGS.SetInt("ProgLang", -1);
    SETTINGS.SetString("LastPlayer", "An\"na\\");
    QByteArray text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software]\n\n"
                      "[HKEY_CURRENT_USER\\Software\\Torvane]\n\n"
                      "[HKEY_CURRENT_USER\\Software\\Torvane\\Kelvara]\n\n" +
                      SECTION +
                      "\"AutoStart\"=dword:00000001\n\"ProgLang\"=dword:ffffffff\n"
                      "\"LastPlayer\"=\"An\\\"na\\\\\"\n\n";
    EXPECT_EQ(ReadAll(reg.UserFile()), text);
    WriteAll(reg.UserFile(),
             text.replace("=dword:00000001\n", "=dword:0\n\"Multi\"=hex(7):61,00\n"));
    EXPECT_TRUE(SETTINGS.SetInt("ProgLang", 1));
    EXPECT_EQ(ReadAll(reg.UserFile()),
              text.replace("dword:0\n", "dword:00000000\n").replace("ffffffff", "00000001"));
    EXPECT_FALSE(QFile::exists(reg.UserFile() + ".bak"));
}

// Guards against bad lines hiding good ones, a lost backup, and unusable files touched.
TEST(StoreFile, BadFilesKeepGoodValuesAndABackupQuietly)
{
    TempRegistry reg;
    testing::internal::CaptureStderr(); // where Qt's messages go
    const QByteArray damaged = SECTION + "AutoStart = no\r\n\"ProgLang\"=dword:1\r\n" +
                               "[HKEY_LOCAL_MACHINE\\Software]\n\"folder\"=\"/opt\"\n" + SECTION +
                               "\"LastPlayer\"=\"Anna\"\n\"Bad\"=dword:123456789\n";
    WriteAll(reg.UserFile(), damaged);
    EXPECT_TRUE(SETTINGS.SetBool("AutoStart", false));
    EXPECT_TRUE(SETTINGS.SetBool("AutoStart", true));
    EXPECT_TRUE(ReadAll(reg.UserFile())
                    .contains(SECTION + "\"ProgLang\"=dword:00000001\n"
                                        "\"LastPlayer\"=\"Anna\"\n\"AutoStart\"=dword:00000001\n"));
    EXPECT_EQ(ReadAll(reg.UserFile() + ".bak"), damaged); // not replaced by the clean rewrite
    const QByteArray garbage("\x00\xff\xfe[\x01\n\"x\"=\xc3\n", 11);
    for (const QByteArray& content : {QByteArray(), garbage}) {
        WriteAll(reg.UserFile(), content);
        EXPECT_EQ(SETTINGS.EnumValues(), 0);
        EXPECT_TRUE(SETTINGS.SetBool("AutoStart", false));
    }
    EXPECT_EQ(ReadAll(reg.UserFile() + ".bak"), garbage);
    SetRegistryFiles(reg.Dir() + "/new/folder/user.reg", reg.MachineFile());
    EXPECT_TRUE(SETTINGS.SetBool("AutoStart", false));
    QDir(reg.Dir()).mkdir("folder.reg");
    QStringList unusable{reg.UserFile() + "/below-a-file.reg", reg.Dir() + "/folder.reg"};
    if (geteuid() != 0 && QFile::setPermissions(reg.UserFile(), QFile::WriteOwner))
        unusable << reg.UserFile(); // unreadable, yet writable (permissions do not bind root)
    for (const QString& strPath : unusable) {
        SetRegistryFiles(strPath, reg.MachineFile());
        EXPECT_EQ(SETTINGS.EnumValues(), 0) << qPrintable(strPath);
        EXPECT_FALSE(SETTINGS.SetBool("AutoStart", false)) << qPrintable(strPath);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// Guards against a UTF-16 export read as empty, or an empty value of another type mangled.
TEST(StoreFile, ReadsUtf16ExportsAndKeepsEmptyValues)
{
    TempRegistry reg;
    const QString strExport = "Windows Registry Editor Version 5.00\r\n\r\n"
                              "[HKEY_CURRENT_USER\\SOFTWARE\\Torvane\\Kelvara\\Settings]\r\n"
                              "\"LastPlayer\"=\"Zoë\"\r\n\"Empty\"=hex(1):\r\n";
    const auto* pUnits = reinterpret_cast<const char*>(strExport.utf16());
    const QByteArray littleEndian = "\xff\xfe" + QByteArray(pUnits, strExport.size() * 2);
    QByteArray bigEndian = littleEndian;
    for (qsizetype i = 0; i < bigEndian.size(); i += 2)
        std::swap(bigEndian[i], bigEndian[i + 1]);
    for (const QByteArray& text : {littleEndian, bigEndian, littleEndian.sliced(2), bigEndian.sliced(2)}) {
        WriteAll(reg.UserFile(), text);
        QString strName;
        EXPECT_TRUE(SETTINGS.GetString("LastPlayer", strName));
        EXPECT_EQ(strName, "Zoë");
    }
    EXPECT_TRUE(SETTINGS.SetInt("ProgLang", 1));
    const QByteArray written = ReadAll(reg.UserFile());
    EXPECT_TRUE(written.startsWith("Windows Registry Editor Version 5.00\n")); // UTF-8 again
    EXPECT_TRUE(written.contains("\"Empty\"=hex(1):\n"));
    EXPECT_FALSE(QFile::exists(reg.UserFile() + ".bak"));
}

// Guards against a full disk tearing the file, or losing a change when another copy writes.
TEST(StoreFile, FullDiskLosesNothing)
{
    TempRegistry reg;
    SETTINGS.SetInt("ProgLang", 1);
    const QByteArray stored = ReadAll(reg.UserFile());
    {
        const CFullDisk full(stored.size() / 2);
        EXPECT_FALSE(SETTINGS.SetString("LastPlayer", "Anna"));
        EXPECT_FALSE(SETTINGS.SetBool("AutoStart", false));
        EXPECT_EQ(ReadAll(reg.UserFile()), stored);
        QString strName;
        EXPECT_TRUE(SETTINGS.GetString("LastPlayer", strName));
        EXPECT_EQ(strName, "Anna");
    }
    WriteAll(reg.UserFile(), SECTION + "\"ProgLang\"=dword:00000001\n\"Other\"=dword:00000007\n");
    EXPECT_TRUE(SETTINGS.SetInt("ProgLang", 0));
    EXPECT_TRUE(ReadAll(reg.UserFile())
                    .endsWith(SECTION + "\"ProgLang\"=dword:00000000\n\"Other\"=dword:00000007\n"
                                        "\"LastPlayer\"=\"Anna\"\n\"AutoStart\"=dword:00000000\n\n"));
}

// Guards against killed writers' temporary files piling up, or a clean-up taking others.
TEST(StoreFile, WriteRemovesOnlyLeftoverTemporaryFiles)
{
    TempRegistry reg;
    QDir dir(reg.Dir());
    const QStringList leftovers = {"user.reg.AbCdEf", "user.reg.bak.GhIjKl"};
    const QStringList kept = {"user.reg.bak", "user.reg.Ab1dEf", "user.reg.AbCdEfg",
                              "other.AbCdEf"};
    for (const QString& strName : leftovers + kept)
        WriteAll(dir.filePath(strName), "x");
    QFile::link(dir.filePath("other.AbCdEf"), dir.filePath("user.reg.SymLnk"));
    dir.mkdir("user.reg.Folder");
    EXPECT_TRUE(SETTINGS.SetInt("ProgLang", 1));
    for (const QString& strName : leftovers)
        EXPECT_FALSE(QFile::exists(dir.filePath(strName))) << qPrintable(strName);
    for (const QString& strName : kept + QStringList{"user.reg.SymLnk", "user.reg.Folder"})
        EXPECT_TRUE(QFileInfo(dir.filePath(strName)).exists()) << qPrintable(strName);
}
