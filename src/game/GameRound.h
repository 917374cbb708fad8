#pragma once

#include <QString>
#include <cstdint>

// "%d:%.2d" of whole minutes and the remaining seconds.
QString FormatTime(int nSeconds);

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

    char m_szWord[4]; // no terminator; zero bytes when no word could be picked
    int m_nDict;      // -1 until a dictionary is assigned
    bool m_bFinished; // no game running
    bool m_bCheated;  // word revealed or set by hand in this game
    std::int16_t m_nGuesses;
    std::uint32_t m_dwStart; // tick count at the start
    std::uint32_t m_dwEnd;   // tick count at the win; 0 while running
};
