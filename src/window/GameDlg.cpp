#include "window/GameDlg.h"

#include "appcore/AppCore.h"
#include "appcore/MessageFormat.h"
#include "controls/LetterEdit.h"
#include "controls/NoFocusButton.h"
#include "dialogs/DictionaryDlg.h"
#include "dialogs/HighScoreNoticeDlg.h"
#include "dialogs/MessageDlg.h"
#include "dialogs/ReviewDlg.h"
#include "dialogs/SetWordDlg.h"
#include "game/Coach.h"
#include "game/GameRound.h"
#include "game/WordList.h"
#include "platform/WindowPlacement.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/PlayerStatistics.h"
#include "window/CommandTarget.h"
#include "window/FlagButton.h"
#include "window/GuessRow.h"

#include <QContextMenuEvent>
#include <QScreen>
#include <QShortcut>

namespace
{

// The tallest window X11 can make; Qt's own limit is far higher.
constexpr int MAX_WINDOW_HEIGHT_PX = 32767;
// The player button's border and padding on both sides, which its text may not use.
constexpr int PLAYER_TEXT_MARGIN_PX = 12;

} // namespace

CGameDlg::CGameDlg(QWidget* pParent) : CBaseDlg(IDD_GAME, pParent) {}

CGameDlg::~CGameDlg()
{
    // The player's settings live in memory during the game; closing the window stores them.
    if (m_pPlayer)
        m_pPlayer->Save();
    ClearGuessRows();
}

QWidget* CGameDlg::CreateControl(const DlgItem& item, QWidget* pParent)
{
    switch (item.nId) {
    case IDC_FLAG:
        return m_btnFlag = new CFlagButton(pParent);
    case IDC_PLAYER:
        return m_btnPlayer = new CNoFocusButton(pParent);
    case IDOK:
        return m_btnGo = new CNoFocusButton(pParent);
    case IDC_FIRST_LETTER:
    case IDC_FIRST_LETTER + 1:
    case IDC_FIRST_LETTER + 2:
    case IDC_FIRST_LETTER + 3: {
        auto* pCell = new CLetterEdit(pParent);
        m_editLetter[item.nId - IDC_FIRST_LETTER] = pCell;
        connect(pCell, &CLetterEdit::textChanged, this, &CGameDlg::OnLetterChange);
        return pCell;
    }
    default:
        return nullptr;
    }
}

bool CGameDlg::OnInitDialog()
{
    m_btnFlag->m_pGame = m_pGame;
    m_btnFlag->m_pPlayer = m_pPlayer;
    CBaseDlg::OnInitDialog();
    AddKeys();
    connect(&AppCore(), &CAppCore::ProgLangChanged, this, &CGameDlg::OnProgLangChanged);
    NameLetterCells();
    RecordInitialSize();
    ResetEntryRow();
    UpdatePlayerButton();
    UpdateFlagButton();
    if (AppCore().m_bAutoStart)
        StartNewGame(true);
    return false;
}

bool CGameDlg::OnCommand(int nId)
{
    if (m_pCommands && m_pCommands->OnCmdMsg(nId, this))
        return true;
    switch (nId) {
    case ID_SOUND:
        OnSound();
        return true;
    case ID_HARD_MODE:
        OnHardMode();
        return true;
    case ID_HINT:
        OnHint();
        return true;
    case ID_REVIEW:
        OnReview();
        return true;
    case ID_NEW_GAME:
        StartNewGame(true);
        return true;
    case ID_EXIT:
        OnCancel();
        return true;
    case IDC_PLAYER:
        OnPlayerButton();
        return true;
    case ID_DICTIONARY_INFO:
        OnDictionaryInfo();
        return true;
    case ID_CHEAT:
        OnCheat();
        return true;
    case ID_SET_WORD:
        OnSetWord();
        return true;
    default:
        return OnRangeCommand(nId) || CBaseDlg::OnCommand(nId);
    }
}

bool CGameDlg::OnRangeCommand(int nId)
{
    if (nId >= IDR_FIRST_DICTIONARY && nId <= IDR_LAST_DICTIONARY)
        OnDictionary(nId);
    else if (nId >= ID_FIRST_PROG_LANG && nId <= ID_LAST_PROG_LANG)
        OnProgramLanguage(nId);
    else
        return false;
    return true;
}

