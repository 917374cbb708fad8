#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// "%d:%.2d" of whole minutes and the remaining seconds.
QString FormatTime(int nSeconds);

struct CPins {
    std::int16_t nBlack = 0; // right letter in the right place
    std::int16_t nWhite = 0; // a further letter of the word, elsewhere
    bool operator==(const CPins&) const = default;
};

// The game's one scoring rule, for a guess of four letters against a word of four; each
// letter of the word pays at most one pin.
CPins ScorePins(const char szWord[4], const char szGuess[4]);

// A guess as it was scored.
struct CGuess {
    char szWord[4];
    CPins pins;
};

// The one game being played: the secret word, its dictionary, the guesses and the clock.
// The main window and the high score table read the fields directly.
class CGameRound
{
public:
    CGameRound();

    void NewRound();
    // Black and white pins for a guess of four upper-case letters; counts the guess and
    // may win the game. A guess of another length scores nothing and is not counted.
    void Score(const char* pszGuess, std::int16_t& nBlack, std::int16_t& nWhite);
    QString RevealWord();
    void SetWord(const QString& strText);
    QString GetWord() const;
    int GetElapsedSeconds() const;
    QString GetElapsedText() const;
    // Over with the word found, not given up.
    bool IsWon() const;

    char m_szWord[4]; // no terminator; zero bytes when no word could be picked
    int m_nDict;      // -1 until a dictionary is assigned
    bool m_bFinished; // no game running
    bool m_bCheated;  // word revealed, set by hand or hinted at in this game
    int m_nHints;     // hints taken in this game
    bool m_bHardMode; // every guess of this game so far was made in hard mode
    std::int16_t m_nGuesses;
    std::vector<CGuess> m_guesses; // the scored guesses, oldest first
    std::uint32_t m_dwStart;       // tick count at the start
    std::uint32_t m_dwEnd;         // tick count at the win; 0 while running
};
