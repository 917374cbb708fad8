#pragma once

#include "dialogs/BaseDlg.h"

#include <QList>
#include <QStringList>

class QAbstractButton;

// The program language the first of the locales asks for ("fr-CA", "de_DE.UTF-8"), matched on
// the language alone; English when none asks for one of the ten.
int ProgLangForLocales(const QStringList& arLocales);

// Asks for the program language with a flag button for each of the ten: the result is its index,
// that of its dictionary. The desktop's own language is focused and the default.
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
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QList<QAbstractButton*> m_flags; // in the dictionaries' order, as the template lays them out
};