// The keyboard reaches what the mouse reaches through the flag button.
void CGameDlg::AddKeys()
{
    const auto AddKey = [this](const QKeySequence& key, const std::function<void()>& fnAct) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, fnAct);
    };
    AddKey(HelpKey(), [this] { OnCommand(ID_HELP_INDEX); });
    AddKey(NewGameKey(), [this] { OnCommand(ID_NEW_GAME); });
    AddKey(ReviewKey(), [this] { OnCommand(ID_REVIEW); });
    for (const QKeySequence& key : MenuKeys())
        AddKey(key, [this] { m_btnFlag->ShowFlagMenu(Qt::NoModifier); });
    // Shift and Ctrl with the Menu key offer what they offer held at a click on the flag.
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::ShiftModifier | Qt::ControlModifier})
        AddKey(QKeySequence(modifiers | Qt::Key_Menu),
               [this, modifiers] { m_btnFlag->ShowFlagMenu(modifiers); });
    // X11 turns the Menu key into a context menu request for the focused widget before any
    // shortcut sees the key; in this window that request opens the flag menu too.
    installEventFilter(this);
    for (CLetterEdit* pCell : m_editLetter)
        pCell->installEventFilter(this);
}

bool CGameDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::ContextMenu ||
        static_cast<QContextMenuEvent*>(pEvent)->reason() != QContextMenuEvent::Keyboard)
        return CBaseDlg::eventFilter(pWatched, pEvent);
    m_btnFlag->ShowFlagMenu(static_cast<QContextMenuEvent*>(pEvent)->modifiers());
    return true;
}

void CGameDlg::UpdateTooltips()
{
    const CAppCore& core = AppCore();
    m_btnFlag->setToolTip(core.LoadLangString(IDS_TIP_FLAG));
    m_btnGo->setToolTip(
        core.LoadLangString(m_pGame->m_bFinished ? IDS_TIP_NEW_GAME : IDS_TIP_DROP));
    // The button may show the name cut short; its tip always has the whole of it.
    m_btnPlayer->setToolTip(ShownName(m_pPlayer->m_strName) + QLatin1Char('\n') +
                            core.LoadLangString(IDS_TIP_PLAYER));
    // What a screen reader says of the go button, which shows only a picture. Without a
    // description of its own, a button is described by its tip.
    m_btnGo->setAccessibleName(
        core.LoadLangString(m_pGame->m_bFinished ? IDS_A11Y_NEW_GAME : IDS_A11Y_DROP));
    m_btnGo->setAccessibleDescription(IsWon() ? GetWinText() : QString());
}

// The screen reader's texts are set only when they change: Qt tells a reader of every
// rename, and a reader may say the focused control's name again.
void CGameDlg::OnProgLangChanged()
{
    UpdateTooltips();
    NameLetterCells();
    UpdateFlagButton();
    DescribeNewestResult();
}

void CGameDlg::NameLetterCells()
{
    for (int i = 0; i < 4; ++i)
        m_editLetter[i]->setAccessibleName(AppCore().LoadLangString(IDS_A11Y_LETTER).arg(i + 1));
}

// The newest result is told when the focus comes back to the first cell after a guess.
void CGameDlg::DescribeNewestResult()
{
    m_editLetter[0]->setAccessibleDescription(m_rows.isEmpty() ? QString()
                                                               : m_rows.last()->GetSpokenText());
}

bool CGameDlg::IsWon() const
{
    return m_pGame->m_bFinished && !m_rows.isEmpty();
}

QString CGameDlg::GetWinText() const
{
    return AppCore()
        .LoadLangString(IDS_A11Y_WON)
        .arg(m_pGame->GetWord())
        .arg(m_rows.size())
        .arg(m_pGame->GetElapsedText());
}

void CGameDlg::RecordInitialSize()
{
    // Qt's sizes are those of the client area; the frame is the window manager's.
    m_nInitClientHeight = static_cast<std::int16_t>(height());
    m_nInitWindowHeight = static_cast<std::int16_t>(height());
    m_nInitWindowWidth = static_cast<std::int16_t>(width());
    // The window grows at the bottom, a row a guess: what it showed before stays where it was
    // and needs no painting again.
    setAttribute(Qt::WA_StaticContents);
}

void CGameDlg::ResetEntryRow()
{
    const bool bRunning = !m_pGame->m_bFinished;
    DescribeNewestResult(); // before the first cell takes the focus
    for (CLetterEdit* pCell : m_editLetter) {
        pCell->clear();
        pCell->setEnabled(bRunning);
    }
    if (bRunning)
        m_editLetter[0]->setFocus();
    SetButtonIcon(IDOK, bRunning ? IDI_DROP : IDI_PLAY);
    UpdateTooltips();
    // Clearing an empty cell reports no change, yet the go button must follow the new game.
    OnLetterChange();
}

