// Ranking, storing and loading the high score table, without a window or a second copy.
#include "store/HighScoreTable.h"
#include "StoreTestFiles.h"
#include "game/GameRound.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

static const CRegKey HISCORES(HKEY_LOCAL_MACHINE, "HiScores");

static int Offer(CHighScoreTable& table, int nSeconds, int nGuesses, const char* pszName = "Anna")
{
    static const int nProgLang = 0;
    CPlayerSettings player(nProgLang);
    player.m_strName = pszName;
    CGameRound game;
    game.SetWord("WORD");
    game.m_nGuesses = static_cast<std::int16_t>(nGuesses);
    game.m_dwEnd = nSeconds * 1000u;
    return table.AddWonGame(game, player);
}

static std::string Entries(CHighScoreTable& table) // "seconds/guesses ..." in table order
{
    QString str;
    for (std::int16_t i = 0; i < table.GetCount(); ++i)
        str += QString::asprintf("%d/%d ", table.GetAt(i)->m_nSeconds, table.GetAt(i)->m_nGuesses);
    return str.trimmed().toStdString();
}

// Guards against a wrong order or names, a full table taking a tie, or bad records loaded.
TEST(HighScoreTable, PlacesStoresAndLoadsGames)
{
    TempRegistry reg;
    CHighScoreTable table;
    const std::tuple<int, int, int> offers[] = {
        {60, 5, 1}, {60, 5, 2}, {60, 6, 3},   {60, 4, 1},  {30, 9, 1},  {90, 1, 6},   {91, 1, 7},
        {92, 1, 8}, {93, 1, 9}, {120, 9, 10}, {121, 1, 0}, {120, 9, 0}, {120, 8, 10}, {5, 2, 1}};
    for (const auto& [nSeconds, nGuesses, nPlace] : offers)
        EXPECT_EQ(Offer(table, nSeconds, nGuesses), nPlace) << nSeconds << "s " << nGuesses;
    EXPECT_EQ(Entries(table), "5/2 30/9 60/4 60/5 60/5 60/6 90/1 91/1 92/1 93/1");
    EXPECT_EQ(table.GetAt(MAX_HIGH_SCORES), nullptr);
    QStringList names;
    EXPECT_EQ(HISCORES.EnumValues(&names), 10);
    EXPECT_EQ(names.first(), "H01");
    EXPECT_EQ(names.last(), "H10");
    QString strText;
    HISCORES.GetString("H01", strText);
    EXPECT_EQ(strText, "5;2;Anna;-1;WORD");

    table.ClearAll();
    EXPECT_EQ(HISCORES.EnumValues(), 0);
    for (int i = 12; i >= 1; --i)
        HISCORES.SetString(QStringLiteral("V%1").arg(i), QStringLiteral("%1;1;A;0;WORD").arg(i));
    HISCORES.SetString("V11", "broken");
    HISCORES.SetString("V10", QString(300, '7')); // too long to read
    EXPECT_EQ(Entries(table), "12/1 9/1 8/1 7/1 6/1 5/1 4/1 3/1");
    EXPECT_EQ(Offer(table, 60, 1, "Bad;Name"), HIGH_SCORE_NOT_ENTERED);
    EXPECT_EQ(HISCORES.EnumValues(), 12); // not rewritten
}

// Guards against a game announced as stored on a full disk, or lost instead of stored later.
TEST(HighScoreTable, GameThatCouldNotBeStoredIsNotAPlaceAndIsKept)
{
    TempRegistry reg;
    CHighScoreTable table;
    Offer(table, 50, 5);
    {
        const CFullDisk full(10);
        EXPECT_EQ(Offer(table, 40, 5), HIGH_SCORE_NOT_STORED);
        EXPECT_EQ(Offer(table, 99, 5), HIGH_SCORE_NOT_STORED);
    }
    EXPECT_EQ(Entries(table), "40/5 50/5 99/5");
    EXPECT_EQ(Offer(table, 45, 5), 2);
    const QByteArray text = ReadAll(reg.MachineFile());
    EXPECT_TRUE(text.contains("\"H01\"=\"40;5;Anna;-1;WORD\""));
    EXPECT_TRUE(text.contains("\"H04\"=\"99;5;Anna;-1;WORD\""));
}
