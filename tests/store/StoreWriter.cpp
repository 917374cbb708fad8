// The process tests' second copy; WHERE is a file, "shared:FOLDER" (this user's) or "installed".
// "values WHERE PREFIX COUNT" writes PREFIX0..; "wins WHERE FIRST COUNT" offers won games of
// FIRST, FIRST + 2... s; "stats WHERE COUNT" counts Kim's wins; "scores WHERE" stores tables of
// the next generation until killed, saying so after each; "check WHERE" prints the count of high
// scores and the first's and last's seconds; "hold WHERE" takes the lock, says so and waits.
#include "game/GameRound.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/PlayerStatistics.h"
#include "store/RegLayout.h"
#include "store/RegistryLocation.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <unistd.h>

static void Say(const char* pszWhat)
{
    std::puts(pszWhat);
    std::fflush(stdout);
}

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString strWhere = args.value(2);
    if (strWhere.startsWith("shared:")) {
        const QString strFolder = strWhere.sliced(7);
        SetRegistryFiles(strFolder + "/user.reg", strFolder + "/stand-in.reg");
        SetSharedStore(strFolder, geteuid(), getegid());
    } else if (strWhere != "installed") {
        SetRegistryFiles(strWhere, strWhere);
    }
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
    } else if (strMode == "stats") {
        for (int i = 0; i < nFirst; ++i)
            RecordWonGame("Kim", 0, 60, 5);
    } else if (strMode == "scores") {
        CHighScoreTable table;
        for (int nGeneration = table.GetCount() > 0 ? table.GetAt(0)->m_nSeconds + 1 : 1;;
             ++nGeneration) {
            CRegKey::Transact(HKEY_LOCAL_MACHINE, [nGeneration] {
                const CRegKey key(RegLayout::HIGH_SCORES.hRoot, RegLayout::HIGH_SCORES.subKey);
                key.DeleteAllValues();
                for (int n = 1; n <= MAX_HIGH_SCORES; ++n)
                    key.SetString(
                        RegLayout::HighScoreValueName(n),
                        CHighScoreTable::FormatRecord(
                            {"Kim", nGeneration, static_cast<std::int16_t>(n), 0, "WORD"}));
            });
            Say("saved");
        }
    } else if (strMode == "check") {
        CHighScoreTable table;
        const std::int16_t nCount = table.GetCount();
        std::printf("%d %d %d\n", nCount, nCount ? table.GetAt(0)->m_nSeconds : 0,
                    nCount ? table.GetAt(nCount - 1)->m_nSeconds : 0);
    } else if (strMode == "hold") {
        CRegKey::Transact(HKEY_LOCAL_MACHINE, [] {
            Say("locked");
            QThread::sleep(60);
        });
    }
    return 0;
}
