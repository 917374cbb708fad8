// The name rule and each player's settings in the store, without a dialog to enter them.
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "support/TempRegistry.h"

#include <QFile>
#include <gtest/gtest.h>

// Guards against a name that breaks a key, record or row stored, or a hand-edited one lost.
TEST(PlayerSettings, OneNameRuleAndTheStoreRefusesOtherNames)
{
    TempRegistry reg;
    const QString strLongest(MAX_NAME_LENGTH, QChar(u'é'));
    for (const QString& strName : {QString("A"), QString(" Anna Lee  "), strLongest,
                                   " " + strLongest + "\u00a0", QString("Zoë 😀")})
        EXPECT_TRUE(CPlayerSettings::IsValidName(strName)) << qPrintable(strName);
    // clang-format off
    const QString bad[] = {"", "   ", "\u00a0\u3000", strLongest + "x", "An\nna", "An\tna", "An\rna",
                           "An\u2028na", "An\u200bna", "An\\na", "An/na", "An:na", "An;na",
                           QString("An") + QChar(0) + "na"};
    // clang-format on
    const int nProgLang = 0;
    CPlayerSettings player(nProgLang);
    for (const QString& strName : bad) {
        EXPECT_FALSE(CPlayerSettings::IsValidName(strName)) << qPrintable(strName);
        player.m_strName = strName;
        EXPECT_FALSE(player.Save()) << qPrintable(strName);
    }
    EXPECT_FALSE(QFile::exists(reg.UserFile())); // no LastPlayer either
    EXPECT_FALSE(QFile::exists(reg.MachineFile()));
    EXPECT_EQ(CPlayerSettings::TrimmedName("\u00a0 Anna Lee  "), "Anna Lee");
    player.m_strName = "  Anna  ";
    player.Save();
    QStringList names;
    CPlayerSettings::ListPlayers(&names);
    EXPECT_EQ(names, QStringList{"Anna"});
    EXPECT_EQ(CPlayerSettings::GetLastPlayer(), "Anna");

    CRegKey(HKEY_LOCAL_MACHINE, "Players\\Ann;Lee").SetInt("Dict", 3);
    EXPECT_EQ(CPlayerSettings::ListPlayers(), 2);
    player.Load("Ann;Lee");
    EXPECT_EQ(player.m_nDict, 3);
    player.m_nDict = 4;
    player.Save();
    player.Load("Ann;Lee");
    EXPECT_EQ(player.m_nDict, 3);
}
