// What the coach makes of a dictionary and a game: words still possible, the minimax guess,
// the review and hard mode's rule, without a window.
#include "game/Coach.h"
#include "game/WordList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <random>
#include <ranges>
#include <tuple>

namespace
{

std::vector<CGuess> Play(const char* pszWord, const QStringList& arGuesses)
{
    std::vector<CGuess> guesses;
    for (const QString& strGuess : arGuesses) {
        const QByteArray guess = strGuess.toLatin1();
        guesses.push_back(
            {{guess[0], guess[1], guess[2], guess[3]}, ScorePins(pszWord, guess.constData())});
    }
    return guesses;
}

// The minimax guess the slow way, by ScorePins: the worst result, then impossible, then later.
QString SlowBestGuess(const QStringList& arWords, const std::vector<int>& possible)
{
    std::tuple<int, bool, int> best{INT_MAX, true, 0};
    for (int nGuess = 0; nGuess < arWords.size(); ++nGuess) {
        std::map<std::pair<int, int>, int> counts;
        for (const int nWord : possible) {
            const CPins pins = ScorePins(arWords[nWord].toLatin1().constData(),
                                         arWords[nGuess].toLatin1().constData());
            ++counts[{pins.nBlack, pins.nWhite}];
        }
        const int nWorst = std::ranges::max(counts | std::views::values);
        const bool bImpossible = !std::ranges::count(possible, nGuess);
        best = std::min(best, {nWorst, bImpossible, nGuess});
    }
    return arWords[std::get<2>(best)];
}

} // namespace

// Worked by hand. In the first list XXEF tells ABCE, ABCF and ABCG apart at once, so it is the
// best guess even once it is no longer possible; in the second no guess does better than two
// words left at worst, and the possible ABCE wins the tie with AAAE before it.
TEST(Coach, ReviewsAGameByWordsPossibleAndTheMinimaxGuess)
{
    const QStringList best{"ABCE", "ABCF", "ABCG", "XXEF"};
    const QStringList tied{"AAAE", "ABCE", "ABCF", "ABCG"};
    const struct {
        const char* pszName;
        QStringList words;
        const char* pszWord;
        QStringList guesses;
        std::vector<CReviewRow> rows; // before, after, best guess, best guesses to find
    } games[] = {
        {"BestIsNoLongerPossible",
         best,
         "ABCG",
         {"ABCD", "ABCE", "ABCG"},
         {{4, 3, 3, 2}, {3, 2, 3, 2}, {2, 1, 1, 2}}},
        {"TieGoesToAPossibleWordThenTheFirst",
         tied,
         "ABCG",
         {"ABCD", "ABCE", "ABCF", "ABCG"},
         {{4, 3, 0, 3}, {3, 2, 1, 3}, {2, 1, 2, 2}, {1, 1, 3, 1}}},
        {"AWordSetOutsideTheDictionaryIsNeverFound", best, "QQQQ", {"ABCD"}, {{4, 1, 3, -1}}},
    };
    for (const auto& game : games) {
        SCOPED_TRACE(game.pszName);
        const CCoach coach(game.words);
        const std::vector<CGuess> guesses = Play(game.pszWord, game.guesses);
        const std::vector<CReviewRow> rows = coach.Review(guesses, game.pszWord);
        ASSERT_EQ(rows.size(), game.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].nBefore, game.rows[i].nBefore) << "guess " << i + 1;
            EXPECT_EQ(rows[i].nAfter, game.rows[i].nAfter) << "guess " << i + 1;
            EXPECT_EQ(coach.Word(rows[i].nBest), game.words[game.rows[i].nBest])
                << "guess " << i + 1;
            EXPECT_EQ(rows[i].nBestToFind, game.rows[i].nBestToFind) << "guess " << i + 1;
        }
    }
    // Among the possible words only, ABCE and ABCF leave one at worst; ABCE comes first.
    const CCoach coach(best);
    const std::vector<int> possible = coach.StillPossible(Play("ABCF", {"ABCD", "ABCG"}));
    EXPECT_EQ(coach.Word(coach.BestGuess(possible, true)), "ABCE");
    EXPECT_EQ(coach.BestGuess({}), -1);
}

TEST(Coach, CountsTheEnglishWordsStillPossibleAfterEachGuess)
{
    QStringList arWords;
    LoadWordList(0, arWords);
    const CCoach coach(arWords);
    EXPECT_EQ(coach.StillPossible({}).size(), 854u);
    const std::vector<CGuess> game = Play("BEAR", {"MOST", "LINE", "CART", "BARE"});
    const std::size_t anCounts[] = {310, 90, 13, 1};
    for (std::size_t i = 0; i < game.size(); ++i)
        EXPECT_EQ(coach.StillPossible({game.data(), i + 1}).size(), anCounts[i])
            << "guess " << i + 1;
    EXPECT_EQ(coach.Word(coach.StillPossible(game).front()), "BEAR");
}

// Random games from the English list, with a fixed seed: hard mode takes exactly the words
// that the scoring leaves possible, the word itself always, and the fast weighing of the
// minimax guess agrees with one by ScorePins.
TEST(Coach, HardModeAndTheMinimaxGuessAgreeWithTheScoring)
{
    QStringList arWords;
    LoadWordList(0, arWords);
    const CCoach coach(arWords);
    std::mt19937 random(7);
    const auto AnyWord = [&] { return arWords[random() % arWords.size()]; };
    for (int nGame = 0; nGame < 40; ++nGame) {
        const QByteArray word = AnyWord().toLatin1();
        const std::vector<CGuess> guesses = Play(word.constData(), {AnyWord(), AnyWord()});
        SCOPED_TRACE((word + " after " + QByteArray(guesses[0].szWord, 4) + ", " +
                      QByteArray(guesses[1].szWord, 4))
                         .toStdString());
        EXPECT_EQ(ContradictedGuess(guesses, word.constData()), -1);
        const std::vector<int> possible = coach.StillPossible(guesses);
        for (int nWord = 0; nWord < arWords.size(); ++nWord) {
            const QByteArray other = arWords[nWord].toLatin1();
            const int nRow = ContradictedGuess(guesses, other.constData());
            EXPECT_EQ(nRow == -1, std::ranges::binary_search(possible, nWord)) << other.data();
            if (nRow >= 0) {
                EXPECT_NE(ScorePins(other.constData(), guesses[nRow].szWord), guesses[nRow].pins)
                    << other.data();
            }
            if (nRow == 1) {
                EXPECT_EQ(ScorePins(other.constData(), guesses[0].szWord), guesses[0].pins)
                    << other.data();
            }
        }
        if (nGame % 8 == 0) {
            EXPECT_EQ(coach.Word(coach.BestGuess(possible)), SlowBestGuess(arWords, possible));
        }
    }
}
