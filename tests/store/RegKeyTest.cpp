#include "store/RegKey.h"
#include "support/TempRegistry.h"

#include <QFile>
#include <gtest/gtest.h>

// Guards against root 0, missing keys making files, failed reads changing values, long strings.
TEST(RegKey, MissingKeysRootsAndValueLimits)
{
    TempRegistry reg;
    int nValue = 5;
    EXPECT_FALSE(CRegKey(0, "S").SetInt("X", 1) || CRegKey(0, "S").GetInt("X", nValue));
    const CRegKey anna(HKEY_LOCAL_MACHINE, "Players\\Anna");
    anna.DeleteAllValues();
    CRegKey(HKEY_LOCAL_MACHINE, "Players").DeleteSubKey("Anna");
    EXPECT_TRUE(!anna.GetInt("Dict", nValue) && nValue == 5 && !QFile::exists(reg.MachineFile()));
    EXPECT_TRUE(anna.SetInt("Dict", -3) && anna.GetInt("Dict", nValue) &&
                !anna.GetInt("Sound", nValue) && nValue == -3);
    bool bValue = false;
    EXPECT_TRUE(anna.SetInt("Flag", 7) && anna.GetBool("Flag", bValue) && bValue);
    const QString strFits(127, QChar(0xE9)); // 254 bytes in UTF-8
    QString strOut;
    for (const QString& strIn : {QString(255, 'x'), strFits})
        EXPECT_TRUE(anna.SetString("T", strIn) && anna.GetString("T", strOut) && strOut == strIn);
    for (const QString& strIn : {QString(256, 'x'), QString(128, QChar(0xE9))})
        EXPECT_TRUE(anna.SetString("T", strIn) && !anna.GetString("T", strOut) &&
                    strOut == strFits);
}

// Guards against names that ignore case wrongly or lose order, and deletions or roots that mix.
TEST(RegKey, NamesOrderAndDeletion)
{
    TempRegistry reg;
    const CRegKey players(HKEY_LOCAL_MACHINE, "Players");
    for (const char* pszPath : {"Players\\Zed", "Players\\anna", "PLAYERS\\Bob", "players\\ANNA"})
        CRegKey(HKEY_LOCAL_MACHINE, pszPath).SetInt("Dict", 1);
    for (const char* pszName : {"Second", "First", "SECOND"})
        players.SetInt(pszName, 2);
    QStringList names;
    EXPECT_TRUE(players.EnumValues(&names) == 2 && names == QStringList({"Second", "First"}));
    EXPECT_TRUE(players.SetInt(QString(255, 'n'), 1) && !players.SetInt(QString(256, 'n'), 1) &&
                !CRegKey(HKEY_LOCAL_MACHINE, QString(256, 'k')).SetInt("V", 1));
    players.DeleteAllValues();
    EXPECT_TRUE(players.EnumValues() == 0 && players.EnumSubKeys(&names) == 3 &&
                names == QStringList({"Zed", "anna", "Bob"}));
    EXPECT_TRUE(CRegKey(HKEY_CURRENT_USER, "Players").EnumSubKeys(&names) == 0 && names.isEmpty() &&
                !QFile::exists(reg.UserFile()));
}
