#pragma once

#include "dialogs/BaseDlg.h"

#include <cstdint>

// One scored guess on the board: its number, its letters and the pins it earned. A screen
// reader hears it as one line, "Guess 3: BEAR, 2 right, 1 elsewhere".
class CGuessRow : public CBaseDlg
{
    Q_OBJECT
public:
    CGuessRow(int nNumber, const QString& strWord, std::int16_t nBlack, std::int16_t nWhite,
              QWidget* pParent);

    // What the row says in the current program language.
    QString GetSpokenText() const;

private:
    QString GetPinsText() const;
    void UpdateSpokenText();

    int m_nNumber;
    QString m_strWord;
    std::int16_t m_nBlack;
    std::int16_t m_nWhite;
};
