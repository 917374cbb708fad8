#pragma once

#include "dialogs/BaseDlg.h"
#include "res/Resource.h"

#include <QList>
#include <QString>
#include <cstdint>

class CGameRound;
class CPlayerSettings;
class CHighScoreTable;
class CFlagButton;
class CNoFocusButton;
class CLetterEdit;
class CCommandTarget;
class CGuessRow;

// The main window: who plays and for how long, the flag of the dictionary, the four letter
// cells and the go button, with one guess row per scored guess below, newest on top.
class CGameDlg : public CBaseDlg
{
    Q_OBJECT
public:
    explicit CGameDlg(QWidget* pParent = nullptr);
    ~CGameDlg() override;

    bool OnCommand(int nId) override;

    CGameRound* m_pGame = nullptr;            // not owned
    CPlayerSettings* m_pPlayer = nullptr;     // not owned
    CHighScoreTable* m_pHighScores = nullptr; // not owned
    CCommandTarget* m_pCommands = nullptr;    // not owned; takes what the window leaves

    // The guess rows, oldest first; owned.
    const QList<CGuessRow*>& Rows() const { return m_rows; }
    // A game with guesses counts as given up, once; it is then over.
    void CountAbandonedGame();

protected:
    QWidget* CreateControl(const DlgItem& item, QWidget* pParent) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(int nId) override;
    void moveEvent(QMoveEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void AddKeys();
    void UpdateTooltips();
    void OnProgLangChanged();
    void NameLetterCells();
    void DescribeNewestResult();
    bool IsWon() const;
    QString GetWinText() const;
    void ShowPlayerText(const QString& strAfterName);
    void RecordInitialSize();
    void ResetEntryRow();
    void UpdatePlayerButton();
    void UpdateFlagButton();
    void UpdateClockText();
    void StartClock();
    void StopClock();
    void StartNewGame(bool bAskFirst);
    bool HasGameWithGuesses() const;
    int ConfirmAbort(int nTextId, int nInsertId = 0);
    void AddGuessRow(std::int16_t nBlack, std::int16_t nWhite);
    void LayOutRows();
    void ClearGuessRows();
    void ShowHighScoreNotice(int nPlace);
    void OnLetterChange();
    void OnSound();
    void OnHardMode();
    bool RefuseContradiction(const char szGuess[4]);
    void OnWin();
    void OnPlayerButton();
    void OnDictionary(int nId);
    void OnDictionaryInfo();
    void OnProgramLanguage(int nId);
    void OnCheat();
    void OnHint();
    QStringList GameWords() const; // the word list of the game on the board
    void OnReview();
    void OnSetWord();
    bool OnRangeCommand(int nId);

    CFlagButton* m_btnFlag = nullptr;
    CNoFocusButton* m_btnPlayer = nullptr;
    CNoFocusButton* m_btnGo = nullptr;
    CLetterEdit* m_editLetter[4] = {};
    std::int16_t m_nInitClientHeight = -1;
    std::int16_t m_nInitWindowHeight = -1;
    std::int16_t m_nInitWindowWidth = -1;
    const int m_nTimerId = IDT_CLOCK;
    QList<CGuessRow*> m_rows;
    // Whose game runs, with which dictionary: both may change before the game is replaced.
    QString m_strGamePlayer;
    int m_nGameDict = -1;
};
