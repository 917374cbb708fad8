#pragma once

#include "dialogs/BaseDlg.h"

class CGuessChart;
class QComboBox;
struct CStatistics;

// One player's record of games, for a dictionary chosen in the dialog or for all of them,
// read from the store as it is whenever it is shown.
class CStatisticsDlg : public CBaseDlg
{
    Q_OBJECT
public:
    // nDict: the dictionary shown first; ALL_DICTIONARIES or one that does not exist shows all.
    CStatisticsDlg(const QString& strPlayer, int nDict, QWidget* pParent = nullptr);

    QComboBox* m_comboDict = nullptr; // IDC_DICTIONARIES
    CGuessChart* m_chart = nullptr;   // IDC_CHART

protected:
    QWidget* CreateControl(const DlgItem& item, QWidget* pParent) override;
    bool OnInitDialog() override;

private:
    void SetTexts();
    void ShowPlayerName();
    void FillDictionaries();
    void ShowRecord();
    void ShowFigures(const CStatistics& stats);
    static QString ChartDescription(const CStatistics& stats);

    QString m_strPlayer;
    int m_nDict;
};
