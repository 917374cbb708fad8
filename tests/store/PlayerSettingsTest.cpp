#include "PlayerSettings.h"
#include "TempRegistry.h"

#include <gtest/gtest.h>

// Guards against new players ignoring the program language or stored unsaved, and name case.
TEST(PlayerSettings, NewPlayerFollowsTheLanguageAndNamesIgnoreCase)
{
    TempRegistry reg;
    int nProgLang = 1;
    CPlayerSettings player(nProgLang);
    player.Load("Anna");
    EXPECT_TRUE(player.m_nDict == 1 && player.m_bSound && !player.m_bLower);
    EXPECT_TRUE(CPlayerSettings::ListPlayers() == 0 && CPlayerSettings::GetLastPlayer().isEmpty());
    nProgLang = 0;
    player.Load("Anna");
    player.m_bSound = false;
    player.m_bLower = true;
    player.Save();
    nProgLang = 1;
    player.Load("ANNA");
    EXPECT_TRUE(player.m_nDict == 0 && !player.m_bSound && player.m_bLower);
    EXPECT_EQ(CPlayerSettings::ListPlayers(), 1);
    CPlayerSettings::DeletePlayer("ANNA");
    EXPECT_TRUE(CPlayerSettings::ListPlayers() == 0 && CPlayerSettings::GetLastPlayer() == "Anna");
}
