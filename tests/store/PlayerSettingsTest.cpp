#include "PlayerSettings.h"
#include "RegKey.h"
#include "TempRegistry.h"

#include <gtest/gtest.h>

// A new player takes the program language as dictionary and is stored only when saved.
TEST(PlayerSettings, NewPlayerFollowsProgramLanguageUntilSaved)
{
    TempRegistry reg;
    int nProgLang = 1;
    CPlayerSettings player(nProgLang);
    player.Load("Anna");
    EXPECT_TRUE(player.m_strName == "Anna" && player.m_nDict == 1);
    EXPECT_TRUE(player.m_bSound && !player.m_bLower);
    QStringList names{"stale"};
    EXPECT_EQ(CPlayerSettings::ListPlayers(&names), 0);
    EXPECT_TRUE(names.isEmpty() && CPlayerSettings::GetLastPlayer().isEmpty());
    nProgLang = 0;
    player.Load("Anna");
    EXPECT_EQ(player.m_nDict, 0);
    player.Save();
    EXPECT_TRUE(CPlayerSettings::ListPlayers() == 1 && CPlayerSettings::GetLastPlayer() == "Anna");
}

// Names differing in case are one stored player; deleting one keeps "LastPlayer".
TEST(PlayerSettings, StoredPlayersIgnoreCase)
{
    TempRegistry reg;
    const int nProgLang = 0;
    CPlayerSettings player(nProgLang);
    player.Load("Anna");
    player.m_nDict = 3;
    player.m_bSound = false;
    player.m_bLower = true;
    player.Save();
    player.Load("ANNA");
    EXPECT_TRUE(player.m_nDict == 3 && !player.m_bSound && player.m_bLower);
    CRegKey(HKEY_LOCAL_MACHINE, "Players\\Anna").SetInt("Sound", 7);
    player.Load("anna");
    EXPECT_TRUE(player.m_bSound);
    player.Save();
    QStringList names;
    EXPECT_EQ(CPlayerSettings::ListPlayers(&names), 1);
    EXPECT_EQ(names, QStringList{"Anna"});
    CPlayerSettings::DeletePlayer("ANNA");
    EXPECT_TRUE(CPlayerSettings::ListPlayers() == 0 && CPlayerSettings::GetLastPlayer() == "anna");
}