void CGameDlg::OnLetterChange()
{
    bool bComplete = true;
    for (const CLetterEdit* pCell : m_editLetter)
        bComplete = bComplete && pCell->GetLetter() != 0;
    EnableItem(IDOK, m_pGame->m_bFinished || bComplete);
}

void CGameDlg::UpdatePlayerButton()
{
    ShowPlayerText(QString());
    UpdateTooltips();
}

// The time always shows: a name too long for the button is cut short instead.
void CGameDlg::ShowPlayerText(const QString& strAfterName)
{
    const QFontMetrics metrics(m_btnPlayer->font());
    const int nRoom =
        m_btnPlayer->width() - PLAYER_TEXT_MARGIN_PX - metrics.horizontalAdvance(strAfterName);
    SetItemText(IDC_PLAYER, ShownName(m_pPlayer->m_strName, metrics, nRoom) + strAfterName);
    m_btnPlayer->setAccessibleName(ShownName(m_pPlayer->m_strName) + strAfterName);
}

void CGameDlg::UpdateFlagButton()
{
    SetButtonIcon(IDC_FLAG, DictionaryResourceId(m_pGame->m_nDict));
    m_btnFlag->setAccessibleName(AppCore()
                                     .LoadLangString(IDS_A11Y_DICTIONARY)
                                     .arg(GetDictionaryName(m_pGame->m_nDict, false)));
}

void CGameDlg::UpdateClockText()
{
    ShowPlayerText(QStringLiteral(" - ") + m_pGame->GetElapsedText());
}

void CGameDlg::StartClock()
{
    SetTimer(m_nTimerId, 1000);
    UpdateClockText();
}

void CGameDlg::StopClock()
{
    UpdateClockText();
    KillTimer(m_nTimerId);
}

void CGameDlg::OnTimer(int)
{
    UpdateClockText();
}

bool CGameDlg::HasGameWithGuesses() const
{
    return !m_pGame->m_bFinished && !m_rows.isEmpty();
}

int CGameDlg::ConfirmAbort(int nTextId, int nInsertId)
{
    if (!HasGameWithGuesses())
        return IDOK;
    QString strText = AppCore().LoadLangString(nTextId);
    if (nInsertId)
        strText = FormatMessageText(strText, AppCore().LoadLangString(nInsertId));
    return ShowMessageDlg(strText, CMessageDlg::MB_YES_NO, SND_QUESTION);
}

void CGameDlg::StartNewGame(bool bAskFirst)
{
    if (bAskFirst && ConfirmAbort(IDS_ABORT_GAME) != IDOK)
        return;
    CountAbandonedGame();
    m_pGame->NewRound();
    m_strGamePlayer = m_pPlayer->m_strName;
    m_nGameDict = m_pGame->m_nDict;
    AppCore().PlaySoundRes(SND_NEW_GAME, true);
    ClearGuessRows();
    ResetEntryRow();
    StartClock();
    SetFixedWindowSize(this, QSize(m_nInitWindowWidth, m_nInitWindowHeight));
}

void CGameDlg::OnOK()
{
    if (m_pGame->m_bFinished) {
        StartNewGame(true);
        return;
    }
    char szGuess[5] = {};
    for (int i = 0; i < 4; ++i)
        szGuess[i] = m_editLetter[i]->GetLetter();
    if (RefuseContradiction(szGuess))
        return;
    m_pGame->m_bHardMode = m_pGame->m_bHardMode && m_pPlayer->m_bHard;
    std::int16_t nBlack = 0;
    std::int16_t nWhite = 0;
    m_pGame->Score(szGuess, nBlack, nWhite);
    AddGuessRow(nBlack, nWhite);
    if (m_pGame->m_bFinished) {
        OnWin();
        return;
    }
    for (CLetterEdit* pCell : m_editLetter)
        pCell->clear();
    m_editLetter[0]->setFocus();
}

void CGameDlg::OnWin()
{
    StopClock();
    SetButtonIcon(IDOK, IDI_PLAY);
    UpdateTooltips();
    m_btnGo->setFocus();
    for (CLetterEdit* pCell : m_editLetter)
        pCell->setEnabled(false);
    if (m_pGame->m_bCheated)
        return;
    // The winning row shows before the win goes to disk, which may take several frames.
    repaint();
    RecordWonGame(m_strGamePlayer, m_nGameDict, m_pGame->GetElapsedSeconds(), m_pGame->m_nGuesses,
                  m_pGame->m_bHardMode);
    AppCore().PlaySoundRes(SND_WIN, true);
    const bool bFull = m_pHighScores->GetCount() >= MAX_HIGH_SCORES;
    const int nPlace = m_pHighScores->AddWonGame(*m_pGame, *m_pPlayer);
    // Entering a table with room is news only when the game beats an earlier entry.
    if (nPlace > 0 && (bFull || nPlace < m_pHighScores->GetCount()))
        ShowHighScoreNotice(nPlace);
}

