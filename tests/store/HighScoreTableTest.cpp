#include "HighScoreTable.h"
#include "GameRound.h"
#include "PlayerSettings.h"
#include "RegKey.h"
#include "TempRegistry.h"

#include <QFile>
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace
{

using Games = QList<std::pair<int, int>>; // seconds, guesses

const CRegKey HISCORES(HKEY_LOCAL_MACHINE, "HiScores");

// Offers won games of these times and guess counts; returns the place of the last.
int Offer(CHighScoreTable& table, const Games& games)
{
    const int nProgLang = 0;
    CPlayerSettings player(nProgLang);
    player.m_strName = "Anna";
    CGameRound game;
    std::memcpy(game.m_szWord, "WORD", 4);
    game.m_nDict = 0;
    game.m_bFinished = true;
    int nPlace = 0;
    for (const auto& [nSeconds, nGuesses] : games) {
        game.m_nGuesses = static_cast<std::int16_t>(nGuesses);
        game.m_dwEnd = game.m_dwStart + static_cast<std::uint32_t>(nSeconds) * 1000;
        nPlace = table.AddWonGame(game, player);
    }
    return nPlace;
}

Games Entries(const CHighScoreTable& table)
{
    Games entries;
    for (std::int16_t i = 0; i < table.GetCount(); ++i)
        entries.append({table.GetAt(i)->m_nSeconds, table.GetAt(i)->m_nGuesses});
    return entries;
}

} // namespace

// Faster games go first, then those with fewer guesses; an equal game goes behind, and a
// full table takes only a game better than its last.
TEST(HighScoreTable, PlacesGamesByTimeThenGuesses)
{
    TempRegistry reg;
    CHighScoreTable table;
    EXPECT_EQ(Offer(table, {{50, 5}}), 1);
    const Games five{{30, 4}, {45, 6}, {60, 5}, {60, 5}, {90, 3}};
    for (const auto& [nSeconds, nGuesses, nPlace] :
         {std::tuple{60, 5, 5}, {60, 6, 5}, {60, 4, 3}}) {
        table.ClearAll();
        EXPECT_EQ(Offer(table, five + Games{{nSeconds, nGuesses}}), nPlace);
    }
    const Games nine{{10, 1}, {20, 1}, {30, 1}, {40, 1}, {50, 1},
                     {60, 1}, {70, 1}, {80, 1}, {90, 1}};
    table.ClearAll();
    EXPECT_EQ(Offer(table, nine + Games{{120, 9}}), 10);
    for (const auto& worse : Games{{121, 1}, {120, 9}, {120, 10}})
        EXPECT_EQ(Offer(table, {worse}), 0);
    EXPECT_EQ(Offer(table, {{120, 8}}), 10);
    EXPECT_EQ(Offer(table, {{5, 2}}), 1);
    EXPECT_EQ(Entries(table), Games({{5, 2}}) + nine);
    EXPECT_EQ(table.GetAt(MAX_HIGH_SCORES), nullptr);
}

// Record text is five ';'-separated fields; numbers are read as atoi reads them.
TEST(HighScoreTable, ParsesAndFormatsRecords)
{
    CHighScore record;
    ASSERT_TRUE(CHighScoreTable::ParseRecord(record, "83;7;Anna;0;WORD"));
    EXPECT_TRUE(record.m_nSeconds == 83 && record.m_nGuesses == 7 && record.m_nDict == 0);
    EXPECT_TRUE(record.m_strName == "Anna" && record.m_strWord == "WORD");
    EXPECT_EQ(CHighScoreTable::FormatRecord(record), "83;7;Anna;0;WORD");
    ASSERT_TRUE(CHighScoreTable::ParseRecord(record, " 12x;abc;B;-3;WXYZ;rest"));
    EXPECT_TRUE(record.m_nSeconds == 12 && record.m_nGuesses == 0 && record.m_nDict == -3);
    EXPECT_EQ(record.m_strWord, "WXYZ");
    ASSERT_TRUE(CHighScoreTable::ParseRecord(record, "99999999999;70000;C;1;W"));
    EXPECT_TRUE(record.m_nSeconds == INT_MAX && record.m_nGuesses == std::int16_t(70000));
    for (const char* pszBad : {"83;7;Anna;0", "83;7;Anna;0;", "83;;Anna;0;WORD", "83;7;Anna;0W"})
        EXPECT_FALSE(CHighScoreTable::ParseRecord(record, pszBad)) << pszBad;
}

// The load takes the first ten values in store order and skips bad ones without refilling.
TEST(HighScoreTable, LoadsFirstTenValuesInStoreOrder)
{
    TempRegistry reg;
    for (int i = 12; i >= 1; --i)
        HISCORES.SetString(QStringLiteral("V%1").arg(i), QStringLiteral("%1;1;A;0;WORD").arg(i));
    HISCORES.SetString("V11", "broken");
    HISCORES.SetString("V10", QString(300, '7'));
    EXPECT_EQ(Entries(CHighScoreTable()),
              Games({{12, 1}, {9, 1}, {8, 1}, {7, 1}, {6, 1}, {5, 1}, {4, 1}, {3, 1}}));
}

// The table reaches the store only when it changed, as H01 onwards, and comes back in order;
// a cleared table leaves no values.
TEST(HighScoreTable, SavesOnlyWhenModified)
{
    TempRegistry reg;
    CHighScoreTable().GetCount();
    EXPECT_FALSE(QFile::exists(reg.MachineFile()));
    {
        CHighScoreTable table;
        Offer(table, {{50, 2}, {40, 9}, {40, 3}});
    }
    QStringList names;
    QString strText;
    EXPECT_EQ(HISCORES.EnumValues(&names), 3);
    EXPECT_EQ(names, QStringList({"H01", "H02", "H03"}));
    EXPECT_TRUE(HISCORES.GetString("H02", strText) && strText == "40;9;Anna;0;WORD");
    {
        const CHighScoreTable loaded;
        EXPECT_EQ(Entries(loaded), Games({{40, 3}, {40, 9}, {50, 2}}));
        CHighScoreTable().ClearAll();
        EXPECT_TRUE(HISCORES.EnumValues() == 0 && CHighScoreTable().GetCount() == 0);
        QFile::remove(reg.MachineFile());
    }
    EXPECT_FALSE(QFile::exists(reg.MachineFile()));
}
