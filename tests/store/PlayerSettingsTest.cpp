#include "store/PlayerSettings.h"
#include "support/TempRegistry.h"

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
    player.Save();
    nProgLang = 1;
    player.Load("Bob");
    EXPECT_TRUE(player.m_nDict == 1 && player.m_bSound && !player.m_bLower);
    player.Load("ANNA");
    EXPECT_TRUE(player.m_nDict == 0 && !player.m_bSound && player.m_bLower &&
                CPlayerSettings::ListPlayers() == 1);
    CPlayerSettings::DeletePlayer("ANNA");
    EXPECT_TRUE(CPlayerSettings::ListPlayers() == 0 && CPlayerSettings::GetLastPlayer() == "Anna");
}
