#pragma once

#include "dialogs/BaseDlg.h"

// Asks for the program language with two flag buttons: 0 English, 1 Dutch.
// Shown before any language is known, so its texts are not localized; Escape is ignored.
class CLanguageDlg : public CBaseDlg
{
    Q_OBJECT
public:
    explicit CLanguageDlg(QWidget* pParent = nullptr);

    bool OnCommand(int nId) override;

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
};
