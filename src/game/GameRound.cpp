#include "game/GameRound.h"

#include "game/WordList.h"
#include "platform/TickClock.h"

#include <cctype>
#include <cstring>

namespace
{

constexpr int WORD_LENGTH = 4;

} // namespace

QString FormatTime(int nSeconds)
{
    return QString::asprintf("%d:%.2d", nSeconds / 60, nSeconds % 60);
}

CPins ScorePins(const char szWord[4], const char szGuess[4])
{
    CPins pins;
    bool bGuessUsed[WORD_LENGTH];
    bool bWordUsed[WORD_LENGTH];
    for (int i = 0; i < WORD_LENGTH; ++i) {
        bGuessUsed[i] = bWordUsed[i] = szGuess[i] == szWord[i];
        if (bGuessUsed[i])
            ++pins.nBlack;
    }
    // Each word letter gives at most one pin, so a letter guessed twice is not paid twice.
    for (int i = 0; i < WORD_LENGTH; ++i) {
        if (bGuessUsed[i])
            continue;
        for (int j = 0; j < WORD_LENGTH; ++j) {
            if (!bWordUsed[j] && szWord[j] == szGuess[i]) {
                bGuessUsed[i] = bWordUsed[j] = true;
                ++pins.nWhite;
                break;
            }
        }
    }
    return pins;
}

CGameRound::CGameRound()
    : m_szWord{}, m_nDict(-1), m_bFinished(true), m_bCheated(false), m_nHints(0), m_bHardMode(true),
      m_nGuesses(0), m_dwStart(0), m_dwEnd(0)
{
}

void CGameRound::NewRound()
{
    std::memset(m_szWord, 0, sizeof m_szWord);
    m_bCheated = false;
    m_nHints = 0;
    m_bHardMode = true;
    m_nGuesses = 0;
    m_guesses.clear();
    m_bFinished = !PickRandomWord(m_nDict, m_szWord);
    m_dwStart = GetTickCount();
    m_dwEnd = 0;
}

void CGameRound::Score(const char* pszGuess, std::int16_t& nBlack, std::int16_t& nWhite)
{
    nBlack = 0;
    nWhite = 0;
    if (!pszGuess || std::strlen(pszGuess) != WORD_LENGTH)
        return;
    CGuess guess{{}, ScorePins(m_szWord, pszGuess)};
    std::memcpy(guess.szWord, pszGuess, WORD_LENGTH);
    m_guesses.push_back(guess);
    nBlack = guess.pins.nBlack;
    nWhite = guess.pins.nWhite;

    ++m_nGuesses;
    if (nBlack == WORD_LENGTH) {
        m_bFinished = true;
        m_dwEnd = GetTickCount();
    }
}

QString CGameRound::RevealWord()
{
    m_bCheated = true;
    return GetWord();
}

void CGameRound::SetWord(const QString& strText)
{
    if (strText.size() < WORD_LENGTH)
        return;
    m_bCheated = true;
    for (int i = 0; i < WORD_LENGTH; ++i)
        m_szWord[i] =
            static_cast<char>(std::toupper(static_cast<unsigned char>(strText[i].toLatin1())));
}

QString CGameRound::GetWord() const
{
    // Zero bytes after a failed pick end the text early, as a "%c" format of them would.
    return QString::fromLatin1(m_szWord, qstrnlen(m_szWord, WORD_LENGTH));
}

int CGameRound::GetElapsedSeconds() const
{
    if (!m_bFinished)
        return static_cast<int>((GetTickCount() - m_dwStart) / 1000);
    // Only a won game has scored guesses; its time is frozen at the win, and the unsigned
    // difference stays right when the tick counter wrapped during the game.
    if (m_nGuesses == 0)
        return 0;
    return static_cast<int>((m_dwEnd - m_dwStart) / 1000);
}

bool CGameRound::IsWon() const
{
    return m_bFinished && !m_guesses.empty() && m_guesses.back().pins.nBlack == WORD_LENGTH;
}

QString CGameRound::GetElapsedText() const
{
    return FormatTime(GetElapsedSeconds());
}
