// The second copy for the process tests: "values FILE PREFIX COUNT" writes PREFIX0.. one by one;
// "scores FILE" saves tables of the next generation until killed, printing after each.
#include "game/GameRound.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/RegistryLocation.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    SetRegistryFiles(args.value(2), args.value(2)); // each mode uses one root only
    if (args[1] == "values") {
        for (int i = 0; i < args.value(4).toInt(); ++i)
            CRegKey(HKEY_CURRENT_USER, "Settings").SetInt(args[3] + QString::number(i), i);
        return 0;
    }
    const int nProgLang = 0;
    CPlayerSettings player(nProgLang);
    player.m_strName = "Kim";
    CGameRound game;
    game.SetWord("WORD");
    for (;; std::puts("saved"), std::fflush(stdout)) { // the table saves as it goes out of scope
        CHighScoreTable table;
        game.m_dwEnd = (table.GetCount() > 0 ? table.GetAt(0)->m_nSeconds + 1 : 1) * 1000u;
        table.ClearAll();
        for (game.m_nGuesses = 1; game.m_nGuesses <= MAX_HIGH_SCORES; ++game.m_nGuesses)
            table.AddWonGame(game, player);
    }
}
