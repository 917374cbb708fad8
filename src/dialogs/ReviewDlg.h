#pragma once

#include "dialogs/BaseDlg.h"
#include "game/GameRound.h"

#include <vector>

class CCoach;
class CWordsLeftChart;
class QTreeWidget;
struct CReviewRow;

// A won game looked back on, guess by guess: its pins, the words of its dictionary still
// possible before and after it, the guess that would have left the fewest at worst, and how
// many guesses that best guess and those after it would have needed from there.
class CReviewDlg : public CBaseDlg
{
    Q_OBJECT
public:
    // arWords: the game's dictionary; strWord: the word that was found.
    CReviewDlg(const QStringList& arWords, const QString& strWord, std::vector<CGuess> guesses,
               QWidget* pParent = nullptr);

    CWordsLeftChart* m_chart = nullptr; // IDC_CHART
    QTreeWidget* m_list = nullptr;      // IDC_GUESSES

protected:
    QWidget* CreateControl(const DlgItem& item, QWidget* pParent) override;
    bool OnInitDialog() override;

private:
    void AddColumns();
    void FillList(const CCoach& coach, const std::vector<CReviewRow>& rows);
    void ShowChart(const std::vector<CReviewRow>& rows);
    void ShowSummary(const std::vector<CReviewRow>& rows);

    QStringList m_arWords;
    QString m_strWord;
    std::vector<CGuess> m_guesses;
};
