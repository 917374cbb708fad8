// The registry's rules for keys and values, which every stored setting relies on.
#include "store/RegKey.h"
#include "support/TempRegistry.h"

#include <QFile>
#include <gtest/gtest.h>

// Guards against root 0, failed reads changing values, limits ignored, reads making files.
TEST(RegKey, ValuesKeepTheirLimitsAndFailedReadsChangeNothing)
{
    TempRegistry reg;
    const CRegKey anna(HKEY_LOCAL_MACHINE, "Players\\Anna");
    int nValue = 5;
    EXPECT_FALSE(CRegKey(0, "S").SetInt("X", 1));
    EXPECT_FALSE(anna.GetInt("Dict", nValue));
    EXPECT_EQ(nValue, 5);
    anna.DeleteAllValues();
    CRegKey(HKEY_LOCAL_MACHINE, "Players").DeleteSubKey("Anna");
    EXPECT_FALSE(QFile::exists(reg.MachineFile()));
    ASSERT_TRUE(anna.SetInt("Dict", -3));
    EXPECT_TRUE(anna.GetInt("DICT", nValue));
    EXPECT_EQ(nValue, -3);
    bool bValue = false;
    ASSERT_TRUE(anna.SetInt("Flag", 7));
    EXPECT_TRUE(anna.GetBool("Flag", bValue));
    EXPECT_TRUE(bValue);

    const QString strFits(127, QChar(0xE9)); // 254 bytes in UTF-8, with the terminator 255
    const struct {
        const char* pszWhat;
        QString strIn;
        bool bRead;
    } strings[] = {{"255 ASCII characters", QString(255, 'x'), true},
                   {"254 bytes of UTF-8", strFits, true},
                   {"256 ASCII characters", QString(256, 'x'), false},
                   {"256 bytes of UTF-8", QString(128, QChar(0xE9)), false}};
    for (const auto& s : strings) {
        QString strOut = strFits;
        EXPECT_TRUE(anna.SetString("T", s.strIn)) << s.pszWhat;
        EXPECT_EQ(anna.GetString("T", strOut), s.bRead) << s.pszWhat;
        EXPECT_EQ(strOut, s.bRead ? s.strIn : strFits) << s.pszWhat;
        if (s.bRead)
            anna.SetString("T", strFits);
    }
    EXPECT_TRUE(anna.SetInt(QString(255, 'n'), 1));
    EXPECT_FALSE(anna.SetInt(QString(256, 'n'), 1));
    EXPECT_FALSE(CRegKey(HKEY_LOCAL_MACHINE, QString(256, 'k')).SetInt("V", 1));
}

// Guards against lost case or order, a deletion losing the keys after it, and mixed roots.
TEST(RegKey, NamesKeepTheirFirstCaseAndOrderThroughDeletions)
{
    TempRegistry reg;
    const CRegKey players(HKEY_LOCAL_MACHINE, "Players");
    for (const char* pszPath : {"Players\\Zed", "Players\\anna", "PLAYERS\\Bob", "players\\ANNA"})
        CRegKey(HKEY_LOCAL_MACHINE, pszPath).SetInt("Dict", 1);
    for (const char* pszName : {"Second", "First", "SECOND"})
        players.SetInt(pszName, 2);
    QStringList names;
    EXPECT_EQ(players.EnumValues(&names), 2);
    EXPECT_EQ(names, QStringList({"Second", "First"}));
    players.DeleteAllValues();
    EXPECT_EQ(players.EnumValues(), 0);
    EXPECT_EQ(players.EnumSubKeys(&names), 3);
    EXPECT_EQ(names, QStringList({"Zed", "anna", "Bob"}));

    players.DeleteSubKey("ANNA");
    EXPECT_EQ(players.EnumSubKeys(&names), 2);
    EXPECT_EQ(names, QStringList({"Zed", "Bob"}));
    int nDict = 0;
    EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\bob").GetInt("Dict", nDict));
    players.DeleteSubKey("Bob"); // found by name after the one before it went
    EXPECT_EQ(players.EnumSubKeys(&names), 1);
    EXPECT_EQ(names, QStringList({"Zed"}));

    EXPECT_EQ(CRegKey(HKEY_CURRENT_USER, "Players").EnumSubKeys(&names), 0);
    EXPECT_EQ(names, QStringList());
    EXPECT_FALSE(QFile::exists(reg.UserFile()));
}
