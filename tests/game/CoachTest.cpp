// What the coach makes of a dictionary and a game: the words still possible, the minimax guess
// and the review, and hard mode's rule, without a window.
#include "game/Coach.h"
#include "game/WordList.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <ranges>

namespace
{

std::vector<CGuess> Play(const QByteArray& word, const QList<QByteArray>& guesses)
{
    std::vector<CGuess> played;
    for (const QByteArray& guess : guesses)
        played.push_back({{guess[0], guess[1], guess[2], guess[3]}, ScorePins(word, guess)});
    return played;
}

// The minimax guess the slow way: each word weighed by ScorePins, then ranked by its worst
// result, a possible word before an impossible one, and dictionary order.
QString SlowBestGuess(const QStringList& arWords, const std::vector<int>& possible)
{
    std::tuple<int, bool, int> best{INT_MAX, true, 0};
    for (int nGuess = 0; nGuess < arWords.size(); ++nGuess) {
        std::map<int, int> counts;
        for (const int nWord : possible) {
            const CPins pins = ScorePins(arWords[nWord].toLatin1(), arWords[nGuess].toLatin1());
            ++counts[pins.nBlack * 5 + pins.nWhite];
        }
        const int nWorst = std::ranges::max(counts | std::views::values);
        best = std::min(best, {nWorst, !std::ranges::binary_search(possible, nGuess), nGuess});
    }
    return arWords[std::get<2>(best)];
}

} // namespace

// Worked by hand: no guess leaves fewer than two at worst, and the possible ABCE wins the tie with
// AAAE before it. ReviewDlg's test reads the game where the best guess is no longer possible.
TEST(Coach, ReviewsAGameByWordsPossibleAndTheMinimaxGuess)
{
    const QStringList best{"ABCE", "ABCF", "ABCG", "XXEF"}, tied{"AAAE", "ABCE", "ABCF", "ABCG"};
    const struct {
        const char* pszName;
        QStringList words;
        QByteArray word;
        QList<QByteArray> guesses;
        std::vector<CReviewRow> rows; // before, after, best guess, best guesses to find
    } games[] = {
        // clang-format off
        {"TieToAPossibleWordThenTheFirst", tied, "ABCG", {"ABCD", "ABCE", "ABCF", "ABCG"},
         {{4, 3, 0, 3}, {3, 2, 1, 3}, {2, 1, 2, 2}, {1, 1, 3, 1}}},
        // ABCD tells BADC (four white) from AXYZ (one black), so it ties with BADC and comes first.
        {"FourWhiteIsNotOneBlack", {"ABCD", "BADC", "AXYZ"}, "AXYZ", {"AXYZ"}, {{3, 1, 0, 2}}},
    }; // clang-format on
    for (const auto& game : games) {
        const CCoach coach(game.words);
        const std::vector<CReviewRow> rows = coach.Review(Play(game.word, game.guesses), game.word);
        ASSERT_EQ(rows.size(), game.rows.size()) << game.pszName;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(std::string(game.pszName) + ", guess " + std::to_string(i + 1));
            EXPECT_EQ(rows[i].nBefore, game.rows[i].nBefore);
            EXPECT_EQ(rows[i].nAfter, game.rows[i].nAfter);
            EXPECT_EQ(coach.Word(rows[i].nBest), game.words.value(game.rows[i].nBest));
            EXPECT_EQ(rows[i].nBestToFind, game.rows[i].nBestToFind);
        }
    }
    const CCoach coach(best); // the hint names a possible word: not XXEF, which tells more
    EXPECT_EQ(coach.Word(coach.BestGuess(coach.StillPossible(Play("ABCG", {"ABCD"})), true)),
              "ABCE");
}

// Random games from the English list: hard mode takes exactly the words that the scoring leaves
// possible, the word itself always, and the quick weighing finds the minimax guess ScorePins finds.
TEST(Coach, HardModeAndTheMinimaxGuessFollowTheScoring)
{
    QStringList arWords;
    LoadWordList(0, arWords);
    const CCoach coach(arWords);
    std::mt19937 random(7);
    const auto AnyWord = [&] { return arWords[random() % arWords.size()].toLatin1(); };
    for (int nGame = 0; nGame < 40; ++nGame) {
        const QByteArray word = AnyWord();
        const std::vector<CGuess> guesses = Play(word, {AnyWord(), AnyWord()});
        SCOPED_TRACE(word.toStdString()); // and the guesses the seed draws
        EXPECT_EQ(ContradictedGuess(guesses, word), -1);
        const std::vector<int> possible = coach.StillPossible(guesses);
        for (int nWord = 0; nWord < arWords.size(); ++nWord) {
            const QByteArray other = arWords[nWord].toLatin1();
            const int nRow = ContradictedGuess(guesses, other);
            EXPECT_EQ(nRow == -1, std::ranges::binary_search(possible, nWord)) << other.data();
            if (nRow >= 0) {
                EXPECT_NE(ScorePins(other, guesses[nRow].szWord), guesses[nRow].pins)
                    << other.data();
            }
        }
        if (nGame % 8 == 0) {
            EXPECT_EQ(coach.Word(coach.BestGuess(possible)), SlowBestGuess(arWords, possible));
        }
    }
}
