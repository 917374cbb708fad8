// The second running copy for the store tests; it writes to the store file it is given:
//   values <file> <prefix> <count>  writes <prefix>0, <prefix>1, ... one by one
//   scores <file>                   saves one whole high score table after another until
//                                   killed, each holding the next generation's time;
//                                   prints a line after the first
#include "GameRound.h"
#include "HighScoreTable.h"
#include "PlayerSettings.h"
#include "RegKey.h"
#include "RegistryLocation.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    SetRegistryFiles(args[2], args[2]); // each mode uses one root only
    if (args[1] == "values") {
        for (int i = 0; i < args.value(4).toInt(); ++i)
            CRegKey(HKEY_CURRENT_USER, "Settings").SetInt(args[3] + QString::number(i), i);
        return 0;
    }
    const int nProgLang = 0;
    CPlayerSettings player(nProgLang);
    player.m_strName = "Kim";
    CGameRound game;
    std::memcpy(game.m_szWord, "WORD", 4);
    game.m_bFinished = true;
    for (;;) {
        {
            CHighScoreTable table;
            const int nGeneration = table.GetCount() > 0 ? table.GetAt(0)->m_nSeconds + 1 : 1;
            game.m_dwEnd = game.m_dwStart + static_cast<std::uint32_t>(nGeneration) * 1000;
            table.ClearAll();
            for (game.m_nGuesses = 1; game.m_nGuesses <= MAX_HIGH_SCORES; ++game.m_nGuesses)
                table.AddWonGame(game, player);
        }
        std::puts("saved");
        std::fflush(stdout);
    }
}