// A game given up after its first guess counts against the one who started it; a game whose
// word was revealed, set or hinted at counts neither way.
void CGameDlg::CountAbandonedGame()
{
    if (HasGameWithGuesses() && !m_pGame->m_bCheated)
        RecordAbandonedGame(m_strGamePlayer, m_nGameDict);
    m_pGame->m_bFinished = true;
}

void CGameDlg::ShowHighScoreNotice(int nPlace)
{
    CHighScoreNoticeDlg dlg(static_cast<std::uint16_t>(nPlace), this);
    dlg.DoModal();
}

void CGameDlg::OnSound()
{
    m_pPlayer->m_bSound = !m_pPlayer->m_bSound;
    m_pPlayer->Save();
    if (m_pPlayer->m_bSound)
        AppCore().PlaySoundRes(SND_SOUND_ON, true);
}

// Hard mode refuses a guess that a result on the board already rules out. The cells keep it,
// to be mended rather than typed again.
bool CGameDlg::RefuseContradiction(const char szGuess[4])
{
    if (!m_pPlayer->m_bHard)
        return false;
    const int nRow = ContradictedGuess(m_pGame->m_guesses, szGuess);
    if (nRow < 0)
        return false;
    ShowMessageDlg(AppCore()
                       .LoadLangString(IDS_CONTRADICTS)
                       .arg(QString::fromLatin1(szGuess, 4))
                       .arg(nRow + 1),
                   CMessageDlg::MB_OK_ONLY, SND_REFUSED);
    return true;
}

void CGameDlg::OnHardMode()
{
    m_pPlayer->m_bHard = !m_pPlayer->m_bHard;
    m_pPlayer->Save();
}

void CGameDlg::OnCancel()
{
    if (ConfirmAbort(IDS_ABORT_GAME) != IDOK)
        return;
    CountAbandonedGame();
    AppCore().PlaySoundRes(SND_EXIT, false);
    CBaseDlg::OnCancel();
}

void CGameDlg::AddGuessRow(std::int16_t nBlack, std::int16_t nWhite)
{
    AppCore().PlaySoundRes(SND_ROW, true);
    QString strWord;
    for (const CLetterEdit* pCell : m_editLetter)
        strWord += QChar::fromLatin1(pCell->GetLetter());
    auto* pRow = new CGuessRow(m_rows.size() + 1, strWord, nBlack, nWhite, this);
    m_rows.append(pRow);
    DescribeNewestResult();
    // The window grows a row for each guess, but no further than the window system allows.
    const int nMaxHeight = MAX_WINDOW_HEIGHT_PX / qMax(1.0, devicePixelRatioF());
    SetFixedWindowSize(
        this, QSize(m_nInitWindowWidth,
                    qMin(m_nInitWindowHeight + m_rows.size() * pRow->height(), nMaxHeight)));
    LayOutRows();
}

// The newest row sits right under the entry row, each older one a row lower. A row wholly
// below the screen (or the window) is hidden and left where it was: nobody sees it, and
// moving and painting a thousand of them would cost a guess more than a frame. The shown
// rows are always the newest ones, so the walk stops at the first row that stays hidden.
void CGameDlg::LayOutRows()
{
    const QScreen* pScreen = screen();
    const int nScreenBottom =
        pScreen ? mapFromGlobal(pScreen->geometry().bottomLeft()).y() + 1 : height();
    const int nVisibleBottom = qMin(height(), nScreenBottom);
    int nTop = m_nInitClientHeight;
    for (auto it = m_rows.crbegin(); it != m_rows.crend(); ++it) {
        CBaseDlg* pRow = *it;
        if (nTop < nVisibleBottom) {
            pRow->move(0, nTop);
            pRow->show();
        } else if (pRow->isHidden()) {
            break;
        } else {
            pRow->hide();
        }
        nTop += pRow->height();
    }
}

// A window moved up shows rows that were below the screen.
void CGameDlg::moveEvent(QMoveEvent* pEvent)
{
    CBaseDlg::moveEvent(pEvent);
    LayOutRows();
}

void CGameDlg::ClearGuessRows()
{
    qDeleteAll(m_rows);
    m_rows.clear();
}

