// The second copy for the process tests, with one root at FILE:
// "values FILE PREFIX COUNT" writes PREFIX0.. one by one;
// "wins FILE FIRST COUNT" offers COUNT won games of FIRST, FIRST + 2, ... seconds;
// "scores FILE" stores whole tables of the next generation until killed, printing after each;
// "hold FILE" takes the store's lock, prints, and waits to be killed.
#include "GameRound.h"
#include "HighScoreTable.h"
#include "PlayerSettings.h"
#include "RegLayout.h"
#include "RegistryLocation.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

static void Say(const char* pszWhat)
{
    std::puts(pszWhat);
    std::fflush(stdout);
}

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    SetRegistryFiles(args.value(2), args.value(2));
    const QString strMode = args.value(1);
    const int nFirst = args.value(3).toInt();
    if (strMode == "values") {
        for (int i = 0; i < args.value(4).toInt(); ++i)
            CRegKey(HKEY_CURRENT_USER, "Settings").SetInt(args[3] + QString::number(i), i);
    } else if (strMode == "wins") {
        const int nProgLang = 0;
        CPlayerSettings player(nProgLang);
        player.m_strName = "Kim";
        CGameRound game;
        game.SetWord("WORD");
        game.m_nGuesses = 1;
        CHighScoreTable table;
        for (int i = 0; i < args.value(4).toInt(); ++i) {
            game.m_dwEnd = (nFirst + 2 * i) * 1000u;
            table.AddWonGame(game, player);
        }
    } else if (strMode == "scores") {
        CHighScoreTable table;
        for (int nGeneration = table.GetCount() > 0 ? table.GetAt(0)->m_nSeconds + 1 : 1;;
             ++nGeneration) {
            CRegKey::Transact(HKEY_LOCAL_MACHINE, [nGeneration] {
                const CRegKey key(RegLayout::HIGH_SCORES.hRoot, RegLayout::HIGH_SCORES.subKey);
                key.DeleteAllValues();
                for (int n = 1; n <= MAX_HIGH_SCORES; ++n)
                    key.SetString(RegLayout::HighScoreValueName(n),
                                  CHighScoreTable::FormatRecord(
                                      {"Kim", nGeneration, static_cast<std::int16_t>(n), 0, "WORD"}));
            });
            Say("saved");
        }
    } else if (strMode == "hold") {
        CRegKey::Transact(HKEY_LOCAL_MACHINE, [] {
            Say("locked");
            QThread::sleep(60);
        });
    }
    return 0;
}
