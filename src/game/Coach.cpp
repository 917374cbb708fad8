#include "game/Coach.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace
{

constexpr int WORD_LENGTH = 4;
constexpr int PINS_KEYS = 21; // 4 * black + black and white

} // namespace

int ContradictedGuess(std::span<const CGuess> guesses, const char szGuess[4])
{
    for (std::size_t i = 0; i < guesses.size(); ++i) {
        if (ScorePins(szGuess, guesses[i].szWord) != guesses[i].pins)
            return static_cast<int>(i);
    }
    return -1;
}

CCoach::CCoach(const QStringList& arWords)
{
    for (const QString& strWord : arWords) {
        const QByteArray word = strWord.toLatin1();
        if (word.size() != WORD_LENGTH ||
            !std::all_of(word.cbegin(), word.cend(), [](char c) { return c >= 'A' && c <= 'Z'; }))
            continue;
        std::array<char, 4> letters;
        std::memcpy(letters.data(), word.constData(), WORD_LENGTH);
        Tagged tagged;
        for (int i = 0; i < WORD_LENGTH; ++i)
            tagged[i] = static_cast<std::uint8_t>(
                4 * (letters[i] - 'A') +
                std::count(letters.cbegin(), letters.cbegin() + i, letters[i]));
        m_words.push_back(letters);
        m_tagged.push_back(tagged);
    }
}

QString CCoach::Word(int nIndex) const
{
    if (nIndex < 0 || nIndex >= WordCount())
        return {};
    return QString::fromLatin1(m_words[nIndex].data(), WORD_LENGTH);
}

// The most possible words one result of the guess leaves; once that exceeds nLimit, any
// number above it. Weighing every word against every possible one is the whole cost of a
// review, so the pins are not counted letter by letter: a table for the guess gives, for each
// place and tagged letter, 4 for a black pin plus 1 for a letter shared, and the four
// entries of a word add up to a number that tells its pins apart.
int CCoach::WorstCase(int nGuess, const std::vector<int>& possible, int nLimit) const
{
    std::array<std::array<std::uint8_t, TAGS>, WORD_LENGTH> table{};
    std::array<bool, TAGS> bShared{};
    for (const std::uint8_t nTag : m_tagged[nGuess])
        bShared[nTag] = true;
    for (int i = 0; i < WORD_LENGTH; ++i) {
        for (int nTag = 0; nTag < TAGS; ++nTag)
            table[i][nTag] = static_cast<std::uint8_t>(
                bShared[nTag] + (nTag / 4 == m_words[nGuess][i] - 'A' ? 4 : 0));
    }
    int anCounts[PINS_KEYS] = {};
    int nWorst = 0;
    for (const int nWord : possible) {
        const Tagged& tagged = m_tagged[nWord];
        const int nKey =
            table[0][tagged[0]] + table[1][tagged[1]] + table[2][tagged[2]] + table[3][tagged[3]];
        const int nCount = ++anCounts[nKey];
        if (nCount > nLimit)
            return nCount;
        nWorst = std::max(nWorst, nCount);
    }
    return nWorst;
}

std::vector<int> CCoach::Keep(const std::vector<int>& possible, const char szGuess[4],
                              const CPins& pins) const
{
    std::vector<int> kept;
    for (const int nWord : possible) {
        if (ScorePins(m_words[nWord].data(), szGuess) == pins)
            kept.push_back(nWord);
    }
    return kept;
}

std::vector<int> CCoach::StillPossible(std::span<const CGuess> guesses) const
{
    std::vector<int> possible(m_words.size());
    for (std::size_t i = 0; i < possible.size(); ++i)
        possible[i] = static_cast<int>(i);
    for (const CGuess& guess : guesses)
        possible = Keep(possible, guess.szWord, guess.pins);
    return possible;
}

int CCoach::BestGuess(const std::vector<int>& possible, bool bOnlyPossible) const
{
    if (possible.empty())
        return -1;
    if (!bOnlyPossible) {
        if (const auto it = m_bestGuesses.find(possible); it != m_bestGuesses.end())
            return it->second;
    }
    std::vector<bool> bPossible(m_words.size());
    for (const int nWord : possible)
        bPossible[nWord] = true;
    int nBest = -1;
    int nBestWorst = INT_MAX;
    bool bBestPossible = false;
    const auto Weigh = [&](int nGuess) {
        // Words come in dictionary order; only a possible word wins a tie, with an impossible one.
        const int nLimit = bPossible[nGuess] && !bBestPossible ? nBestWorst : nBestWorst - 1;
        const int nWorst = WorstCase(nGuess, possible, nLimit);
        if (nWorst > nLimit)
            return;
        nBest = nGuess;
        nBestWorst = nWorst;
        bBestPossible = bPossible[nGuess];
    };
    if (bOnlyPossible) {
        for (const int nGuess : possible)
            Weigh(nGuess);
        return nBest;
    }
    for (int nGuess = 0; nGuess < WordCount(); ++nGuess) {
        Weigh(nGuess);
        if (nBestWorst == 1 && bBestPossible)
            break; // nothing later can beat it
    }
    m_bestGuesses.emplace(possible, nBest);
    return nBest;
}

int CCoach::GuessesToFind(std::vector<int> possible, const char szWord[4]) const
{
    // Each best guess leaves fewer words than before (a possible word guessed leaves all the
    // others at worst), so the play ends.
    for (int nGuesses = 1; !possible.empty(); ++nGuesses) {
        const int nGuess = BestGuess(possible);
        const CPins pins = ScorePins(szWord, m_words[nGuess].data());
        if (pins.nBlack == WORD_LENGTH)
            return nGuesses;
        possible = Keep(possible, m_words[nGuess].data(), pins);
    }
    return -1;
}

std::vector<CReviewRow> CCoach::Review(std::span<const CGuess> guesses, const char szWord[4]) const
{
    std::vector<CReviewRow> rows;
    std::vector<int> possible = StillPossible({});
    for (const CGuess& guess : guesses) {
        CReviewRow row;
        row.nBefore = static_cast<int>(possible.size());
        row.nBest = BestGuess(possible);
        row.nBestToFind = GuessesToFind(possible, szWord);
        possible = Keep(possible, guess.szWord, guess.pins);
        row.nAfter = static_cast<int>(possible.size());
        rows.push_back(row);
    }
    return rows;
}