void CGameDlg::OnPlayerButton()
{
    if (ConfirmAbort(IDS_RESTART_TO, IDS_TO_CHANGE_PLAYER) != IDOK)
        return;
    // The next player is loaded into the same object: the current one is stored first.
    m_pPlayer->Save();
    if (!m_pCommands || m_pCommands->SelectPlayer() != IDOK)
        return;
    UpdatePlayerButton();
    UpdateFlagButton();
    if (!m_pGame->m_bFinished || AppCore().m_bAutoStart)
        StartNewGame(false);
}

void CGameDlg::OnDictionary(int nId)
{
    const int nDict = nId - IDR_FIRST_DICTIONARY;
    if (nDict == m_pGame->m_nDict)
        return;
    if (ConfirmAbort(IDS_RESTART_TO, IDS_TO_CHANGE_DICTIONARY) != IDOK)
        return;
    m_pPlayer->m_nDict = nDict;
    m_pPlayer->Save();
    m_pGame->m_nDict = nDict;
    if (!m_pGame->m_bFinished || AppCore().m_bAutoStart)
        StartNewGame(false);
    UpdateFlagButton();
}

void CGameDlg::OnDictionaryInfo()
{
    CDictionaryDlg dlg(this);
    dlg.m_nDict = m_pGame->m_nDict;
    dlg.m_bLower = m_pPlayer->m_bLower;
    if (dlg.DoModal() == IDOK && dlg.m_nDict != m_pGame->m_nDict)
        OnDictionary(dlg.GetSelectedCommand());
    // The case can be switched in the chooser even when it is cancelled.
    if (m_pPlayer->m_bLower != dlg.m_bLower) {
        m_pPlayer->m_bLower = dlg.m_bLower;
        m_pPlayer->Save();
    }
}

void CGameDlg::OnProgramLanguage(int nId)
{
    AppCore().SetProgLang(nId - ID_FIRST_PROG_LANG);
}

void CGameDlg::OnCheat()
{
    if (m_pGame->m_bFinished)
        return;
    if (ShowMessageDlg(AppCore().LoadLangString(IDS_SURE_TO_CHEAT), CMessageDlg::MB_YES_NO,
                       SND_CHEAT_QUESTION) != IDOK)
        return;
    // The second question is put the other way round: only No goes on.
    if (ShowMessageDlg(AppCore().LoadLangString(IDS_RATHER_GUESS), CMessageDlg::MB_YES_NO, 0) !=
        IDCANCEL)
        return;
    const QString strWord = m_pGame->RevealWord();
    ShowMessageDlg(FormatMessageText(AppCore().LoadLangString(IDS_WORD_IS), strWord),
                   CMessageDlg::MB_OK_ONLY, 0);
}

// The first hint is asked for, as it takes the game out of the high scores and statistics as
// Cheat does; it tells how many words are still possible, and each later one names one too.
void CGameDlg::OnHint()
{
    if (m_pGame->m_bFinished)
        return;
    const CAppCore& core = AppCore();
    if (m_pGame->m_nHints == 0 && ShowMessageDlg(core.LoadLangString(IDS_HINT_QUESTION),
                                                 CMessageDlg::MB_YES_NO, SND_QUESTION) != IDOK)
        return;
    m_pGame->m_bCheated = true;
    ++m_pGame->m_nHints;
    const CCoach coach(GameWords());
    const std::vector<int> possible = coach.StillPossible(m_pGame->m_guesses);
    QString strText = FormatMessageText(core.LoadLangString(IDS_WORDS_POSSIBLE),
                                        static_cast<int>(possible.size()));
    if (m_pGame->m_nHints > 1 && !possible.empty())
        strText +=
            QLatin1Char('\n') + FormatMessageText(core.LoadLangString(IDS_ONE_OF_THEM),
                                                  coach.Word(coach.BestGuess(possible, true)));
    ShowMessageDlg(strText, CMessageDlg::MB_OK_ONLY, 0);
}

QStringList CGameDlg::GameWords() const
{
    QStringList arWords;
    LoadWordList(m_nGameDict, arWords);
    return arWords;
}

void CGameDlg::OnReview()
{
    if (!m_pGame->IsWon())
        return;
    CReviewDlg dlg(GameWords(), m_pGame->GetWord(), m_pGame->m_guesses, this);
    dlg.DoModal();
}

void CGameDlg::OnSetWord()
{
    if (ConfirmAbort(IDS_RESTART_TO, IDS_TO_SET_WORD) != IDOK)
        return;
    CSetWordDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    StartNewGame(false);
    m_pGame->SetWord(dlg.m_strWord);
}
