#pragma once

#include "game/GameRound.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

// The index of the first earlier guess that a new guess contradicts: scored against the new
// guess as the word, that guess would not earn the pins it earned. -1 when it agrees with all.
int ContradictedGuess(std::span<const CGuess> guesses, const char szGuess[4]);

// One guess of a finished game, looked back on.
struct CReviewRow {
    int nBefore = 0; // words of the dictionary still possible before the guess
    int nAfter = 0;  // and after it
    int nBest = -1;  // the word the coach would have guessed instead; -1 with none possible
    // Guesses the coach, playing from before this guess on, would have needed to find the
    // word; -1 when it is not a word of the dictionary.
    int nBestToFind = -1;
};

// What a dictionary tells about a game: which of its words agree with the results so far,
// and the guess that leaves the fewest of them in the worst case (minimax).
class CCoach
{
public:
    // Words of four letters A to Z, in dictionary order; others are left out.
    explicit CCoach(const QStringList& arWords);

    int WordCount() const { return static_cast<int>(m_words.size()); }
    QString Word(int nIndex) const;

    // Indexes of the words that agree with every guess, in dictionary order.
    std::vector<int> StillPossible(std::span<const CGuess> guesses) const;
    // Among all words of the dictionary (or only among the possible ones), the guess whose
    // worst result leaves the fewest possible words; at a tie a possible word, then the first.
    // -1 when no word is possible.
    int BestGuess(const std::vector<int>& possible, bool bOnlyPossible = false) const;
    // Guesses that the coach, always taking the best guess, needs to find the word from the
    // possible ones; -1 when the word is not among them.
    int GuessesToFind(std::vector<int> possible, const char szWord[4]) const;
    // Each guess of a game played for the word.
    std::vector<CReviewRow> Review(std::span<const CGuess> guesses, const char szWord[4]) const;

private:
    // A letter told apart from its repeats in the word: 4 * (letter - 'A') + earlier repeats.
    // The letters two words share, each counted at most as often as in either, are then the
    // tagged letters they share.
    static constexpr int TAGS = 26 * 4;
    using Tagged = std::array<std::uint8_t, 4>;

    int WorstCase(int nGuess, const std::vector<int>& possible, int nLimit) const;
    std::vector<int> Keep(const std::vector<int>& possible, const char szGuess[4],
                          const CPins& pins) const;

    std::vector<std::array<char, 4>> m_words;
    std::vector<Tagged> m_tagged;
    // A review meets the same sets of possible words again and again: each is weighed once.
    mutable std::map<std::vector<int>, int> m_bestGuesses;
};
