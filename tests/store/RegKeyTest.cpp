#include "RegKey.h"
#include "TempRegistry.h"

#include <QFile>
#include <gtest/gtest.h>

// Root 0 fails at once; a write creates the whole key path; reads and deletions of what is
// not there create nothing; the two roots stay apart.
TEST(RegKey, PathsRootsAndCreation)
{
    TempRegistry reg;
    int nValue = 5;
    EXPECT_FALSE(CRegKey(0, "S").SetInt("X", 1) || CRegKey(0, "S").GetInt("X", nValue));
    EXPECT_EQ(CRegKey(HKEY_LOCAL_MACHINE, "").GetKeyPath(), "Software\\Torvane\\Kelvara");
    const CRegKey anna(HKEY_LOCAL_MACHINE, "Players\\Anna");
    EXPECT_EQ(anna.GetKeyPath(), "Software\\Torvane\\Kelvara\\Players\\Anna");
    EXPECT_FALSE(anna.GetInt("Dict", nValue));
    anna.DeleteAllValues();
    CRegKey(HKEY_LOCAL_MACHINE, "Players").DeleteSubKey("Anna");
    EXPECT_TRUE(nValue == 5 && !QFile::exists(reg.MachineFile()));

    EXPECT_TRUE(anna.SetInt("Dict", -3) && anna.GetInt("Dict", nValue) && nValue == -3);
    EXPECT_FALSE(anna.GetInt("Sound", nValue));
    EXPECT_EQ(nValue, -3);
    QStringList names{"stale"};
    EXPECT_EQ(CRegKey(HKEY_LOCAL_MACHINE, "").EnumSubKeys(&names), 1);
    EXPECT_EQ(names, QStringList{"Players"});
    EXPECT_EQ(CRegKey(HKEY_CURRENT_USER, "Players").EnumSubKeys(&names), 0);
    EXPECT_TRUE(names.isEmpty() && !QFile::exists(reg.UserFile()));
}

// Any non-zero number reads as true; a string reads only within 256 bytes with its
// terminator, counted in UTF-8, and a failed read keeps the default.
TEST(RegKey, BoolsAndStringLimit)
{
    TempRegistry reg;
    const CRegKey key(HKEY_CURRENT_USER, "Settings");
    bool bValue = false;
    EXPECT_TRUE(key.SetInt("Flag", 7) && key.GetBool("Flag", bValue) && bValue);
    EXPECT_TRUE(key.SetBool("Flag", false) && key.GetBool("Flag", bValue) && !bValue);
    const QString strFits(127, QChar(0xE9));
    QString strRead;
    for (const QString& strText : {QString(255, 'x'), strFits})
        EXPECT_TRUE(key.SetString("T", strText) && key.GetString("T", strRead) &&
                    strRead == strText);
    for (const QString& strText : {QString(256, 'x'), QString(128, QChar(0xE9))})
        EXPECT_TRUE(key.SetString("T", strText) && !key.GetString("T", strRead) &&
                    strRead == strFits);
}

// Names ignore case but keep their first spelling, enumerate in creation order, and may
// not exceed 255 characters; deleting values keeps the key.
TEST(RegKey, NamesOrderAndDeletion)
{
    TempRegistry reg;
    const CRegKey players(HKEY_LOCAL_MACHINE, "Players");
    for (const char* pszPath : {"Players\\Zed", "Players\\anna", "Players\\Bob", "PLAYERS\\ANNA"})
        CRegKey(HKEY_LOCAL_MACHINE, pszPath).SetInt("Dict", 1);
    QStringList names;
    EXPECT_EQ(players.EnumSubKeys(&names), 3);
    EXPECT_EQ(names, QStringList({"Zed", "anna", "Bob"}));
    for (const char* pszName : {"Second", "First", "SECOND"})
        players.SetInt(pszName, 2);
    EXPECT_EQ(players.EnumValues(&names), 2);
    EXPECT_EQ(names, QStringList({"Second", "First"}));
    EXPECT_TRUE(players.SetInt(QString(255, 'n'), 1));
    EXPECT_FALSE(players.SetInt(QString(256, 'n'), 1));
    EXPECT_FALSE(CRegKey(HKEY_LOCAL_MACHINE, QString(256, 'k')).SetInt("V", 1));

    players.DeleteSubKey("ANNA");
    players.DeleteAllValues();
    EXPECT_EQ(players.EnumSubKeys(&names), 2);
    EXPECT_EQ(names, QStringList({"Zed", "Bob"}));
    EXPECT_EQ(players.EnumValues(), 0);
}
