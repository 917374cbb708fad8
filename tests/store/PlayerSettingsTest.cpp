#include "PlayerSettings.h"
#include "TempRegistry.h"

#include <gtest/gtest.h>

// Guards against new players ignoring the language or keeping another's settings, and name case.
TEST(PlayerSettings, NewPlayerFollowsTheLanguageAndNamesIgnoreCase)
{
    TempRegistry reg;
    int nProgLang = 0;
    CPlayerSettings player(nProgLang);
    player.Load("Anna");
    player.m_bSound = false;
    player.m_bLower = true;
    EXPECT_TRUE(player.Save());
    nProgLang = 1;
    player.Load("Bob");
    EXPECT_EQ(player.m_nDict, 1);
    EXPECT_TRUE(player.m_bSound);
    EXPECT_FALSE(player.m_bLower);
    player.Load("ANNA");
    EXPECT_EQ(player.m_nDict, 0);
    EXPECT_FALSE(player.m_bSound);
    EXPECT_TRUE(player.m_bLower);
    EXPECT_EQ(CPlayerSettings::ListPlayers(), 1);
    CPlayerSettings::DeletePlayer("ANNA");
    EXPECT_EQ(CPlayerSettings::ListPlayers(), 0);
    EXPECT_EQ(CPlayerSettings::GetLastPlayer(), "Anna");
}
